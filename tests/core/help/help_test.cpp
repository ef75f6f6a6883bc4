#include <gtest/gtest.h>

#include <algorithm>

#include "base/text/codec.h"
#include "core/app/main_pages.h"
#include "core/config/own_types_editor.h"
#include "core/config/type_lists.h"
#include "core/help/help_viewer.h"
#include "core/tools/tool_groups.h"
#include "platform/fake/fake_platform.h"

namespace kefelo::help {
namespace {

using Lines = std::vector<std::string>;

TEST(HelpText, HasTheSixteenTopicsInOrderEachWithText) {
    const HelpViewer viewer;
    const Lines expected = {"Fontos tudnivalók!",           "Alapfogalmak",
                            "Az átmeneti állományok",       "Az alkalmazás főbb funkciói",
                            "A Kefeló első indítása",       "A program által létrehozott állományok",
                            "I.Ablak bemutatása",           "II.Ablak bemutatása",
                            "III. és IV. Ablak bemutatása", "Felhívás!",
                            "Gyakran felmerülő kérdések",   "Verziótörténet",
                            "Hasznos tippek és trükkök",    "Példák a program használatára",
                            "Egyéb megjegyzések",           "A készítő elérhetőségei"};
    EXPECT_EQ(viewer.titles(), expected);
    // Every topic is closed by its own marker, so none runs into the next one.
    const Lines lines = splitLines(builtInHelpText());
    for (const HelpTopic& topic : viewer.topics()) {
        EXPECT_FALSE(topic.lines.empty()) << topic.title;
        EXPECT_EQ(std::count(lines.begin(), lines.end(), "< /" + topic.title + " >"), 1) << topic.title;
        for (const std::string& line : topic.lines) EXPECT_NE(line.rfind('<', 0), 0u) << topic.title << ": " << line;
    }
}

// The help calls pages, groups, windows and menu items by the names the program shows,
// in quotes, each on one line so that a search for the name finds it.
TEST(HelpText, NamesWhatTheUserSeesAsTheProgramShowsIt) {
    const std::string_view text = builtInHelpText();
    const auto quoted = [&text](std::string_view name) {
        return text.find("\"" + std::string(name) + "\"") != std::string_view::npos;
    };
    // The four working pages; the help itself is on the last one.
    for (size_t page = 0; page + 1 < app::kMainPageCaptions.size(); ++page)
        EXPECT_TRUE(quoted(app::kMainPageCaptions[page])) << app::kMainPageCaptions[page];
    EXPECT_TRUE(quoted(config::kOwnTypesWindowTitle));
    EXPECT_TRUE(quoted(config::kMyTypesCaption));
    EXPECT_EQ(text.find("\"Saját típusok\""), std::string_view::npos);
    // The tools page's groups are listed by name, each starting a line of the list.
    for (std::string_view group : tools::kToolGroupCaptions)
        EXPECT_NE(text.find("- " + std::string(group) + ":"), std::string_view::npos) << group;
    for (std::string_view option : {"Futtatás a mostani helyről, telepítés nélkül", "Kilépés", "Tovább"})
        EXPECT_TRUE(quoted(option)) << option;
}

TEST(HelpText, TopicShowsItsLinesWithoutMarkersOrTheEmptyLineAfterTheTitle) {
    const HelpViewer viewer(
        {"< Egy >", "", "első", "", "második", "", "< /Egy >", "", "", "< Kettő >", "", "x", "", "< /Kettő >"});
    ASSERT_EQ(viewer.titles(), (Lines{"Egy", "Kettő"}));
    // The empty line before the closing marker stays, as the view has always shown it.
    EXPECT_EQ(viewer.currentText(), "első\r\n\r\nmásodik\r\n");
    EXPECT_EQ(viewer.topics()[1].lines, (Lines{"x", ""}));
}

TEST(HelpText, MissingOrMalformedMarkersStayInsideTheText) {
    // No closing marker: the topic stops at the next opening line, or at the end.
    const HelpViewer unclosed({"< A >", "", "a1", "< B >", "", "b1", "b2"});
    ASSERT_EQ(unclosed.titles(), (Lines{"A", "B"}));
    EXPECT_EQ(unclosed.topics()[0].lines, (Lines{"a1"}));
    EXPECT_EQ(unclosed.topics()[1].lines, (Lines{"b1", "b2"}));

    // Opening lines too short to hold a title, one at the very end, no empty line after
    // the title: every opening line is a topic, and no text line is lost.
    const HelpViewer odd({"<", "<x", "< C >", "c1", "< /C >", "< >"});
    EXPECT_EQ(odd.titles(), (Lines{"", "", "C", ""}));
    EXPECT_EQ(odd.topics()[2].lines, (Lines{"c1"}));
    EXPECT_TRUE(odd.topics()[3].lines.empty());

    // A closing line alone adds no topic; a text without topics shows nothing.
    const HelpViewer none({"< /Árva >", "szöveg"});
    EXPECT_TRUE(none.titles().empty());
    EXPECT_EQ(none.current(), -1);
    EXPECT_EQ(none.currentText(), "");
}

TEST(HelpViewer, SelectsTopicsVersionHistoryAndFontSizes) {
    HelpViewer viewer;
    EXPECT_EQ(viewer.current(), 0);
    viewer.select(99);
    EXPECT_EQ(viewer.current(), 0);
    viewer.selectVersionHistory();
    EXPECT_EQ(viewer.currentTitle(), "Verziótörténet");
    EXPECT_NE(viewer.currentText().find("3.2.1"), std::string::npos);

    EXPECT_EQ(viewer.fontSize(), 9);
    EXPECT_EQ(fontSizeItems().front(), "8");
    EXPECT_EQ(fontSizeItems().back(), "16");
    EXPECT_TRUE(viewer.setFontSize(16));
    EXPECT_FALSE(viewer.setFontSize(17));
    EXPECT_EQ(viewer.fontSize(), 16);

    // Too few topics for a version history: the selection stays.
    HelpViewer small({"< A >", "", "a", "", "< /A >"});
    small.selectVersionHistory();
    EXPECT_EQ(small.current(), 0);
}

struct ReadmeTest : platform::fake::FakePlatform, ::testing::Test {
    const std::string dir = "C:\\Program Files\\Kefeló\\";
    const std::string path = dir + "olvassel.txt";
    ReadmeTest() { fs.addDirectory(dir); }
    ReadmeResult save(bool viewAlerts = true) { return saveReadmeIfMissing(fs, ui, dir, viewAlerts); }
};

TEST_F(ReadmeTest, WrittenWhenMissingAsWindows1250WithCrLf) {
    EXPECT_EQ(save(), ReadmeResult::Written);
    const auto bytes = fs.content(path);
    ASSERT_TRUE(bytes);
    EXPECT_EQ(*bytes, documentationFileBytes());
    // "ó" is one byte in Windows-1250.
    EXPECT_EQ(bytes->substr(0, 24), std::string("< Fontos tudnival\xF3k! >\r\n"));
    EXPECT_EQ(text::decodeLines(*bytes), splitLines(builtInHelpText()));
    EXPECT_TRUE(ui.messages.empty());
}

TEST_F(ReadmeTest, AnExistingCopyIsNeverOverwrittenAtStart) {
    fs.addFile(path, "saját jegyzet");
    EXPECT_EQ(save(), ReadmeResult::AlreadyThere);
    EXPECT_EQ(fs.content(path), "saját jegyzet");
    // The install wizard's button writes it whatever is there.
    EXPECT_TRUE(writeDocumentation(fs, path));
    EXPECT_EQ(fs.content(path), documentationFileBytes());
}

TEST_F(ReadmeTest, FailureWarnsOnlyWithAlertsOn) {
    fs.setWritable(dir, false);
    EXPECT_EQ(save(false), ReadmeResult::Failed);
    EXPECT_TRUE(ui.messages.empty());
    EXPECT_EQ(save(true), ReadmeResult::Failed);
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].kind, platform::MessageKind::Warning);
    EXPECT_EQ(ui.messages[0].buttons, platform::Buttons::Ok);
    EXPECT_EQ(ui.messages[0].text,
              "A Súgó-t nem sikerült kimenteni a következő állományba:\r\nC:\\Program Files\\Kefeló\\olvassel.txt"
              "\r\n\r\nValószínűleg nincs írási jogosultsága a következő helyre:\r\nC:\\Program Files\\Kefeló\\");
}

}  // namespace
}  // namespace kefelo::help
