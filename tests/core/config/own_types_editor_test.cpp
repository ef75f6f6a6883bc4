#include "core/config/own_types_editor.h"

#include <gtest/gtest.h>

#include "core/config/list_file.h"
#include "platform/fake/fake_ui.h"

using namespace kefelo;
using config::MaskTable;
using config::Tfrmmytype;
using platform::Answer;
using platform::Buttons;
using platform::MessageKind;
using V = std::vector<std::string>;

namespace {

const std::string kExecutableWarning =
    "A megadott kiterjesztés hasonló ahhoz, amellyel a végrehajtható állományok rendelkeznek,\r\n"
    "ezért felvétele nem ajánlott!\r\n\r\nBiztosan fel kívánja venni ezt a típust?";
const std::string kAlreadyListed = "A megadott típus már szerepel a felvettek között!";
const std::string kSimilarHead =
    "A meglévő típusok között találtam hasonlót a most megadotthoz.\r\n\r\nEzek a következők:\r\n";
const std::string kSimilarQuestion = "\r\nBiztosan felveszi a most megadott típust?";

class OwnTypesEditorTest : public ::testing::Test {
protected:
    platform::fake::FakeUi ui;
    MaskTable table;
    Tfrmmytype editor{table, ui};

    void openWith(const std::string& ownTypes) {
        table.setOwnTypes(ownTypes);
        editor.open();
    }
};

}  // namespace

TEST_F(OwnTypesEditorTest, OpeningSplitsTheLineAndStoringJoinsItBack) {
    openWith("");
    EXPECT_TRUE(editor.list_mytypes.items.empty());
    EXPECT_EQ(editor.list_mytypes.selected, -1);
    EXPECT_EQ(editor.result, 0);
    editor.store();
    EXPECT_EQ(table.ownTypes(), "");
    EXPECT_FALSE(editor.visible);

    openWith("*.a|*.b");
    EXPECT_EQ(editor.list_mytypes.items, (V{"*.a", "*.b"}));
    EXPECT_EQ(editor.list_mytypes.selected, 0);

    // Every piece before a bar becomes an item; storing drops the trailing bar again.
    openWith("*.a||*.b|");
    EXPECT_EQ(editor.list_mytypes.items, (V{"*.a", "", "*.b", ""}));
    editor.store();
    EXPECT_EQ(table.ownTypes(), "*.a||*.b");
}

TEST_F(OwnTypesEditorTest, AddAsksTheExecutableWarningFirst) {
    openWith("*.x");
    editor.bounds.left = 40;
    editor.bounds.top = 30;
    ui.inputs = {"*.EXE"};
    ui.answers = {Answer::Yes};
    editor.add();
    ASSERT_EQ(ui.inputRequests.size(), 1u);
    EXPECT_EQ(ui.inputRequests[0].caption, "Saját átmeneti állomány-típus felvétele");
    EXPECT_EQ(ui.inputRequests[0].prompt, "Egy lehetséges megadási példa: *.tmp)");
    EXPECT_EQ(ui.inputRequests[0].initial, "");
    EXPECT_EQ(ui.inputRequests[0].x, 40);
    EXPECT_EQ(ui.inputRequests[0].y, 30);
    ASSERT_EQ(ui.messages.size(), 1u);  // nothing in the table resembles *.EXE
    EXPECT_EQ(ui.messages[0].kind, MessageKind::Warning);
    EXPECT_EQ(ui.messages[0].buttons, Buttons::YesNo);
    EXPECT_EQ(ui.messages[0].text, kExecutableWarning);
    EXPECT_EQ(editor.list_mytypes.items, (V{"*.x", "*.EXE"}));
    EXPECT_EQ(editor.list_mytypes.selected, 1);

    ui.inputs = {"x.bAt"};
    ui.answers = {Answer::No};
    editor.add();
    EXPECT_EQ(ui.messages.size(), 2u);
    EXPECT_EQ(editor.list_mytypes.items.size(), 2u);

    ui.inputs = {""};
    editor.add();
    ui.inputs = {std::nullopt};
    editor.add();
    EXPECT_EQ(ui.messages.size(), 2u);
    EXPECT_EQ(editor.list_mytypes.items.size(), 2u);
}

TEST_F(OwnTypesEditorTest, SimilarTypesAreOfferedAndARefusalAsksForAnotherEntry) {
    openWith("");
    // Only *.TMP of the fixed table holds "TMP" (*.TEMP and *.~MP do not).
    ui.inputs = {"TMP", "*.qqq"};
    ui.answers = {Answer::No};
    editor.add();
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].kind, MessageKind::Information);
    EXPECT_EQ(ui.messages[0].buttons, Buttons::YesNo);
    EXPECT_EQ(ui.messages[0].text, kSimilarHead + "*.TMP\r\n" + kSimilarQuestion);
    EXPECT_EQ(ui.inputRequests.size(), 2u);
    EXPECT_EQ(editor.list_mytypes.items, V{"*.qqq"});

    // The check looks at the stored own types too, not at the editor's unsaved list.
    table.setOwnTypes("*.qqq|tmpfile.*");
    ui.answers = {Answer::Yes};
    ui.inputs = {"tmp"};
    editor.add();
    ASSERT_EQ(ui.messages.size(), 2u);
    EXPECT_EQ(ui.messages[1].text, kSimilarHead + "*.TMP\r\ntmpfile.*\r\n" + kSimilarQuestion);
    EXPECT_EQ(editor.list_mytypes.items, (V{"*.qqq", "tmp"}));
}

TEST_F(OwnTypesEditorTest, SimilarityListStopsAtFiftyWithARemark) {
    std::string own;
    std::string expected = kSimilarHead;
    for (int i = 0; i < 60; ++i) {
        std::string mask = "Q" + std::to_string(i) + ".*";
        own += (i ? "|" : "") + mask;
        if (i < 50) expected += mask + "\r\n";
    }
    expected += "...\r\n";
    expected +=
        "\r\n(A három pont (...) azt jelenti, hogy még ezen kívűl is vannak a most megadotthoz hasonló típusok!)";
    expected += kSimilarQuestion;
    table.setOwnTypes(own);
    ui.answers = {Answer::Yes};
    EXPECT_TRUE(config::KitFigyel(table, "q", ui));
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].text, expected);

    ui.answers = {Answer::No};
    EXPECT_FALSE(config::KitFigyel(table, "Q5", ui));
    EXPECT_TRUE(config::KitFigyel(table, "nothing-like-it", ui));
    EXPECT_EQ(ui.messages.size(), 2u);
}

TEST_F(OwnTypesEditorTest, AddRefusesADuplicateWithoutRegardToCase) {
    openWith("*.abc");
    ui.inputs = {"*.ABC"};
    ui.answers = {Answer::Yes};  // for the similarity question (*.abc resembles itself)
    editor.add();
    ASSERT_EQ(ui.messages.size(), 2u);
    EXPECT_EQ(ui.messages[1].buttons, Buttons::Ok);
    EXPECT_EQ(ui.messages[1].text, kAlreadyListed);
    EXPECT_EQ(editor.list_mytypes.items, V{"*.abc"});
}

// The own types are stored in Windows-1250, where a "?" standing in for a letter would be a
// wildcard and widen the mask.
TEST_F(OwnTypesEditorTest, MasksTheSettingsCannotHoldAreRefusedBeforeAnyQuestion) {
    openWith("*.x");
    ui.inputs = {"*.crème.exe", "*.😀", "*.kép"};
    editor.add();
    ASSERT_EQ(ui.messages.size(), 2u);  // no executable warning, no similarity question
    for (size_t i = 0; i < 2; ++i) {
        EXPECT_EQ(ui.messages[i].kind, MessageKind::Error) << i;
        EXPECT_EQ(ui.messages[i].buttons, Buttons::Ok) << i;
    }
    EXPECT_EQ(ui.messages[0].text, config::unstorableTextMessage("*.crème.exe"));
    EXPECT_EQ(ui.messages[1].text, config::unstorableTextMessage("*.😀"));
    // The box comes back with the refused text to correct it.
    ASSERT_EQ(ui.inputRequests.size(), 3u);
    EXPECT_EQ(ui.inputRequests[0].initial, "");
    EXPECT_EQ(ui.inputRequests[1].initial, "*.crème.exe");
    EXPECT_EQ(ui.inputRequests[2].initial, "*.😀");
    EXPECT_EQ(editor.list_mytypes.items, (V{"*.x", "*.kép"}));

    editor.list_mytypes.selected = 1;
    ui.inputs = {"*.Проект"};
    editor.change();
    ASSERT_EQ(ui.messages.size(), 3u);
    EXPECT_EQ(ui.messages[2].text, config::unstorableTextMessage("*.Проект"));
    ui.inputs = {"*.űő"};
    editor.change();
    EXPECT_EQ(ui.messages.size(), 3u);
    editor.store();
    EXPECT_EQ(table.ownTypes(), "*.x|*.űő");
}

TEST_F(OwnTypesEditorTest, ChangeReplacesTheSelectedMaskUnlessAnotherHoldsIt) {
    openWith("*.a|*.b|*.c");
    editor.list_mytypes.selected = 1;
    ui.inputs = {"*.bb"};
    editor.change();
    ASSERT_EQ(ui.inputRequests.size(), 1u);
    EXPECT_EQ(ui.inputRequests[0].caption, "Átmeneti állomány-típus módosítása");
    EXPECT_EQ(ui.inputRequests[0].prompt, "Egy lehetséges megadási példa: *.tmp");
    EXPECT_EQ(ui.inputRequests[0].initial, "*.b");
    EXPECT_FALSE(ui.inputRequests[0].x.has_value());
    EXPECT_EQ(editor.list_mytypes.items, (V{"*.a", "*.bb", "*.c"}));
    EXPECT_TRUE(ui.messages.empty());  // no executable warning, no similarity check

    ui.inputs = {"*.C"};
    editor.change();
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].text, kAlreadyListed);

    ui.inputs = {"*.BB"};  // only the case differs from the item itself: refused too
    editor.change();
    EXPECT_EQ(ui.messages.size(), 2u);

    ui.inputs = {"*.bb"};
    editor.change();
    ui.inputs = {std::nullopt};
    editor.change();
    ui.inputs = {""};
    editor.change();
    EXPECT_EQ(ui.messages.size(), 2u);
    EXPECT_EQ(editor.list_mytypes.items, (V{"*.a", "*.bb", "*.c"}));

    editor.list_mytypes.selected = -1;
    editor.change();
    EXPECT_EQ(ui.inputRequests.size(), 6u);
}

TEST_F(OwnTypesEditorTest, RemoveAsksWhenAlertsAreOnAndMovesTheSelection) {
    openWith("*.a|*.b|*.c|*.d");
    editor.list_mytypes.selected = 0;
    ui.answers = {Answer::No};
    editor.remove(true);
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].kind, MessageKind::Confirmation);
    EXPECT_EQ(ui.messages[0].buttons, Buttons::YesNo);
    EXPECT_EQ(ui.messages[0].text, "Valóban törli a következő típust? :\r\n*.a");
    EXPECT_EQ(editor.list_mytypes.items.size(), 4u);

    ui.answers = {Answer::Yes};
    editor.remove(true);
    EXPECT_EQ(editor.list_mytypes.items, (V{"*.b", "*.c", "*.d"}));
    EXPECT_EQ(editor.list_mytypes.selected, 0);

    editor.list_mytypes.selected = 2;
    editor.remove(false);
    EXPECT_EQ(ui.messages.size(), 2u);
    EXPECT_EQ(editor.list_mytypes.items, (V{"*.b", "*.c"}));
    EXPECT_EQ(editor.list_mytypes.selected, 1);

    editor.remove(false);
    editor.remove(false);
    EXPECT_TRUE(editor.list_mytypes.items.empty());
    EXPECT_EQ(editor.list_mytypes.selected, -1);
    editor.remove(true);
    EXPECT_EQ(ui.messages.size(), 2u);
}

TEST_F(OwnTypesEditorTest, SortedListOrdersAlphabeticallyAndKeepsNewItemsInPlace) {
    ui.unscriptedAnswer = Answer::Yes;  // "*.c" resembles "*.CHK"
    openWith("*.p|*.á|*.ö|*.B|*.a|*.o");
    editor.list_mytypes.selected = 3;  // *.B
    editor.setSorted(true);
    EXPECT_EQ(editor.list_mytypes.items, (V{"*.a", "*.á", "*.B", "*.o", "*.ö", "*.p"}));
    EXPECT_EQ(editor.list_mytypes.selected, 2);

    ui.inputs = {"*.c"};
    editor.add();
    EXPECT_EQ(editor.list_mytypes.items[3], "*.c");
    EXPECT_EQ(editor.list_mytypes.selected, 3);

    ui.inputs = {"*.z"};
    editor.list_mytypes.selected = 0;
    editor.change();
    EXPECT_EQ(editor.list_mytypes.items.back(), "*.z");
    EXPECT_EQ(editor.list_mytypes.selected, 6);

    // Unticking keeps the order; later items go to the end.
    editor.setSorted(false);
    ui.inputs = {"*.b0"};
    editor.add();
    EXPECT_EQ(editor.list_mytypes.items.back(), "*.b0");

    // A sorted editor opens sorted.
    editor.setSorted(true);
    openWith("*.y|*.x");
    EXPECT_EQ(editor.list_mytypes.items, (V{"*.x", "*.y"}));
}

TEST_F(OwnTypesEditorTest, HintShowsTheLengthOfTheStoredLine) {
    const std::string head =
        "Figyelem! A felvett típusok összmérete nem lehet 255 karakternél hosszabb! (jelenlegi méret: ";
    openWith("");
    EXPECT_EQ(editor.hint(), head + "-1)");
    openWith("*.a|*.bb");
    EXPECT_EQ(editor.hint(), head + "8)");
    openWith("*.ő");  // one character, two bytes
    EXPECT_EQ(editor.hint(), head + "3)");
    EXPECT_EQ(editor.hint(true), "Az eddig felvett típusok listája");
}

TEST(OwnTypesLineCut, KeepsWholeMasksOnlyAndNeverEndsInAnEmptyMask) {
    // The limit falls right after the "*" of "*.tmp": a plain cut would store "...|*",
    // which matches every file.
    EXPECT_EQ(config::fitOwnTypesLine(std::string(253, 'A') + "|*.tmp|*.bak"), std::string(253, 'A'));

    // Exactly 255 characters stay; a bar just past the limit still ends a whole mask.
    EXPECT_EQ(config::fitOwnTypesLine(std::string(255, 'A')), std::string(255, 'A'));
    EXPECT_EQ(config::fitOwnTypesLine(std::string(255, 'A') + "|*"), std::string(255, 'A'));
    // Characters count, not UTF-8 bytes: 200 accented letters still fit.
    std::string accented = "*.";
    for (int i = 0; i < 200; ++i) accented += "ő";
    EXPECT_EQ(config::fitOwnTypesLine(accented + "|*.x"), accented + "|*.x");

    // Empty masks before the cut are not left as a trailing bar; one mask too long for the
    // record goes whole.
    EXPECT_EQ(config::fitOwnTypesLine("*.a||" + std::string(260, 'B')), "*.a");
    EXPECT_EQ(config::fitOwnTypesLine(std::string(256, 'C') + "|*.d"), "");
    EXPECT_EQ(config::fitOwnTypesLine(""), "");
}

TEST(WindowPlacement, CentresWithTruncatedHalvesAndStaysInTheWorkArea) {
    using config::ScreenPoint;
    EXPECT_EQ(config::centreOver({10, 20, 101, 51}, 31, 11), (ScreenPoint{10 + 50 - 15, 20 + 25 - 5}));
    EXPECT_EQ(config::centreOver({-100, -50, 101, 51}, 31, 11), (ScreenPoint{-100 + 50 - 15, -50 + 25 - 5}));

    const config::WorkArea area{0, 0, 1024, 738};
    EXPECT_EQ(config::clampToWorkArea({100, 100}, 300, 200, area), (ScreenPoint{100, 100}));
    EXPECT_EQ(config::clampToWorkArea({-5, -7}, 300, 200, area), (ScreenPoint{0, 0}));
    EXPECT_EQ(config::clampToWorkArea({900, 600}, 300, 200, area), (ScreenPoint{724, 538}));
    const config::WorkArea shifted{50, 30, 850, 630};
    EXPECT_EQ(config::clampToWorkArea({10, 700}, 300, 200, shifted), (ScreenPoint{50, 430}));
    // Larger than the area: the top-left corner stays reachable.
    EXPECT_EQ(config::clampToWorkArea({400, 300}, 900, 700, shifted), (ScreenPoint{50, 30}));
}
