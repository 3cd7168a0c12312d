#include "NumberText.h"

#include <gtest/gtest.h>

TEST(NumberText, AcceptsDecimalAndExponentNotationOnly)
{
    const struct {
        const char* text;
        bool valid;
        double value;
    } cases[] = {
        {"0.25", true, 0.25}, {" 60 ", true, 60}, {"+1", true, 1}, {"-0.5", true, -0.5}, {".5", true, 0.5},
        {"1e-3", true, 1e-3}, {"2E+2", true, 200}, {"nan", false, 0}, {"inf", false, 0}, {"-inf", false, 0},
        {"1e999", false, 0}, {"", false, 0}, {"-", false, 0}, {"1e", false, 0}, {"0x10", false, 0},
        {"1,5", false, 0}, {"1.2.3", false, 0}, {"+-1", false, 0}, {"12abc", false, 0},
    };
    for (const auto& c : cases) {
        const auto parsed = ParseDouble(c.text);
        EXPECT_EQ(parsed.has_value(), c.valid) << '"' << c.text << '"';
        if (parsed && c.valid) {
            EXPECT_EQ(*parsed, c.value) << c.text;
        }
    }
    EXPECT_EQ(ParseInt(" -12 "), -12);
    EXPECT_FALSE(ParseInt("1.5"));
    EXPECT_FALSE(ParseInt("99999999999"));
    EXPECT_EQ(FormatDouble(0.1 + 0.2), "0.3");
    EXPECT_EQ(FormatDouble(60.0), "60");
    EXPECT_EQ(FormatDouble(1e-5), "1e-05");
}
