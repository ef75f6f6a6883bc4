#include "core/app/command_line.h"

#include <gtest/gtest.h>

using kefelo::app::CommandLine;
using kefelo::app::splitCommandLine;

TEST(SplitCommandLine, DropsTheProgramAndKeepsQuotedBlanks) {
    EXPECT_EQ(splitCommandLine(R"("C:\Program Files\Kefelo\kefelo.exe" /a "C:\My Temp")"),
              (std::vector<std::string>{"/a", "C:\\My Temp"}));
    EXPECT_TRUE(splitCommandLine("kefelo.exe").empty());
    EXPECT_TRUE(splitCommandLine("").empty());
}

TEST(SplitCommandLine, BackslashBeforeAQuoteIsPartOfThePath) {
    // Explorer passes a drive root as "C:\"; the quote must not be escaped by it.
    EXPECT_EQ(splitCommandLine(R"(kefelo.exe "C:\" next)"), (std::vector<std::string>{"C:\\", "next"}));
}

TEST(SplitCommandLine, TabsAndRunsOfBlanksSeparate) {
    EXPECT_EQ(splitCommandLine("k.exe \t /a   b\"c d\"e  "), (std::vector<std::string>{"/a", "bc de"}));
}

TEST(CommandLine, JoinedStringHasATrailingBlankAfterEveryParameter) {
    CommandLine none;
    EXPECT_EQ(none.joined(), "");
    EXPECT_EQ(none.first(), "");

    CommandLine two({"/a", "C:\\Temp"});
    EXPECT_EQ(two.joined(), "/a C:\\Temp ");
    EXPECT_EQ(two.first(), "/a");
}

TEST(CommandLine, FirstParameterSwitchesIgnoreLetterCaseButMatchWhole) {
    CommandLine upperA({"/A"});
    EXPECT_TRUE(upperA.isAutoStart());
    EXPECT_FALSE(upperA.isAutoRun());
    EXPECT_TRUE(upperA.isAutomatic());

    CommandLine autoRun({"/AutoRun"});
    EXPECT_TRUE(autoRun.isAutoRun());
    EXPECT_FALSE(autoRun.isAutoStart());
    EXPECT_TRUE(autoRun.isAutomatic());

    EXPECT_TRUE(CommandLine({"/UPDATE"}).isUpdate());
    EXPECT_FALSE(CommandLine({"/ab"}).isAutoStart());
    EXPECT_FALSE(CommandLine({"a"}).isAutoStart());
    // Only the first parameter selects a mode.
    EXPECT_FALSE(CommandLine({"x", "/a"}).isAutoStart());
    EXPECT_FALSE(CommandLine({"\\a"}).isAutoStart());
}

TEST(HasSwitch, MatchesAPrefixAfterEitherSlashAnywhere) {
    CommandLine autoRun({"/autorun"});
    EXPECT_TRUE(autoRun.HasSwitch("a"));
    EXPECT_TRUE(autoRun.HasSwitch("autorun"));
    EXPECT_FALSE(autoRun.HasSwitch("autorunx"));

    CommandLine backslash({"C:\\apps"});
    EXPECT_TRUE(backslash.HasSwitch("a"));
    EXPECT_FALSE(backslash.HasSwitch("b"));

    // "updaterun" behind another parameter, in any letter case.
    CommandLine update({"C:\\Temp", "/UpdateRun"});
    EXPECT_TRUE(update.HasSwitch("updaterun"));
    EXPECT_TRUE(update.HasSwitch("UPDATERUN"));
    EXPECT_FALSE(CommandLine({"updaterun"}).HasSwitch("updaterun"));
}

TEST(HasSwitch, EmptyNameMeansNoParametersOrAnySlash) {
    EXPECT_TRUE(CommandLine().HasSwitch(""));
    EXPECT_TRUE(CommandLine({"C:\\Temp"}).HasSwitch(""));
    EXPECT_TRUE(CommandLine({"x/y"}).HasSwitch(""));
    EXPECT_FALSE(CommandLine({"plain"}).HasSwitch(""));
    // A single empty parameter is still a parameter.
    EXPECT_FALSE(CommandLine({""}).HasSwitch(""));
}

TEST(HasSwitch, LowerCasesAsciiOnly) {
    // Accented capitals stay as they are, so they do not match their small forms.
    EXPECT_FALSE(CommandLine({"/Ádám"}).HasSwitch("ádám"));
    EXPECT_TRUE(CommandLine({"/Ádám"}).HasSwitch("Ádám"));
}
