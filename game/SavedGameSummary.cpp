// The day and cash of a saved game, for the lists that show many: read from
// the top of the text and no further than those two need.
#include <cstdint>
#include <limits>

#include <nlohmann/json.hpp>

#include "Limits.h"
#include "SavedGame.h"

namespace dzwonex {

namespace {

using Json = nlohmann::json;

// Follows the document's events, keeps the top level's format, version, day
// and cash, and stops the parse once it has them or sees one go wrong.
class SummaryScan : public nlohmann::json_sax<Json> {
public:
    std::optional<SavedGameSummary> Result() const {
        if (!Complete()) return std::nullopt;
        return SavedGameSummary{static_cast<int32_t>(*day_), static_cast<int32_t>(*cash_)};
    }

    bool null() override { return Other(); }
    bool boolean(bool) override { return Other(); }
    bool number_integer(number_integer_t value) override { return Whole(value); }
    bool number_unsigned(number_unsigned_t value) override {
        return Whole(value > static_cast<uint64_t>(INT64_MAX) ? INT64_MAX : static_cast<int64_t>(value));
    }
    bool number_float(number_float_t, const string_t&) override { return Other(); }
    bool string(string_t& value) override {
        if (Top() && key_ == "format") {
            formatOk_ = value == kSavedGameFormatName;
            return formatOk_ && !Complete();
        }
        return Other();
    }
    bool binary(binary_t&) override { return Other(); }
    bool start_object(std::size_t) override { return Open(); }
    bool end_object() override { return Close(); }
    bool start_array(std::size_t) override { return depth_ > 0 && Open(); }
    bool end_array() override { return Close(); }
    bool key(string_t& value) override {
        if (Top()) key_ = value;
        return true;
    }
    bool parse_error(std::size_t, const std::string&, const nlohmann::detail::exception&) override { return false; }

private:
    bool Top() const { return depth_ == 1; }
    bool Complete() const {
        return formatOk_ && version_ && *version_ >= 1 && *version_ <= kSavedGameFormat && day_ && cash_;
    }
    // A value of one of the four that is not what it must be ends the scan.
    bool Mine() const { return key_ == "format" || key_ == "formatVersion" || key_ == "day" || key_ == "cash"; }
    bool Other() { return !(Top() && Mine()); }
    bool Open() {
        if (Top() && Mine()) return false;
        ++depth_;
        return true;
    }
    bool Close() {
        --depth_;
        return depth_ > 0;
    }
    bool Whole(int64_t value) {
        if (!Top()) return true;
        if (key_ == "formatVersion") {
            version_ = value;
        } else if (key_ == "day") {
            if (value < 0 || value > kLastDay) return false;
            day_ = value;
        } else if (key_ == "cash") {
            if (value < std::numeric_limits<int32_t>::min() || value > std::numeric_limits<int32_t>::max())
                return false;
            cash_ = value;
        } else if (key_ == "format") {
            return false;
        }
        return !Complete();
    }

    int depth_ = 0;
    std::string key_;
    bool formatOk_ = false;
    std::optional<int64_t> version_, day_, cash_;
};

}  // namespace

std::optional<SavedGameSummary> SummaryOfSavedGame(std::string_view text) {
    SummaryScan scan;
    Json::sax_parse(text.begin(), text.end(), &scan, nlohmann::detail::input_format_t::json, false);
    return scan.Result();
}

}  // namespace dzwonex
