// Reading coefficient lists: the forms a user brings, the files the exports write, and the
// refusals, each naming the line and column.
#include "CoefficientText.h"
#include "NumberText.h"

#include <gtest/gtest.h>

#include <cstring>
#include <limits>
#include <vector>

namespace {

std::vector<double> read(const std::string& text)
{
    const CRealArray h = ParseCoefficientText(text);
    return std::vector<double>(h.data(), h.data() + h.GetSize());
}

std::string refusal(const std::string& text)
{
    try {
        ParseCoefficientText(text);
    } catch (const CoefficientTextError& e) {
        return e.what();
    }
    return "accepted";
}

}  // namespace

TEST(CoefficientImport, ReadsTheFormsUsersBring)
{
    const struct {
        const char* text;
        std::vector<double> values;
    } cases[] = {
        {"1, 2;3\n 4\t5e-1", {1, 2, 3, 4, 0.5}},
        {"# taps\n// more\n1 /* 2\n 3 */ 4 # 5\r\n", {1, 4}},
        {"1 /*/ 2 */ 3 /**/ 4", {1, 3, 4}},  // the "/" of "/*/" opens, it does not close
        {"index,coefficient\n0,0.5\n1,-0.25\n", {0.5, -0.25}},
        {"n value extra\n0 1.5 9\n1 2.5 9\n", {1.5, 2.5}},
        {"tap; weight\n0; 1e-3\n", {1e-3}},
        {"coefficients\n0.5\n0.25 .125\n", {0.5, 0.25, 0.125}},
        {"double beta[] =\r\n{\t0.5,\t// 0\r\n\t1\t// 1\r\n};\r\n", {0.5, 1}},
        {"static const float h[3] = { 0.5f, -1.5F, +2, };", {0.5, -1.5, 2}},
        {"{ 1, 2 }", {1, 2}},
        {"#define X_SCALE_SHIFT 2\nconst int16_t x[] = {16384, -32768};", {2, -4}},
        {"#define B_TIME_REVERSED 1\nconst q31_t b[B_N] = {1073741824, 0, -536870912};", {-0.25, 0, 0.5}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(read(c.text), c.values) << c.text;
}

TEST(CoefficientImport, RefusalsNameLineAndColumn)
{
    const struct {
        std::string text;
        const char* message;
    } cases[] = {
        {"1 2\n3 x 4\n", "line 2, column 3: \"x\" is not a number"},
        {"1 nan", "line 1, column 3: \"nan\" is not a number"},
        {"0.5 -inf", "line 1, column 5: \"-inf\" is not a number"},
        {"0.5, \xC3\xBC", "line 1, column 6: \"\xC3\xBC\" is not a number"},
        {"# \xC3\xA4\n1 /*\xC3\xB6*/ 0x10", "line 2, column 9: \"0x10\" is not a number"},
        {"1\n1e999", "line 2, column 1: \"1e999\" is out of the range of a double"},
        {"// nothing\n", "line 2, column 1: the text holds no number"},
        {"", "line 1, column 1: the text holds no number"},
        {"index,coefficient\n0,0.5\n1\n", "line 3, column 1: the line holds 1 of the header's 2 columns"},
        {"index,coefficient\n0,0.5,7\n", "line 2, column 7: the line holds more values than the header's 2 columns"},
        {"double h[] = {1, 2", "line 1, column 19: the array is not closed by \"}\""},
        {"double h[4 = {1}", "line 1, column 12: \"=\" where \"]\" was expected"},
        {"{1}; 2", "line 1, column 6: \"2\" after the end of the array"},
        {"{1} {2}", "line 1, column 5: \"{\" after the end of the array"},
        {"1 {2}", "line 1, column 3: \"{\" is not a number"},
        {"1 /* open", "line 1, column 3: the comment \"/*\" is not closed"},
        {"1 /*/ 2", "line 1, column 3: the comment \"/*\" is not closed"},
        {"  #define X_SCALE_SHIFT 2000\n1", "line 1, column 3: the scale shift \"2000\" is not a whole number from 0 to 1024"},
        {"#define X_SCALE_SHIFT 1024\n1", "line 2, column 1: \"1\" times 2^1024 is beyond \u00b11e+100, the largest magnitude a coefficient may have"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(refusal(c.text), c.message) << c.text;
}

TEST(CoefficientImport, TakesAtMost65535Values)
{
    std::string text;
    for (int i = 0; i < kMaxFilterLength; ++i)
        text += "0\n";
    EXPECT_EQ(ParseCoefficientText(text).GetSize(), kMaxFilterLength);
    EXPECT_EQ(refusal(text + "  1\n"), "line 65536, column 3: more than 65535 values");
}

TEST(CoefficientImport, AFirstLineOfMoreNamesThanValuesIsRefusedWhereItPassesThem)
{
    std::string names = "a", row = "0";
    for (int i = 1; i < kMaxFilterLength; ++i) {
        names += ",a";
        row += i + 1 == kMaxFilterLength ? ",0.5" : ",0";
    }
    EXPECT_EQ(read(names + "\n" + row + "\n"), std::vector<double>{0.5});  // the most columns a header may name
    EXPECT_EQ(refusal(names + ",a\n" + row), "line 1, column 131070: the first line holds more than 65535 names");
    std::string words = "a";
    for (int i = 1; i <= kMaxFilterLength; ++i)
        words += " a";
    EXPECT_EQ(refusal(words + "\n1"), "line 1, column 131071: the first line holds more than 65535 names");
}

TEST(CoefficientImport, AMillionBlanksBeforeANumberAreJustBlanks)
{
    EXPECT_EQ(read(std::string(1000000, ' ') + "0.25\n"), std::vector<double>{0.25});
    EXPECT_EQ(refusal(std::string(1000000, '\t') + "x 1"), "line 1, column 1000001: \"x\" is not a number");
}

TEST(CoefficientImport, TheSaveTextArrayReadsBackToItsSixDigits)
{
    CRealArray h(4);
    h[0] = -0.000123456789, h[1] = 1234567.0, h[2] = 0.1, h[3] = 2.0 / 3.0;
    const CRealArray back = ParseCoefficientText(FormatCoefficientText(h));
    ASSERT_EQ(back.GetSize(), 4);
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(back[i], *ParseDouble(FormatGeneral(h[i], 6))) << i;
    EXPECT_EQ(back[0], -0.000123457);
}

// Files as they come from editors, spreadsheets and other programs.
TEST(CoefficientImport, FilesAsTheyReallyCome)
{
    const struct {
        std::string text;
        std::vector<double> values;
    } taken[] = {
        {"\xEF\xBB\xBF" "0.5\n0.25\n", {0.5, 0.25}},                              // a byte-order mark
        {"\xEF\xBB\xBFindex,coefficient\n0,0.5\n1,0.25\n", {0.5, 0.25}},        // before a CSV header
        {"0,1\n2,3\n", {0, 1, 2, 3}},                                             // pairs on every line
        {"0.5\n0, 1\n", {0.5, 0, 1}},                                             // a blank after the comma
        {"0.1f, -0.3F, 1.0e-3f\n", {static_cast<double>(0.1f), static_cast<double>(-0.3f), static_cast<double>(1.0e-3f)}},
        {"#define X_PADDING_TAPS 1\n#define X_TIME_REVERSED 1\nint16_t x[4] = {0, 3, 2, 1};", {1.0 / 32768, 2.0 / 32768, 3.0 / 32768}},
    };
    for (const auto& c : taken)
        EXPECT_EQ(read(c.text), c.values) << c.text;
    const struct {
        std::string text;
        const char* message;
    } refused[] = {
        {std::string("0.5\n0.2\0 5\n", 11), "binary content at line 2, column 4"},
        {"0.5\n\x01\n", "binary content at line 2, column 1"},
        {"\xEF\xBB\xBF\xFF", "binary content at line 1, column 1"},
        {"0.5\n0,1\n0.25\n", "line 2, column 1: \"0,1\" is ambiguous where every other line holds one number: a decimal "
                             "comma, or two values? Write a decimal point, or a blank after the comma"},
        {"#define X_PADDING_TAPS 1\nint16_t x[2] = {1, 2};", "line 1, column 1: 1 zero taps cannot follow these 2 values"},
        {"#define X_PADDING_TAPS 4\nint16_t x[5] = {0, 0, 0, 0, 1};", "line 1, column 1: the padding \"4\" is not a whole number from 0 to 3"},
    };
    for (const auto& c : refused)
        EXPECT_EQ(refusal(c.text), c.message) << c.text;
}
