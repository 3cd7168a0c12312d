#include "CoefficientText.h"

#include <gtest/gtest.h>
#include <stdexcept>

TEST(CoefficientText, WritesTheCArrayByteForByte)
{
    CRealArray h(3);
    h[0] = 0.5, h[1] = 1.0, h[2] = 0.25;
    const std::string text = FormatCoefficientText(h);
    EXPECT_EQ(text, "double beta[] =\r\n{\t0.5,\t// 0\r\n\t1,\t// 1\r\n\t0.25\t// 2\r\n};\r\n");
    EXPECT_EQ(text.size(), 56u);
    CRealArray one(1);
    one[0] = 0.5;
    EXPECT_EQ(FormatCoefficientText(one), "double beta[] =\r\n{\t0.5\t// 0\r\n};\r\n");
    EXPECT_EQ(FormatCoefficientText(one).size(), 33u);
    CRealArray odd(2);
    odd[0] = -0.000123456789, odd[1] = 1234567.0;
    EXPECT_EQ(FormatCoefficientText(odd), "double beta[] =\r\n{\t-0.000123457,\t// 0\r\n\t1.23457e+06\t// 1\r\n};\r\n");
    EXPECT_THROW(FormatCoefficientText(CRealArray(0)), std::invalid_argument);
}

TEST(CoefficientText, ReadsNumbersAndItsOwnOutputBack)
{
    CRealArray h(3);
    h[0] = -1.5e-7, h[1] = 0.125, h[2] = 3.0;
    const CRealArray back = ParseCoefficientText(FormatCoefficientText(h));
    ASSERT_EQ(back.GetSize(), 3);
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(back[i], h[i]);
    const CRealArray plain = ParseCoefficientText("1, 2,3\n 4\t5e-1\n");
    ASSERT_EQ(plain.GetSize(), 5);
    EXPECT_EQ(plain[4], 0.5);
    try {
        ParseCoefficientText("1 2\n3 x 4\n");
        FAIL() << "a word that is not a number was taken";
    } catch (const CoefficientTextError& e) {
        EXPECT_STREQ(e.what(), "line 2, column 3: \"x\" is not a number");
    }
    EXPECT_THROW(ParseCoefficientText("// nothing\n"), CoefficientTextError);
    EXPECT_THROW(ParseCoefficientText("1 nan"), CoefficientTextError);
}
