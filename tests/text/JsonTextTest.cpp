// JSON written from values: the text worked out by hand, numbers that read back exactly.
#include "JsonText.h"

#include <gtest/gtest.h>

#include <charconv>
#include <cmath>
#include <limits>

TEST(JsonText, WritesNestedValuesInOrderWithEscapesAndNullForNonFinite)
{
    text::CJson list = text::CJson::Array();
    list.Add(1).Add(-0.0).Add(NAN).Add(true).Add(nullptr);
    text::CJson o = text::CJson::Object();
    o.Set("z", "a\"b\\c\n\x01").Set("a", list).Set("empty", text::CJson::Object()).Set("z", "again");
    EXPECT_EQ(o.Text(), "{\n  \"z\": \"again\",\n  \"a\": [\n    1,\n    -0.0,\n    null,\n    true,\n    null\n  ],\n"
                        "  \"empty\": {}\n}\n");
    EXPECT_EQ(text::CJson("a\"b\\c\n\x01").Text(), "\"a\\\"b\\\\c\\u000a\\u0001\"\n");
    EXPECT_EQ(text::CJson(std::numeric_limits<double>::infinity()).Text(), "null\n");
    EXPECT_THROW(list.Set("k", 1), std::logic_error);
}

TEST(JsonText, NumbersAreTheShortestTextThatReadsBackExactly)
{
    for (double value : {0.1, -2.0 / 3.0, 4.9406564584124654e-324, 1.7976931348623157e308, 1e100, 123456789.0}) {
        const std::string text = text::CJson(value).Text();
        double back = 0.0;
        std::from_chars(text.data(), text.data() + text.size() - 1, back);
        EXPECT_EQ(back, value) << text;
    }
    EXPECT_EQ(text::CJson(0.1).Text(), "0.1\n");
    EXPECT_EQ(text::CJson(1e100).Text(), "1e+100\n");
}
