#pragma once
// Text from outside (a file name above all) made safe for a one-line message or a JSON string: a newline
// or another control character, or bytes that are no UTF-8, must not break the line or the document.

#include <string>
#include <string_view>

namespace kx {

// `text` with control characters (DEL included) and bytes that are not part of valid UTF-8 written as
// \xNN; everything else, a backslash too, as it is.
std::string PrintableText(std::string_view text);

// `text` as a quoted JSON string: quotes, backslashes and control characters escaped, and every byte
// that is not part of valid UTF-8 replaced by U+FFFD.
std::string JsonString(std::string_view text);

}  // namespace kx
