#pragma once
#include <string>
#include <string_view>

namespace dzwonex::text {

// A text of the game or a file name as a terminal may safely show it:
// line ends and tabs stay, every other control character is written out
// ("\x1b" for ESC and DEL and the other single bytes, "\u009b" for the
// C1 controls), and so is each byte that is not UTF-8. A saved game's
// title can then neither move the cursor, retitle the terminal nor write
// its clipboard; the state line, read by programs, keeps the exact text.
std::string Printable(std::string_view text);

}  // namespace dzwonex::text
