#include "CoefficientText.h"

#include "NumberText.h"

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
