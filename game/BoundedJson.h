#pragma once
// A JSON text parsed into a document in time that grows with the text's
// length, within bounds set by the caller: deeper nesting or more values
// stop the parse at once. A field given twice is noted with its path.
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "JsonFields.h"

namespace dzwonex::fields {

struct BoundedJson {
    enum class Stop { None, NotJson, TooDeep, TooLarge };
    // As far as the parse went: whole when `stop` is None, else what was
    // read before the fault (a field read twice holds its later value).
    Json doc;
    Stop stop = Stop::None;
    // For NotJson: the parser's message, without the library's
    // "[json.exception.parse_error.101] ".
    std::string notJson;
    // "cases.list[0].kind": the first field given twice.
    std::optional<std::string> twice;
};

// `maxDepth` is the number of lists and objects that may be open at once,
// `maxValues` the number of values (lists and objects included).
BoundedJson ParseBoundedJson(std::string_view text, size_t maxDepth, size_t maxValues);

}  // namespace dzwonex::fields
