#pragma once

// The characters and tokens of coefficient text, as the coefficient parser reads them.

#include <string>
#include <string_view>
#include <vector>

namespace detail {

inline bool isDigit(char c) { return c >= '0' && c <= '9'; }
inline bool isWordStart(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || c == '_'; }
inline bool isWordChar(char c) { return isWordStart(c) || isDigit(c); }
inline bool isNumberChar(char c) { return isWordChar(c) || c == '.' || c == '+' || c == '-'; }
inline bool isBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\f' || c == '\v'; }
inline bool isSeparator(char c) { return c == ',' || c == ';'; }
// A byte no text holds: a control character other than blanks and line ends, DEL, or a
// byte that never occurs in UTF-8.
inline bool isBinary(char c)
{
    const unsigned char b = static_cast<unsigned char>(c);
    return (b < 0x20 && !isBlank(c) && c != '\n') || b == 0x7F || b == 0xC0 || b == 0xC1 || b >= 0xF5;
}
// The length of the UTF-8 byte-order mark text begins with: 3, or 0 when it has none.
inline size_t byteOrderMarkLength(std::string_view text) { return text.substr(0, 3) == "\xEF\xBB\xBF" ? 3 : 0; }
// The characters that end a piece of stray text.
bool endsStray(char c);
bool endsWith(std::string_view s, std::string_view tail);
// True when s and word (lower case) are equal but for the case of ASCII letters.
bool equalsIgnoringCase(std::string_view s, std::string_view word);
// A token in quotes, shortened when long, for a message.
std::string quoted(std::string_view token);
// The first count blank-separated words of a line (fewer when it has fewer).
std::vector<std::string_view> firstWords(std::string_view line, size_t count);

// A place in the text; line and column counted from 1, the column in characters.
struct CPlace {
    int nLine = 1;
    int nColumn = 1;
};

// The failure of a text at place: CoefficientTextError with "line L, column C: message".
[[noreturn]] void failAt(const CPlace& place, const std::string& message);
// The failure of a text holding a byte isBinary finds: "binary content at line L, column C".
[[noreturn]] void failBinary(const CPlace& place);
// The place of text[pos], counted as CPlace counts it.
CPlace placeOf(std::string_view text, size_t pos);

}  // namespace detail
