#include "Message.h"

#include <gtest/gtest.h>

#include <cstring>

namespace {

using text::CMessage;
using text::Tr;

// Installs a translator that knows a few texts, for the test's lifetime.
class TranslatedTexts : public ::testing::Test {
protected:
    void SetUp() override
    {
        text::SetTranslator([](const char* context, const char* source) -> std::string {
            if (std::strcmp(context, "Test") != 0)
                return source;
            if (std::strcmp(source, "cannot open \"%1\": %2") == 0)
                return "「%1」を開けません: %2";
            if (std::strcmp(source, "it is a folder") == 0)
                return "フォルダです";
            if (std::strcmp(source, "%1 of %2") == 0)
                return "%2 の %1";
            return source;
        });
    }
    void TearDown() override { text::SetTranslator({}); }
};

TEST(Message, FillsPlaceholdersInOnePassInEnglish)
{
    EXPECT_EQ(Tr("Test", "line %1, column %2: %3").arg(3).arg(size_t{14}).arg("x").str(), "line 3, column 14: x");
    // An argument that holds a placeholder is shown as it is, never filled again.
    EXPECT_EQ(Tr("Test", "%1 and %2").arg("%2").arg("b").str(), "%2 and b");
    // A placeholder without an argument, or a percent sign before anything else, stays.
    EXPECT_EQ(Tr("Test", "%1% above %2").arg(5).str(), "5% above %2");
    EXPECT_EQ(Tr("Test", "100%").str(), "100%");
    const std::string converted = Tr("Test", "%1 taps").arg(-7);
    EXPECT_EQ(converted, "-7 taps");
}

TEST_F(TranslatedTexts, TranslatesEveryNestedTextButNotTheValues)
{
    const CMessage message
        = Tr("Test", "cannot open \"%1\": %2").arg("it is a folder").arg(Tr("Test", "it is a folder"));
    EXPECT_EQ(message.str(), "「it is a folder」を開けません: フォルダです");
    EXPECT_EQ(std::string(message), message.str());
    EXPECT_EQ(message.English(), "cannot open \"it is a folder\": it is a folder");
    // A translation may put the arguments in another order.
    EXPECT_EQ(Tr("Test", "%1 of %2").arg("element 3").arg("the coefficients").str(), "the coefficients の element 3");
    EXPECT_EQ(Tr("Other", "it is a folder").str(), "it is a folder");
}

}  // namespace
