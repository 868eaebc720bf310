// "Najlepsi dyrektorzy": the best terms of each length, and their text.
#include "Records.h"

#include <algorithm>

#include <nlohmann/json.hpp>

namespace dzwonex {

namespace {

using Json = nlohmann::json;

// The table's index for a term length, or kChoices.size().
size_t TableIndex(int32_t years) {
    const auto& choices = Term::kChoices;
    return static_cast<size_t>(std::find(choices.begin(), choices.end(), years) - choices.begin());
}

std::string Cut(std::string text) {
    if (text.size() <= Records::kMaxText) return text;
    size_t end = Records::kMaxText;
    // Not inside a UTF-8 letter.
    while (end > 0 && (static_cast<unsigned char>(text[end]) & 0xC0) == 0x80) --end;
    return text.substr(0, end);
}

// The place a rating takes in a table: after every row rated as high or higher.
size_t PlaceIn(const std::vector<RecordRow>& table, int32_t rating) {
    return static_cast<size_t>(std::upper_bound(table.begin(), table.end(), rating,
                                                [](int32_t r, const RecordRow& row) { return r > row.rating; }) -
                               table.begin());
}

}  // namespace

const std::vector<RecordRow>& Records::Table(int32_t years) const {
    static const std::vector<RecordRow> kNone;
    const size_t i = TableIndex(years);
    return i < tables.size() ? tables[i] : kNone;
}

int32_t Records::PlaceFor(int32_t years, int32_t rating) const {
    if (TableIndex(years) >= tables.size()) return 0;
    const size_t place = PlaceIn(Table(years), rating);
    return place < kRows ? static_cast<int32_t>(place) + 1 : 0;
}

int32_t Records::Enter(int32_t years, RecordRow row) {
    const int32_t place = PlaceFor(years, row.rating);
    if (place == 0) return 0;
    auto& table = tables[TableIndex(years)];
    row.user = Cut(std::move(row.user));
    row.date = Cut(std::move(row.date));
    table.insert(table.begin() + (place - 1), std::move(row));
    if (table.size() > kRows) table.resize(kRows);
    return place;
}

int32_t Records::EnterTerm(const Term& term, const std::string& user, const std::string& date, uint32_t seed) {
    if (term.end != TermEnd::Completed) return 0;
    return Enter(term.years, {user, date, seed, term.finalRating.total});
}

std::string RecordsToJson(const Records& records) {
    Json tables = Json::object();
    for (size_t i = 0; i < records.tables.size(); ++i) {
        Json rows = Json::array();
        for (const RecordRow& row : records.tables[i])
            rows.push_back({{"user", row.user}, {"date", row.date}, {"seed", row.seed}, {"rating", row.rating}});
        tables[std::to_string(Term::kChoices[i])] = std::move(rows);
    }
    return Json{{"version", 1}, {"tables", std::move(tables)}}.dump(2, ' ', false, Json::error_handler_t::replace) +
           "\n";
}

Records RecordsFromJson(const std::string& text) {
    if (text.size() > kMaxRecordsText)
        throw RecordsError("larger than " + std::to_string(kMaxRecordsText / 1024) + " KiB, too large for the records");
    Json doc;
    try {
        doc = Json::parse(text);
    } catch (const Json::exception& e) {
        throw RecordsError(std::string("not JSON: ") + e.what());
    }
    if (!doc.is_object() || !doc.contains("tables") || !doc["tables"].is_object())
        throw RecordsError("no \"tables\" object");
    Records records;
    for (size_t i = 0; i < records.tables.size(); ++i) {
        const std::string key = std::to_string(Term::kChoices[i]);
        const Json* rows = doc["tables"].contains(key) ? &doc["tables"][key] : nullptr;
        if (!rows) continue;
        const std::string where = "the " + key + "-year table";
        if (!rows->is_array()) throw RecordsError(where + " is not a list");
        auto& table = records.tables[i];
        for (size_t r = 0; r < rows->size(); ++r) {
            const Json& row = (*rows)[r];
            const std::string at = "row " + std::to_string(r + 1) + " of " + where;
            if (!row.is_object()) throw RecordsError(at + " is not an object");
            auto text = [&](const char* field) {
                if (!row.contains(field) || !row[field].is_string())
                    throw RecordsError(at + ": \"" + field + "\" is not a text");
                std::string value = row[field].get<std::string>();
                if (value.size() > Records::kMaxText)
                    throw RecordsError(at + ": \"" + field + "\" is longer than 255 bytes");
                return value;
            };
            RecordRow out;
            out.user = text("user");
            out.date = text("date");
            if (!row.contains("seed") || !row["seed"].is_number_unsigned() || row["seed"].get<uint64_t>() > UINT32_MAX)
                throw RecordsError(at + ": \"seed\" is not a whole number from 0 to 4294967295");
            out.seed = row["seed"].get<uint32_t>();
            if (!row.contains("rating") || !row["rating"].is_number_integer() || row["rating"].get<int64_t>() < 0 ||
                row["rating"].get<int64_t>() > Rating::kTotalMaximum)
                throw RecordsError(at + ": \"rating\" is not a whole number from 0 to 1000");
            out.rating = row["rating"].get<int32_t>();
            table.push_back(std::move(out));
        }
        // Best first, the earlier of equals ahead, ten at most.
        std::stable_sort(table.begin(), table.end(),
                         [](const RecordRow& a, const RecordRow& b) { return a.rating > b.rating; });
        if (table.size() > Records::kRows) table.resize(Records::kRows);
    }
    return records;
}

}  // namespace dzwonex
