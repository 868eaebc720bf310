// A snapshot as a saved game's text: a field a line, each subscriber list
// and each case on one line, so the file stays small and a person can
// still read it. The library writes every string and real; the layout is ours.
#include <charconv>
#include <cmath>
#include <unordered_map>

#include <nlohmann/json.hpp>

#include "SavedGame.h"

#ifndef DZWONEX_VERSION
#define DZWONEX_VERSION "unknown"
#endif

namespace dzwonex {

namespace {

using Json = nlohmann::json;

void PutInt(std::string& out, int64_t value) {
    char digits[24];
    const auto end = std::to_chars(digits, digits + sizeof digits, value).ptr;
    out.append(digits, end);
}

// A text as a JSON string; one that is not UTF-8 (a user name can be
// anything) as the array of its bytes, so that every byte comes back.
void PutText(std::string& out, const std::string& text) {
    try {
        out += Json(text).dump();
    } catch (const Json::type_error&) {
        out += '[';
        for (size_t i = 0; i < text.size(); ++i) {
            if (i) out += ',';
            PutInt(out, static_cast<unsigned char>(text[i]));
        }
        out += ']';
    }
}

// The shortest digits that read back as the same double.
void PutReal(std::string& out, const char* what, double value) {
    if (!std::isfinite(value))
        throw SavedGameError(std::string("The game cannot be saved: its ") + what + " is not a finite number.");
    out += Json(value).dump();
}

void PutPoints(std::string& out, const std::vector<PointSnapshot>& points) {
    out += "\"count\": ";
    PutInt(out, static_cast<int64_t>(points.size()));
    out += ", \"points\": [";
    for (size_t i = 0; i < points.size(); ++i) {
        out += i ? ",[" : "[";
        PutInt(out, points[i].x);
        out += ',';
        PutInt(out, points[i].y);
        out += ']';
    }
    out += ']';
}

}  // namespace

std::string SavedGameText(const CompanySnapshot& s) {
    // Departed points are listed once, numbered in the order cases first name them.
    std::unordered_map<int32_t, int32_t> departedNumber;
    std::vector<PointSnapshot> departed;
    for (const CaseSnapshot& c : s.cases) {
        if (c.subject && !c.subject->listed && departedNumber.emplace(c.subject->index, departed.size()).second)
            departed.push_back({c.subject->x, c.subject->y});
    }

    std::string out;
    size_t points = 0;
    for (const auto& list : s.subscribers) points += list.size();
    out.reserve(1024 + points * 12 + s.cases.size() * 400);

    out += "{\n  \"format\": \"Dzwonex saved game\",\n  \"formatVersion\": ";
    PutInt(out, kSavedGameFormat);
    out += ",\n  \"gameVersion\": ";
    PutText(out, DZWONEX_VERSION);
    out += ",\n  \"day\": ";
    PutInt(out, s.day);
    out += ",\n  \"cash\": ";
    PutInt(out, s.cash);
    out += ",\n  \"opinion\": ";
    PutReal(out, "opinion", s.opinion);
    out += ",\n  \"quality\": ";
    PutReal(out, "quality", s.quality);
    out += ",\n  \"banner\": ";
    PutInt(out, s.bannerIndex);
    out += ",\n  \"speed\": ";
    PutInt(out, s.speed);
    out += ",\n  \"generator\": ";
    PutInt(out, s.generator);
    out += ",\n  \"userName\": ";
    PutText(out, s.userName);
    out += ",\n  \"lastDay\": {\"income\": ";
    PutInt(out, s.lastDay.income);
    out += ", \"staff\": ";
    PutInt(out, s.lastDay.staff);
    out += ", \"repairs\": ";
    PutInt(out, s.lastDay.repairs);
    out += ", \"equipment\": ";
    PutInt(out, s.lastDay.equipment);
    out += "},\n  \"subscribers\": [";
    for (int k = 1; k <= kKindCount; ++k) {
        out += k > 1 ? ",\n    {\"kind\": " : "\n    {\"kind\": ";
        PutInt(out, k);
        out += ", ";
        PutPoints(out, s.subscribers[static_cast<size_t>(k - 1)]);
        out += '}';
    }
    out += "\n  ],\n  \"departed\": {";
    PutPoints(out, departed);
    out += "},\n  \"cases\": {\"count\": ";
    PutInt(out, static_cast<int64_t>(s.cases.size()));
    out += ", \"list\": [";
    for (size_t i = 0; i < s.cases.size(); ++i) {
        const CaseSnapshot& c = s.cases[i];
        out += i ? ",\n    {\"kind\": " : "\n    {\"kind\": ";
        PutInt(out, c.kind);
        out += ", \"param\": ";
        PutInt(out, c.param);
        out += ", \"param2\": ";
        PutInt(out, c.param2);
        out += ", \"title\": ";
        PutText(out, c.title);
        out += ", \"body\": ";
        PutText(out, c.body);
        out += ", \"subject\": ";
        if (!c.subject) {
            out += "null";
        } else if (c.subject->listed) {
            out += "{\"kind\": ";
            PutInt(out, c.subject->kind);
            out += ", \"index\": ";
            PutInt(out, c.subject->index);
            out += '}';
        } else {
            out += "{\"departed\": ";
            PutInt(out, departedNumber.at(c.subject->index));
            out += '}';
        }
        out += '}';
    }
    out += s.cases.empty() ? "]}\n}\n" : "\n  ]}\n}\n";
    return out;
}

}  // namespace dzwonex
