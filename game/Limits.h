#pragma once
// The bounds that keep a game, played or loaded, within a known size: no
// day may take unbounded time or memory, and every game the rules can
// reach fits a saved game. Each lies far beyond what fifty game years of
// play reach (tools/MeasureRanges.cpp; the table is in
// docs/saved-game-format.md), where the rules would otherwise grow a value
// without end.
#include <cstddef>
#include <cstdint>

namespace dzwonex {

// The calendar stops on the last day of year 1 000 000: a day is never
// added past it, so the date cannot overflow.
inline constexpr int32_t kLastDay = 1'000'000 * 360 - 1;

// Opinion and quality are held within ±kLevelLimit. Accepting every spy
// report moves them by about 2 000 a year without end (−89 000 and
// +108 000 after 50 years); at a million every drift already runs to the
// caps below.
inline constexpr double kLevelLimit = 1'000'000;

// A kind holds at most this many points; at the cap an addition of the
// kind adds nothing and draws nothing. Where no kind runs away a kind
// stays below 36 000 in 50 years; taking every application and refusing
// spy reports, ISDN reaches the cap in three and a half. 3 million points
// take about 150 MB, and a day at the caps 0.2 s.
inline constexpr int32_t kMaxPointsOfKind = 500'000;

// The inbox holds at most this many cases; an event that would add one to
// a full inbox draws its chance and then nothing more, and a press on the
// map only sounds. Unanswered cases pile up without end, by 500 to 1 600 a
// year; ten thousand are years of letters nobody reads.
inline constexpr size_t kMaxCases = 10'000;

}  // namespace dzwonex
