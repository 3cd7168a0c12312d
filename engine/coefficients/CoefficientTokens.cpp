#include "CoefficientTokens.h"

namespace detail {

bool endsStray(char c)
{
    return isBlank(c) || isSeparator(c) || c == '\n' || std::string_view("{}[]=").find(c) != std::string_view::npos;
}

bool endsWith(std::string_view s, std::string_view tail)
{
    return s.size() >= tail.size() && s.substr(s.size() - tail.size()) == tail;
}

std::string lowered(std::string_view s)
{
    std::string out(s);
    for (char& c : out)
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    return out;
}

std::string quoted(std::string_view token)
{
    constexpr size_t kShown = 40;
    return "\"" + std::string(token.substr(0, kShown)) + (token.size() > kShown ? "...\"" : "\"");
}

std::vector<std::string_view> wordsOf(std::string_view line)
{
    std::vector<std::string_view> words;
    size_t i = 0;
    while (i < line.size()) {
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

}  // namespace detail
