#include "NumberText.h"

#include <cctype>
#include <charconv>
#include <cmath>

namespace {

std::string trimmed(const std::string& text)
{
    const auto isBlank = [](char c) { return std::isspace(static_cast<unsigned char>(c)) != 0; };
    size_t begin = 0, end = text.size();
    while (begin < end && isBlank(text[begin]))
        ++begin;
    while (end > begin && isBlank(text[end - 1]))
        --end;
    return text.substr(begin, end - begin);
}

// from_chars accepts no leading '+'; strip it when a digit or point follows.
std::string withoutPlus(const std::string& text)
{
    return text.size() > 1 && text[0] == '+' && text[1] != '-' ? text.substr(1) : text;
}

bool isDecimalNumber(const std::string& text)
{
    // from_chars also takes "inf", "nan" and hexadecimal forms; allow only these characters.
    return !text.empty() && text.find_first_not_of("0123456789.eE+-") == std::string::npos;
}

}  // namespace

std::optional<double> ParseDouble(const std::string& text)
{
    const std::string s = withoutPlus(trimmed(text));
    if (!isDecimalNumber(s))
        return std::nullopt;
    double value = 0.0;
    const auto [end, error] = std::from_chars(s.data(), s.data() + s.size(), value);
    if (error != std::errc() || end != s.data() + s.size() || !std::isfinite(value))
        return std::nullopt;
    return value;
}

std::optional<int> ParseInt(const std::string& text)
{
    const std::string s = withoutPlus(trimmed(text));
    int value = 0;
    const auto [end, error] = std::from_chars(s.data(), s.data() + s.size(), value);
    if (s.empty() || error != std::errc() || end != s.data() + s.size())
        return std::nullopt;
    return value;
}

std::string FormatGeneral(double value, int precision)
{
    char buffer[64];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value,
        std::chars_format::general, precision);
    return std::string(buffer, result.ptr);
}

std::string FormatDouble(double value) { return FormatGeneral(value, 15); }

std::string FormatInt(int value) { return std::to_string(value); }
