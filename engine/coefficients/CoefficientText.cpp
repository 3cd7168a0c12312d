#include "CoefficientText.h"

#include "Message.h"
#include "NumberText.h"

#include <cmath>

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

std::string CheckCoefficientMagnitudes(const CRealArray& coefficients)
{
    for (int i = 0; i < coefficients.GetSize(); ++i)
        if (!(std::fabs(coefficients[i]) <= kMaxCoefficientMagnitude))
            return text::Tr("CoefficientText", "coefficient %1 is beyond ±%2, the largest magnitude a coefficient may have")
                .arg(i)
                .arg(FormatGeneral(kMaxCoefficientMagnitude, 6));
    return {};
}
