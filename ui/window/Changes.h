#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include <QString>

#include "Effects.h"
#include "Language.h"

namespace dzwonex {

// A signed whole number in the language's format, with a real minus sign:
// "+1 000", "−5", "0" ("+1,000" in English).
std::string FormatChange(int64_t delta, Language language = Language::Polish);
// A signed amount of money: "+828 zł", "−1 000 zł" ("+PLN 828" in English).
std::string FormatMoneyChange(int64_t delta, Language language = Language::Polish);

// One change with its name, in the words of the translation installed and
// the numbers of the language: "Kasa +828 zł", "Budki −1".
std::string CashChange(int64_t delta, Language language = Language::Polish);
std::string KindChange(int kind, int64_t delta, Language language = Language::Polish);

// What an action changed, the most important first: "Kasa +828 zł",
// "Opinia −1", "SDI +1", "Sprawy +2".
std::vector<std::string> DescribeEffects(const Effects& effects, Language language = Language::Polish);

// The parts joined the way the feedback line shows them.
std::string JoinChanges(const std::vector<std::string>& parts);

// The feedback line's words for a report: what changed, "Bez zmian", or
// after a press on the map what Tak would do ("Po Tak: …").
QString TellReport(const ActionReport& report, Language language);

// The log's entry for a report that changed something: what was done, then
// what it changed ("Tak: Kasa +828 zł · SDI +1", "Dzień: …"). Empty for a
// press on the map (it changes nothing yet) and for a change of nothing.
QString LogEntry(const ActionReport& report, Language language);

// A log's entry under the game date it was made on: "27.01, rok 1 — Tak: …".
QString DatedEntry(int32_t day, const QString& entry);

}  // namespace dzwonex
