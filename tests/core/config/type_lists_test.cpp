#include "core/config/type_lists.h"

#include <gtest/gtest.h>

#include "core/config/own_types_editor.h"
#include "platform/fake/fake_ui.h"

using namespace kefelo;
using config::CheckList;
using config::MaskTable;
using config::SelectionCommand;
using config::TypeLists;
namespace number = config::list_number;

namespace {

std::vector<std::string> texts(const CheckList& list) {
    std::vector<std::string> out;
    for (const auto& item : list.items) out.push_back(item.text);
    return out;
}

std::vector<std::string> tickedTexts(const CheckList& list) {
    std::vector<std::string> out;
    for (const auto& item : list.items)
        if (item.ticked) out.push_back(item.text);
    return out;
}

void tick(CheckList& list, std::string_view text, bool on = true) {
    for (auto& item : list.items)
        if (item.text == text) item.ticked = on;
}

class TypeListsTest : public ::testing::Test {
protected:
    platform::fake::FakeUi ui;
    MaskTable table{"*.abc|*.TMP"};
    TypeLists lists{table, ui};

    void tickCategory(int category, bool on = true) {
        lists.list_searchcategory.items[static_cast<size_t>(category)].ticked = on;
        lists.list_searchcategoryClickCheck();
    }
};

}  // namespace

TEST_F(TypeListsTest, TwoCategoriesGiveTheirTypesInTableOrderAndTicksSurviveARebuild) {
    EXPECT_EQ(lists.list_searchcategory.items.size(), 22u);
    tickCategory(0);
    tickCategory(1);
    ASSERT_EQ(lists.list_searchext.items.size(), 17u);
    EXPECT_EQ(lists.list_searchext.items[0].text, "*.TMP");
    EXPECT_EQ(lists.list_searchext.items[13].text, "*._MP");
    EXPECT_EQ(lists.list_searchext.items[14].text, "*.BAK");
    EXPECT_TRUE(tickedTexts(lists.list_searchext).empty());

    tick(lists.list_searchext, "*.OLD");
    tick(lists.list_searchext, "*.TEMP");
    tickCategory(0, false);
    EXPECT_EQ(texts(lists.list_searchext), (std::vector<std::string>{"*.BAK", "*.OLD", "*.PRV"}));
    EXPECT_EQ(tickedTexts(lists.list_searchext), std::vector<std::string>{"*.OLD"});

    // The tick of a type whose category went away is forgotten.
    tickCategory(0);
    EXPECT_EQ(tickedTexts(lists.list_searchext), std::vector<std::string>{"*.OLD"});
}

TEST_F(TypeListsTest, TicksMatchWithoutCaseAndFollowBothCopiesOfAMask) {
    lists.list_searchext.items = {{"*.bak", true}};
    tickCategory(1);
    EXPECT_EQ(tickedTexts(lists.list_searchext), std::vector<std::string>{"*.BAK"});

    // Category 0 and the own types both hold *.TMP.
    tickCategory(1, false);
    tickCategory(0);
    tickCategory(21);
    ASSERT_EQ(lists.list_searchext.items.size(), 16u);
    EXPECT_EQ(lists.list_searchext.items[14].text, "*.abc");
    EXPECT_EQ(lists.list_searchext.items[15].text, "*.TMP");
    lists.list_searchext.items[0].ticked = true;
    lists.list_searchcategoryClickCheck();
    EXPECT_EQ(tickedTexts(lists.list_searchext), (std::vector<std::string>{"*.TMP", "*.TMP"}));
    EXPECT_EQ(config::searchMaskString(lists.list_searchext), "*.TMP, *.TMP");
}

TEST_F(TypeListsTest, KitAdPumpsAfterEveryItemAndKeepsEmptyPieces) {
    MaskTable gappy("*.a||*.b|");
    CheckList types;
    config::KitAd(gappy, 21, types, ui);
    EXPECT_EQ(texts(types), (std::vector<std::string>{"*.a", "", "*.b"}));
    EXPECT_EQ(ui.pumpCount, 3);

    // A pump may let the user change the categories; the rebuild must stay sound.
    ui.onPump = [&] { lists.list_searchcategory.items[1].ticked = false; };
    lists.list_searchcategory.items[0].ticked = true;
    lists.list_searchcategory.items[1].ticked = true;
    lists.list_searchcategoryClickCheck();
    EXPECT_EQ(lists.list_searchext.items.size(), 14u);
}

TEST(TypeLists, MaskStringsJoinOnlyTickedTypesInListOrder) {
    CheckList types;
    types.items = {{"*.TMP", true}, {"*.BAK", false}, {"~*.*", true}};
    EXPECT_EQ(config::searchMaskString(types), "*.TMP, ~*.*");
    EXPECT_EQ(config::joinTicked(types, "|"), "*.TMP|~*.*");
}

TEST_F(TypeListsTest, PopupOnTheSearchCategoriesSelectsTheFirstAndRefillsTypes) {
    EXPECT_TRUE(lists.rightClick(number::kSearchCategories));
    lists.list_searchcategory.selected = 5;
    int pumpsBefore = ui.pumpCount;
    lists.popupCommand(SelectionCommand::All);
    EXPECT_EQ(tickedTexts(lists.list_searchcategory).size(), 22u);
    EXPECT_EQ(lists.list_searchcategory.selected, 0);
    EXPECT_EQ(lists.list_searchext.items.size(), 70u);  // 68 fixed masks and two own types
    EXPECT_EQ(ui.pumpCount - pumpsBefore, 22 + 70);

    lists.popupCommand(SelectionCommand::Invert);
    EXPECT_TRUE(tickedTexts(lists.list_searchcategory).empty());
    EXPECT_TRUE(lists.list_searchext.items.empty());

    lists.list_searchcategory.items[3].ticked = true;
    lists.popupCommand(SelectionCommand::Invert);
    EXPECT_EQ(tickedTexts(lists.list_searchcategory).size(), 21u);
    EXPECT_EQ(lists.list_searchext.items.size(), 67u);

    lists.popupCommand(SelectionCommand::None);
    EXPECT_TRUE(lists.list_searchext.items.empty());
}

TEST_F(TypeListsTest, PopupOnTaskCategoriesEmptiesTheirTypesOnNone) {
    lists.copyCategoriesForTask(number::kNewTaskCategories);
    ASSERT_EQ(lists.list_projectnewcategory.items.size(), 22u);
    lists.list_projectnewcategory.items[4].ticked = true;
    lists.list_projectnewcategoryClickCheck();
    EXPECT_EQ(texts(lists.list_projectnewExt), std::vector<std::string>{"*.MS"});
    EXPECT_TRUE(lists.list_searchext.items.empty());

    lists.openPopup(number::kNewTaskCategories);
    lists.popupCommand(SelectionCommand::None);
    EXPECT_TRUE(lists.list_projectnewExt.items.empty());

    lists.copyCategoriesForTask(number::kModifyTaskCategories);
    lists.openPopup(number::kModifyTaskCategories);
    lists.popupCommand(SelectionCommand::All);
    EXPECT_EQ(lists.list_projectmodifyExt.items.size(), 70u);
    EXPECT_TRUE(lists.list_projectnewExt.items.empty());
}

TEST_F(TypeListsTest, PopupOnTypeListsOnlyTicksAndTheGridGetsItsOwnCommands) {
    EXPECT_FALSE(lists.rightClick(number::kSearchTypes));  // empty: no popup
    tickCategory(1);
    lists.list_searchext.items[1].ticked = true;
    ASSERT_TRUE(lists.rightClick(number::kSearchTypes));
    lists.popupCommand(SelectionCommand::Invert);
    EXPECT_EQ(tickedTexts(lists.list_searchext), (std::vector<std::string>{"*.BAK", "*.PRV"}));
    EXPECT_EQ(tickedTexts(lists.list_searchcategory), std::vector<std::string>{"Biztonsági másolatok"});

    std::vector<SelectionCommand> forwarded;
    lists.foundFilesSelection = [&](SelectionCommand c) { forwarded.push_back(c); };
    lists.openPopup(number::kFoundFiles);
    lists.popupCommand(SelectionCommand::All);
    EXPECT_EQ(forwarded, std::vector<SelectionCommand>{SelectionCommand::All});
    EXPECT_EQ(tickedTexts(lists.list_searchext).size(), 2u);
}

TEST_F(TypeListsTest, DoubleClickTogglesTheFocusedItem) {
    lists.doubleClick(number::kSearchCategories);  // nothing focused yet
    EXPECT_TRUE(tickedTexts(lists.list_searchcategory).empty());

    lists.list_searchcategory.selected = 6;
    lists.doubleClick(number::kSearchCategories);
    EXPECT_EQ(texts(lists.list_searchext), std::vector<std::string>{"*.WBK"});

    lists.list_searchext.selected = 0;
    lists.doubleClick(number::kSearchTypes);
    EXPECT_TRUE(lists.list_searchext.items[0].ticked);
    lists.doubleClick(number::kSearchCategories);
    EXPECT_TRUE(lists.list_searchext.items.empty());
}

TEST_F(TypeListsTest, OwnTypesEditorOpensOverTheMainWindowAndRefreshesTheTypes) {
    config::Tfrmmytype editor(table, ui);
    editor.bounds.width = 301;
    editor.bounds.height = 200;
    lists.copyCategoriesForTask(number::kNewTaskCategories);
    lists.list_projectnewcategory.items[21].ticked = true;
    lists.list_projectnewcategoryClickCheck();
    lists.openPopup(number::kNewTaskTypes);

    bool shown = false;
    lists.menuitem_selectmytypesClick(editor, {100, 50, 649, 400}, [&] {
        shown = true;
        EXPECT_EQ(editor.list_mytypes.items, (std::vector<std::string>{"*.abc", "*.TMP"}));
        EXPECT_EQ(editor.list_mytypes.selected, 0);
        EXPECT_EQ(lists.list_projectnewcategory.selected, 21);
        EXPECT_EQ(editor.bounds.left, 100 + 324 - 150);
        EXPECT_EQ(editor.bounds.top, 50 + 200 - 100);
        editor.list_mytypes.items.push_back("*.new");
        editor.store();
    });
    EXPECT_TRUE(shown);
    EXPECT_EQ(texts(lists.list_projectnewExt), (std::vector<std::string>{"*.abc", "*.TMP", "*.new"}));

    // Cancelled: the table may not change, and the type list is left alone.
    lists.list_projectnewExt.items.clear();
    lists.menuitem_selectmytypesClick(editor, {0, 0, 649, 400}, [&] { editor.cancel(); });
    EXPECT_TRUE(lists.list_projectnewExt.items.empty());
    EXPECT_EQ(editor.result, -1);

    // Esc leaves the result at 0, so the type list is refreshed.
    lists.menuitem_selectmytypesClick(editor, {0, 0, 649, 400}, [&] { editor.escape(); });
    EXPECT_EQ(lists.list_projectnewExt.items.size(), 3u);
}
