#pragma once
// Reading a JSON document into typed values, each fault named by the field
// it lies in: "cases.list[3].param is not a number". Structs are read by
// their from_json (the library's way) through Take; whole numbers, reals
// and texts by the leaves below, with the saved game's wording.
#include <concepts>
#include <cstdint>
#include <set>
#include <string>
#include <type_traits>
#include <utility>
#include <vector>

#include <nlohmann/json.hpp>

namespace dzwonex::fields {

using Json = nlohmann::json;

// What is wrong, and where: the path grows as the fault leaves each field.
struct Fault {
    std::string path, what;
    Fault& In(const std::string& step) {
        path = step + (path.empty() || path[0] == '[' ? "" : ".") + path;
        return *this;
    }
    std::string Message() const { return path.empty() ? what : path + " " + what; }
};

[[noreturn]] inline void Wrong(const std::string& what) { throw Fault{"", what}; }

inline std::string At(size_t i) { return "[" + std::to_string(i) + "]"; }

// Runs `read`; its fault lies in `step` (a text, or the index of an
// element), which is spelt out only for a fault.
template <typename Step, typename F>
auto Within(const Step& step, F&& read) {
    try {
        return read();
    } catch (Fault& f) {
        if constexpr (std::is_integral_v<Step>)
            throw f.In(At(step));
        else
            throw f.In(step);
    }
}

// The value itself, to be read later.
inline void Take(const Json& j, const Json*& out) { out = &j; }

template <std::integral T>
void Take(const Json& j, T& out) {
    if (j.is_number_float() || (j.is_number_unsigned() && !std::in_range<int64_t>(j.get<uint64_t>())))
        Wrong("is not a whole number of the right size");
    if (!j.is_number()) Wrong("is not a number");
    const auto v = j.get<int64_t>();
    if (!std::in_range<T>(v)) Wrong("is out of range (" + std::to_string(v) + ")");
    out = static_cast<T>(v);
}

inline void Take(const Json& j, double& out) {
    if (!j.is_number()) Wrong("is not a number");
    out = j.get<double>();
}

// A struct, through the library and its from_json.
template <typename T>
void Take(const Json& j, T& out) {
    j.get_to(out);
}

template <typename T>
std::vector<T> List(const Json& j) {
    if (!j.is_array()) Wrong("is not a list");
    std::vector<T> out(j.size());
    for (size_t i = 0; i < j.size(); ++i) Within(i, [&] { Take(j[i], out[i]); });
    return out;
}

// A text, or the list of its bytes when it is not UTF-8.
inline void Take(const Json& j, std::string& out) {
    if (j.is_string()) return j.get_to(out), void();
    if (!j.is_array()) Wrong("is not a text");
    const std::vector<int64_t> bytes = List<int64_t>(j);
    for (size_t i = 0; i < bytes.size(); ++i)
        if (bytes[i] < 0 || bytes[i] > 255) throw Fault{At(i), "is not a byte (0..255)"};
    out.assign(bytes.begin(), bytes.end());
}

// One object, read field by field; a field left unread is one the format
// does not have.
class Object {
public:
    explicit Object(const Json& j, const char* notObject = "is not an object") : j_(j) {
        if (!j.is_object()) Wrong(notObject);
    }
    bool Has(const char* key) const { return j_.contains(key); }
    // `missing` is the message when the field is not there ("has no
    // title"); by default "KEY is missing".
    template <typename T>
    Object& operator()(const char* key, T& out, const std::string& missing = "") {
        read_.insert(key);
        const auto field = j_.find(key);
        if (field == j_.end()) throw missing.empty() ? Fault{key, "is missing"} : Fault{"", missing};
        Within(key, [&] { Take(*field, out); });
        return *this;
    }
    void End() const {
        for (const auto& [key, value] : j_.items())
            if (!read_.count(key)) throw Fault{key, "is not a field of a saved game"};
    }

private:
    const Json& j_;
    std::set<std::string> read_;
};

}  // namespace dzwonex::fields
