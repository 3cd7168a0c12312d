#pragma once

#include <optional>
#include <string>

// Where a dialog's exchange stopped: the control to give the focus to, and the message.
struct CExchangeFailure {
    int nControl;
    std::string strMessage;
};

// Reads text as a double in min .. max; on failure describes it for control nControl.
std::optional<CExchangeFailure> ExchangeDouble(int nControl, const std::string& text, double min,
    double max, double& value);
// Reads text as a double greater than lowerLimit and at most max; on failure describes it
// for control nControl.
std::optional<CExchangeFailure> ExchangeDoubleAbove(int nControl, const std::string& text, double lowerLimit,
    double max, double& value);
// Reads text as an int in min .. max; on failure describes it for control nControl.
std::optional<CExchangeFailure> ExchangeInt(int nControl, const std::string& text, int min, int max,
    int& value);
