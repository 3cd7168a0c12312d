#include "CoefficientTokens.h"

#include "CoefficientText.h"
#include "Message.h"

#include <algorithm>

namespace detail {

bool endsStray(char c)
{
    return isBlank(c) || isSeparator(c) || c == '\n' || std::string_view("{}[]=").find(c) != std::string_view::npos;
}

bool endsWith(std::string_view s, std::string_view tail)
{
    return s.size() >= tail.size() && s.substr(s.size() - tail.size()) == tail;
}

bool equalsIgnoringCase(std::string_view s, std::string_view word)
{
    const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; };
    return s.size() == word.size() && std::equal(s.begin(), s.end(), word.begin(), [&](char a, char b) { return lower(a) == b; });
}

std::string quoted(std::string_view token)
{
    constexpr size_t kShown = 40;
    return "\"" + std::string(token.substr(0, kShown)) + (token.size() > kShown ? "...\"" : "\"");
}

std::vector<std::string_view> firstWords(std::string_view line, size_t count)
{
    std::vector<std::string_view> words;
    size_t i = 0;
    while (i < line.size() && words.size() < count) {
        while (i < line.size() && isBlank(line[i]))
            ++i;
        const size_t start = i;
        while (i < line.size() && !isBlank(line[i]))
            ++i;
        if (i > start)
            words.push_back(line.substr(start, i - start));
    }
    return words;
}

void failBinary(const CPlace& place)
{
    throw CoefficientTextError(
        text::Tr("CoefficientParser", "binary content at line %1, column %2").arg(place.nLine).arg(place.nColumn));
}

CPlace placeOf(std::string_view text, size_t pos)
{
    const size_t lineStart = pos == 0 ? 0 : text.find_last_of('\n', pos - 1) + 1;  // npos + 1 is 0
    CPlace place{static_cast<int>(std::count(text.begin(), text.begin() + static_cast<long>(pos), '\n')) + 1, 1};
    for (size_t i = lineStart; i < pos; ++i)
        place.nColumn += (static_cast<unsigned char>(text[i]) & 0xC0) != 0x80 ? 1 : 0;
    return place;
}

void failAt(const CPlace& place, const std::string& message)
{
    throw CoefficientTextError(
        text::Tr("CoefficientParser", "line %1, column %2: %3").arg(place.nLine).arg(place.nColumn).arg(message));
}

}  // namespace detail
