#include "DataExchange.h"

#include "Message.h"
#include "NumberText.h"

std::optional<CExchangeFailure> ExchangeDouble(int nControl, const std::string& text, double min,
    double max, double& value)
{
    const std::optional<double> parsed = ParseDouble(text);
    if (!parsed || *parsed < min || *parsed > max)
        return CExchangeFailure{nControl,
            text::Tr("DataExchange", "Please enter a number between %1 and %2.")
                .arg(FormatGeneral(min, 6))
                .arg(FormatGeneral(max, 6))};
    value = *parsed;
    return std::nullopt;
}

std::optional<CExchangeFailure> ExchangeDoubleAbove(int nControl, const std::string& text, double lowerLimit,
    double max, double& value)
{
    const std::optional<double> parsed = ParseDouble(text);
    if (!parsed || !(*parsed > lowerLimit) || *parsed > max)
        return CExchangeFailure{nControl,
            text::Tr("DataExchange", "Please enter a number greater than %1 and at most %2.")
                .arg(FormatGeneral(lowerLimit, 6))
                .arg(FormatGeneral(max, 6))};
    value = *parsed;
    return std::nullopt;
}

std::optional<CExchangeFailure> ExchangeInt(int nControl, const std::string& text, int min, int max,
    int& value)
{
    const std::optional<int> parsed = ParseInt(text);
    if (!parsed || *parsed < min || *parsed > max)
        return CExchangeFailure{
            nControl, text::Tr("DataExchange", "Please enter an integer between %1 and %2.").arg(min).arg(max)};
    value = *parsed;
    return std::nullopt;
}
