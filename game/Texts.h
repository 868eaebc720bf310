#pragma once
#include <array>
#include <initializer_list>
#include <string>

#include "Language.h"
#include "MilestoneId.h"
#include "Subscribers.h"

namespace dzwonex {

// Every text the company writes, in one language. Lines end in "\r\n".
// The letters' pools are drawn from with one draw each, so every language
// has the same number of variants, in the same order: a draw picks the
// same variant whatever the language. People's names are not here: they
// stay Polish in every language.
struct TextCatalogue {
    Language language;

    // Pieces of letters.
    std::array<const char*, 7> greetings;
    std::array<const char*, 5> motivations;
    std::array<const char*, 3> closings;
    std::array<const char*, 6> companies;   // institutions that sign letters
    std::array<const char*, 4> spyReports;  // what the spies found
    std::array<const char*, 5> insults;
    std::array<const char*, 4> praises;
    const char* envelope;  // "{}" is the money in the envelope

    // Applications and their answers, for SDI, Neostrada and Polpak-T.
    struct Line {
        const char* title;         // of the application
        const char* plainRequest;  // the request of a plain application
        const char* bribeRequest;  // the request of one with an envelope
        const char* spyQuestion;   // asked after a spy report (not for Polpak-T)
        const char* refusalTitle;  // of the letter a refusal sends
        const char* refusal;       // the refusal; the player's name follows
    };
    std::array<Line, 3> lines;

    const char* spyReportTitle;
    const char* raiseTitle;
    const char* raiseNote;
    const char* praiseTitle;
    const char* insultTitle;
    const char* qualityUpTitle;
    const char* qualityUpNote;
    const char* qualityDownTitle;
    const char* qualityDownNote;
    const char* exchangeTitle;
    const char* exchangeNote;
    const char* branchTitle;
    const char* branchNote;
    const char* idleExchangeTitle;
    const char* idleExchangeNote;
    const char* highCostTitle;
    const char* highCostNote;

    // Presses on the map.
    const char* disconnectTitle;
    std::array<const char*, kKindCount> disconnectQuestions;  // by subscriber kind
    const char* boothTitle;
    const char* boothQuestion;

    const char* welcomeTitle;
    const char* welcomeBody;

    // Milestones, by MilestoneId: the name and how it is reached.
    struct Milestone {
        const char* name;
        const char* how;
    };
    std::array<Milestone, kMilestoneCount> milestones;

    // Labels; "{}" are filled in order.
    const char* speedLine;  // the speed
    const char* dateLine;   // year, month, day
    const char* casesTab;   // the number of cases
};

inline constexpr size_t kSdiLine = 0;
inline constexpr size_t kNeostradaLine = 1;
inline constexpr size_t kPolpakLine = 2;

const TextCatalogue& Texts(Language language);

// The pattern with each "{}" replaced by the next of the values, in order.
std::string Fill(const char* pattern, std::initializer_list<std::string> values);

}  // namespace dzwonex
