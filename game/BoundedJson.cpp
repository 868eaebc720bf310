// The document is built from the parser's events, each value put straight
// where it belongs. The library's parser with a callback looks through the
// whole enclosing list or object at the end of every object, so a list of n
// objects took time growing with n²: 160 000 empty objects, 600 KB, took
// seconds.
#include "BoundedJson.h"

#include <utility>
#include <vector>

namespace dzwonex::fields {

namespace {

class Builder : public nlohmann::json_sax<Json> {
public:
    Builder(size_t maxDepth, size_t maxValues, BoundedJson& out)
        : maxDepth_(maxDepth), maxValues_(maxValues), out_(out) {}

    bool null() override { return Add(nullptr); }
    bool boolean(bool value) override { return Add(value); }
    bool number_integer(number_integer_t value) override { return Add(value); }
    bool number_unsigned(number_unsigned_t value) override { return Add(value); }
    bool number_float(number_float_t value, const string_t&) override { return Add(value); }
    bool string(string_t& value) override { return Add(std::move(value)); }
    bool binary(binary_t& value) override { return Add(Json::binary(std::move(value))); }
    bool start_object(std::size_t) override { return Open(Json::object()); }
    bool start_array(std::size_t) override { return Open(Json::array()); }
    bool end_object() override { return Close(); }
    bool end_array() override { return Close(); }

    bool key(string_t& name) override {
        Level& here = levels_.back();
        here.key = name;
        auto [field, fresh] = here.value->get_ref<Json::object_t&>().try_emplace(std::move(name));
        if (!fresh && !out_.twice) out_.twice = Path();
        here.field = &field->second;
        return true;
    }

    bool parse_error(std::size_t, const std::string&, const nlohmann::detail::exception& e) override {
        const std::string what = e.what();
        const size_t tag = what.find("] ");
        out_.notJson = what.substr(tag == std::string::npos ? 0 : tag + 2);
        return Stop(BoundedJson::Stop::NotJson);
    }

private:
    // An open list or object. The value of a list's open element, or of an
    // object's field, is never moved while it is open: nothing is added to
    // the list, and a map keeps its nodes.
    struct Level {
        Json* value = nullptr;
        std::string key;        // the latest field of an object
        Json* field = nullptr;  // and its value
        size_t elements = 0;    // of a list, the open one included
    };

    bool Stop(BoundedJson::Stop why) {
        out_.stop = why;
        return false;
    }

    // The new value's place: the document, the field just named, or the end of the list.
    Json* Put(Json value) {
        if (levels_.empty()) {
            out_.doc = std::move(value);
            return &out_.doc;
        }
        Level& here = levels_.back();
        if (!here.value->is_array()) return &(*here.field = std::move(value));
        ++here.elements;
        auto& list = here.value->get_ref<Json::array_t&>();
        list.push_back(std::move(value));
        return &list.back();
    }

    bool Add(Json value) {
        if (++values_ > maxValues_) return Stop(BoundedJson::Stop::TooLarge);
        Put(std::move(value));
        return true;
    }

    bool Open(Json empty) {
        if (++values_ > maxValues_) return Stop(BoundedJson::Stop::TooLarge);
        if (levels_.size() >= maxDepth_) return Stop(BoundedJson::Stop::TooDeep);
        levels_.emplace_back().value = Put(std::move(empty));
        return true;
    }

    bool Close() {
        levels_.pop_back();
        return true;
    }

    std::string Path() const {
        Fault f;
        for (auto level = levels_.rbegin(); level != levels_.rend(); ++level)
            f.In(level->value->is_array() ? At(level->elements - 1) : level->key);
        return f.path;
    }

    const size_t maxDepth_, maxValues_;
    BoundedJson& out_;
    std::vector<Level> levels_;
    size_t values_ = 0;
};

}  // namespace

BoundedJson ParseBoundedJson(std::string_view text, size_t maxDepth, size_t maxValues) {
    BoundedJson out;
    Builder builder(maxDepth, maxValues, out);
    Json::sax_parse(text.begin(), text.end(), &builder, nlohmann::detail::input_format_t::json, true);
    return out;
}

}  // namespace dzwonex::fields
