#pragma once
// Where the opinion and the quality stand: a band a player can read beside
// each figure, from what the daily rules do at that level, and which way
// the figure went over the last 30 days. Read only; nothing here draws.
#include <cstdint>

#include "History.h"

namespace dzwonex {

// The opinion, as shown (rounded), its edges read from the rules
// (Leaving.h) with quality 0 and few lines:
//  below 0   poor:    phone lines leave on average, abuse letters come,
//                     envelopes rather than plain applications;
//  0 to 4    average: the phone lines barely move, SDI and Neostrada
//                     lines leave unless the quality makes up the rest;
//  5 to 20   good:    a few new phone lines a week, ISDN lines leave less
//                     the nearer it is to 20;
//  above 20  high:    two new phone lines a day and more, and the repairs
//                     grow with the square of the lines.
enum class OpinionBand { Poor, Average, Good, High };
OpinionBand BandOfOpinion(double opinion);

// The quality, as shown (rounded):
//  below -20  worn:   SDI and Neostrada lines leave unless the opinion
//                     makes up the rest (opinion + quality below 5);
//  -20 to -1  low:    cheaper equipment, fewer Polpak-T applications;
//  0 to 50    good;
//  above 50   costly: 100 zł a day for each point, and ISDN lines leave
//                     unless the opinion stands 20 above the quality.
enum class QualityBand { Worn, Low, Good, Costly };
QualityBand BandOfQuality(double quality);

// The change of a figure's shown value over the last 30 days: today's value
// against the one of the history's latest sample at least 30 days old (the
// game's first sample while the game is younger). Zero without a sample.
enum class Trend { Down, Steady, Up };
inline constexpr int32_t kTrendDays = 30;
int64_t OpinionChange(const History& history, int32_t today, double opinion);
int64_t QualityChange(const History& history, int32_t today, double quality);
// The same for the count of subscriber kind 1..6.
int64_t CountChange(const History& history, int32_t today, int32_t kind, int32_t count);
Trend TrendOf(int64_t change);

}  // namespace dzwonex
