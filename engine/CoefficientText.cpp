#include "CoefficientText.h"

#include "DataExchange.h"

#include <regex>
#include <sstream>
#include <vector>

std::string FormatCoefficientText(const CRealArray& coefficients)
{
    const int n = coefficients.GetSize();
    if (n < 1)
        throw std::invalid_argument("there are no coefficients to write");
    std::string text = "double beta[] =\r\n{";
    for (int i = 0; i < n - 1; ++i)
        text += "\t" + FormatGeneral(coefficients[i], 6) + ",\t// " + std::to_string(i) + "\r\n";
    text += "\t" + FormatGeneral(coefficients[n - 1], 6) + "\t// " + std::to_string(n - 1) + "\r\n};\r\n";
    return text;
}

namespace {

// A line with its comment removed and the C declaration around the numbers blanked out.
std::string numbersOf(const std::string& line)
{
    static const std::regex declaration(R"(^\s*double\s+[A-Za-z_]\w*\s*\[\s*\]\s*=)");
    std::string s = line.substr(0, line.find("//"));
    s = std::regex_replace(s, declaration, " ");
    for (char& c : s)
        if (c == ',' || c == '{' || c == '}' || c == ';' || c == '\r')
            c = ' ';
    return s;
}

}  // namespace

CRealArray ParseCoefficientText(const std::string& text)
{
    std::vector<double> values;
    std::istringstream lines(text);
    std::string line, word;
    for (int number = 1; std::getline(lines, line); ++number) {
        std::istringstream words(numbersOf(line));
        while (words >> word) {
            const std::optional<double> value = ParseDouble(word);
            if (!value)
                throw CoefficientTextError("line " + std::to_string(number) + ": \"" + word
                    + "\" is not a finite number");
            values.push_back(*value);
        }
    }
    if (values.empty())
        throw CoefficientTextError("no coefficients found");
    CRealArray coefficients(static_cast<int>(values.size()));
    std::copy(values.begin(), values.end(), coefficients.data());
    return coefficients;
}
