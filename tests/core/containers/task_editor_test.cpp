// The new-task and modify editors: opening, storing with its refusals, the duplicate
// location question, and the location menu.
#include "core/containers/task_editor.h"

#include <gtest/gtest.h>

#include "core/config/list_file.h"
#include "platform/fake/fake_platform.h"

using namespace kefelo;
using config::Mark;
using containers::TaskEditorKind;
using containers::TaskGroup;
using platform::Answer;
using platform::MessageKind;

namespace {

struct TaskEditorTest : ::testing::Test, platform::fake::FakePlatform {
    config::MaskTable table{"*.T|*.XYZ"};
    config::TaskGrid tasks;
    config::TypeLists lists{table, ui};
    containers::TaskEditors editors{tasks, lists, table, fs, ui, shell};

    void SetUp() override {
        fs.addDirectory("C:\\Temp");
        fs.addDirectory("D:\\Work");
    }

    void tickCategory(config::CheckList& categories, int index) {
        categories.items[index].ticked = true;
        if (&categories == &lists.list_projectnewcategory)
            lists.list_projectnewcategoryClickCheck();
        else
            lists.list_projectmodifycategoryClickCheck();
    }
    void tickType(config::CheckList& types, const std::string& text) {
        for (auto& item : types.items)
            if (item.text == text) item.ticked = true;
    }
    std::vector<std::string> tickedTypes(const config::CheckList& types) {
        std::vector<std::string> out;
        for (const auto& item : types.items)
            if (item.ticked) out.push_back(item.text);
        return out;
    }
    std::vector<int> tickedCategories(const config::CheckList& categories) {
        std::vector<int> out;
        for (int i = 0; i < static_cast<int>(categories.items.size()); ++i)
            if (categories.items[i].ticked) out.push_back(i);
        return out;
    }
    // A new task for a location with the given types of category 0 and 1 ticked.
    bool addTask(const std::string& location, const std::vector<std::string>& types) {
        editors.button_newprojectClick();
        tickCategory(lists.list_projectnewcategory, 0);
        tickCategory(lists.list_projectnewcategory, 1);
        for (const auto& type : types) tickType(lists.list_projectnewExt, type);
        editors.edit_projectnewpath = location;
        return editors.button_projectnewrunClick();
    }
};

TEST(TaskLocation, DriveRootsKeepTheirBackslash) {
    EXPECT_EQ(containers::taskLocation("C:\\"), "C:\\");
    EXPECT_EQ(containers::taskLocation("D:"), "D:\\");
    EXPECT_EQ(containers::taskLocation("C:\\Temp\\"), "C:\\Temp");
    EXPECT_EQ(containers::taskLocation("C:\\Temp"), "C:\\Temp");
    // Only one backslash goes.
    EXPECT_EQ(containers::taskLocation("C:\\Temp\\\\"), "C:\\Temp\\");
    EXPECT_EQ(containers::taskLocation(""), "");
}

TEST_F(TaskEditorTest, NewEditorStartsUntickedAndKeepsThePanel) {
    lists.list_projectnewExt.items.push_back({"*.OLD", true});
    editors.edit_projectnewpath = "C:\\Temp";
    editors.button_newprojectClick();
    EXPECT_EQ(editors.shown, TaskGroup::NewEditor);
    EXPECT_EQ(lists.list_projectnewcategory.items.size(), static_cast<size_t>(config::kCategoryCount));
    EXPECT_EQ(lists.list_projectnewcategory.items[0].text, "Általános átmeneti fájlok");
    EXPECT_TRUE(tickedCategories(lists.list_projectnewcategory).empty());
    EXPECT_TRUE(lists.list_projectnewExt.items.empty());
    EXPECT_EQ(editors.edit_projectnewpath, "C:\\Temp");
    EXPECT_TRUE(editors.focusCategoryList);
}

TEST_F(TaskEditorTest, StoringANewTaskAppendsAnInactiveRowWithTheTickedTypesInOrder) {
    ASSERT_TRUE(addTask("C:\\Temp\\", {"*.BAK", "*.TMP"}));
    ASSERT_EQ(tasks.rows.size(), 1u);
    EXPECT_EQ(tasks.rows[0].location, "C:\\Temp");
    EXPECT_EQ(tasks.rows[0].masks, "*.TMP|*.BAK");  // list order, not ticking order
    EXPECT_EQ(tasks.rows[0].mark, Mark::Inactive);
    EXPECT_EQ(editors.shown, TaskGroup::List);
    EXPECT_TRUE(ui.messages.empty());

    ASSERT_TRUE(addTask("D:", {"*.OLD"}));
    ASSERT_EQ(tasks.rows.size(), 2u);
    EXPECT_EQ(tasks.rows[1].location, "D:\\");
    EXPECT_EQ(editors.edit_projectnewpath, "D:\\");
    EXPECT_EQ(tasks.rows[1].masks, "*.OLD");
}

TEST_F(TaskEditorTest, RefusalsComeInOrderAndKeepTheEditorOpen) {
    editors.button_newprojectClick();
    // Categories ticked but no type: the type refusal comes before the location one.
    tickCategory(lists.list_projectnewcategory, 1);
    editors.edit_projectnewpath = "";
    editors.focusCategoryList = false;
    EXPECT_FALSE(editors.button_projectnewrunClick());
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].kind, MessageKind::Information);
    EXPECT_EQ(ui.messages[0].text, "Legalább egy állománytípust ki kell választani!");
    EXPECT_TRUE(editors.focusCategoryList);

    tickType(lists.list_projectnewExt, "*.BAK");
    EXPECT_FALSE(editors.button_projectnewrunClick());
    editors.edit_projectnewpath = "E:\\Nincs";
    EXPECT_FALSE(editors.button_projectnewrunClick());
    ASSERT_EQ(ui.messages.size(), 3u);
    for (int i : {1, 2}) {
        EXPECT_EQ(ui.messages[i].kind, MessageKind::Error);
        EXPECT_EQ(ui.messages[i].text, "A megadott hely nem található!");
    }
    EXPECT_EQ(editors.shown, TaskGroup::NewEditor);
    EXPECT_EQ(tasks.rows.size(), 1u);
    EXPECT_TRUE(tasks.rows[0].location.empty());
}

// A relative location would be walked in whatever folder is current at the run.
TEST_F(TaskEditorTest, ALocationMustBeAFullPath) {
    const std::string fullPathNeeded = "A feladat helyét teljes elérési úttal kell megadni (például C:\\Temp)!";
    fs.addDirectory("C:\\Temp\\Temp");
    for (const char* location : {".", "Temp", "C:Temp", "\\Temp", "..\\Temp\\"}) {
        ui.messages.clear();
        EXPECT_FALSE(addTask(location, {"*.TMP"})) << location;
        ASSERT_EQ(ui.messages.size(), 1u) << location;
        EXPECT_EQ(ui.messages[0].kind, MessageKind::Error) << location;
        EXPECT_EQ(ui.messages[0].text, fullPathNeeded) << location;
        EXPECT_EQ(editors.shown, TaskGroup::NewEditor) << location;
        editors.button_projectnewcancelClick();
    }
    EXPECT_TRUE(tasks.rows[0].location.empty());

    // A hand-edited line "|.>*.TMP": storing it again asks for a full path and keeps the row.
    tasks.rows[0] = {Mark::Active, ".", "*.TMP"};
    ui.messages.clear();
    ASSERT_TRUE(editors.button_projectmodifyClick());
    EXPECT_FALSE(editors.button_projectmodifyRunClick());
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].text, fullPathNeeded);
    editors.edit_projectmodifypath = "C:\\Temp\\Temp\\";
    EXPECT_TRUE(editors.button_projectmodifyRunClick());
    EXPECT_EQ(tasks.rows[0].location, "C:\\Temp\\Temp");
    EXPECT_EQ(tasks.rows[0].mark, Mark::Active);
}

// "konyvtarak.lst" is Windows-1250: "?" standing in for a letter would name another folder.
TEST_F(TaskEditorTest, ALocationTheListFileCannotHoldIsRefused) {
    for (const char* location : {"C:\\Crème\\Temp", "D:\\Проект", "C:\\Képek😀"}) {
        fs.addDirectory(location);
        ui.messages.clear();
        EXPECT_FALSE(addTask(location, {"*.TMP"})) << location;
        ASSERT_EQ(ui.messages.size(), 1u) << location;
        EXPECT_EQ(ui.messages[0].kind, MessageKind::Error) << location;
        EXPECT_EQ(ui.messages[0].buttons, platform::Buttons::Ok) << location;
        EXPECT_EQ(ui.messages[0].text, config::unstorableTextMessage(location)) << location;
        editors.button_projectnewcancelClick();
    }
    EXPECT_TRUE(tasks.rows[0].location.empty());

    // Hungarian accents and a drive root are stored as given.
    ui.messages.clear();
    fs.addDirectory("C:\\Árvíztűrő\\Tükörfúrógép (ő, ű, é)");
    ASSERT_TRUE(addTask("C:\\Árvíztűrő\\Tükörfúrógép (ő, ű, é)\\", {"*.TMP"}));
    ASSERT_TRUE(addTask("C:\\", {"*.BAK"}));
    ASSERT_EQ(tasks.rows.size(), 2u);
    EXPECT_EQ(tasks.rows[0].location, "C:\\Árvíztűrő\\Tükörfúrógép (ő, ű, é)");
    EXPECT_EQ(tasks.rows[1].location, "C:\\");
    EXPECT_TRUE(ui.messages.empty());

    // Changing a task to such a location leaves the row as it was.
    editors.currentRow = 0;
    ASSERT_TRUE(editors.button_projectmodifyClick());
    editors.edit_projectmodifypath = "D:\\Проект";
    EXPECT_FALSE(editors.button_projectmodifyRunClick());
    EXPECT_EQ(ui.messages.back().text, config::unstorableTextMessage("D:\\Проект"));
    EXPECT_EQ(tasks.rows[0].location, "C:\\Árvíztűrő\\Tükörfúrógép (ő, ű, é)");
}

TEST_F(TaskEditorTest, ModifyEditorReopensWithExactlyTheStoredTypesTicked) {
    tasks.rows[0] = {Mark::Active, "C:\\Temp", "*.TMP|*.BAK"};
    editors.currentRow = 0;
    ASSERT_TRUE(editors.button_projectmodifyClick());
    EXPECT_EQ(editors.shown, TaskGroup::ModifyEditor);
    EXPECT_EQ(editors.edit_projectmodifypath, "C:\\Temp");
    EXPECT_EQ(tickedCategories(lists.list_projectmodifycategory), (std::vector<int>{0, 1}));
    EXPECT_EQ(tickedTypes(lists.list_projectmodifyExt), (std::vector<std::string>{"*.TMP", "*.BAK"}));
    EXPECT_EQ(lists.list_projectmodifyExt.items.size(), 17u);

    // Storing unchanged asks nothing and keeps the mark.
    EXPECT_TRUE(editors.button_projectmodifyRunClick());
    EXPECT_TRUE(ui.messages.empty());
    EXPECT_EQ(tasks.rows[0].masks, "*.TMP|*.BAK");
    EXPECT_EQ(tasks.rows[0].mark, Mark::Active);
    EXPECT_EQ(editors.shown, TaskGroup::List);
}

TEST_F(TaskEditorTest, ModifyEditorListsEachCategoryOnceAndKeepsOwnTypes) {
    // Category 0, then 1, then 0 again; "*.T" is an own type that a substring test would
    // put under "*.TMP"; "*.NOPE" is in no category and is dropped.
    tasks.rows[0] = {Mark::Inactive, "C:\\Temp", "*.TMP|*.BAK|*.TEMP|*.T|*.NOPE"};
    ASSERT_TRUE(editors.button_projectmodifyClick());
    EXPECT_EQ(tickedCategories(lists.list_projectmodifycategory), (std::vector<int>{0, 1, 21}));
    EXPECT_EQ(lists.list_projectmodifyExt.items.size(), 14u + 3u + 2u);
    EXPECT_EQ(tickedTypes(lists.list_projectmodifyExt), (std::vector<std::string>{"*.TMP", "*.TEMP", "*.BAK", "*.T"}));
    ASSERT_TRUE(editors.button_projectmodifyRunClick());
    EXPECT_EQ(tasks.rows[0].masks, "*.TMP|*.TEMP|*.BAK|*.T");
}

TEST_F(TaskEditorTest, ModifyNeedsARowWithALocation) {
    EXPECT_FALSE(editors.button_projectmodifyClick());
    editors.currentRow = 5;
    EXPECT_FALSE(editors.button_projectmodifyClick());
    EXPECT_EQ(editors.shown, TaskGroup::List);
}

TEST_F(TaskEditorTest, ModifiedLocationMustExist) {
    tasks.rows[0] = {Mark::Active, "C:\\Temp", "*.TMP"};
    ASSERT_TRUE(editors.button_projectmodifyClick());
    editors.edit_projectmodifypath = "Q:\\Sehol";
    EXPECT_FALSE(editors.button_projectmodifyRunClick());
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].text, "A megadott hely nem található!\r\nKérem, válasszon másik helyet!");
    EXPECT_EQ(tasks.rows[0].location, "C:\\Temp");
}

TEST_F(TaskEditorTest, DuplicateLocationOfANewTask) {
    tasks.rows[0] = {Mark::Active, "C:\\Temp", "*.BAK"};
    tasks.rows.push_back({Mark::Inactive, "D:\\Work", "*.TMP|*.OLD"});

    // No: the editor stays open, nothing is added.
    ui.answers = {Answer::No};
    EXPECT_FALSE(addTask("d:\\WORK\\", {"*.TMP"}));
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].kind, MessageKind::Information);
    EXPECT_EQ(ui.messages[0].buttons, platform::Buttons::YesNo);
    EXPECT_EQ(ui.messages[0].text,
              "Egy olyan feladat már szerepel a feladat-listában aminek ez a munkakönyvtára:\r\nD:\\Work\r\n\r\n"
              "Szeretné a kérdéses rögzített feladat tulajdonságait most betölteni és módosítani?\r\n"
              "(Ha nem, akkor válasszon egy másik helyet!)");
    EXPECT_EQ(editors.shown, TaskGroup::NewEditor);

    // Yes: the other task opens in the modify editor.
    ui.answers = {Answer::Yes};
    EXPECT_FALSE(editors.button_projectnewrunClick());
    EXPECT_EQ(tasks.rows.size(), 2u);
    EXPECT_EQ(editors.shown, TaskGroup::ModifyEditor);
    EXPECT_EQ(editors.currentRow, 1);
    EXPECT_EQ(editors.modifiedRow, 1);
    EXPECT_EQ(editors.edit_projectmodifypath, "D:\\Work");
    EXPECT_EQ(tickedTypes(lists.list_projectmodifyExt), (std::vector<std::string>{"*.TMP", "*.OLD"}));
}

TEST_F(TaskEditorTest, DuplicateLocationInAnotherSpelling) {
    tasks.rows[0] = {Mark::Active, "D:\\Work", "*.BAK"};
    for (const char* spelling : {"d:/work/", "\\\\?\\D:\\WORK\\.", "D:\\Temp\\..\\Work"}) {
        ui.messages.clear();
        ui.answers = {Answer::No};
        EXPECT_FALSE(addTask(spelling, {"*.TMP"})) << spelling;
        ASSERT_EQ(ui.messages.size(), 1u) << spelling;
        EXPECT_EQ(ui.messages[0].text.rfind("Egy olyan feladat már szerepel", 0), 0u) << spelling;
        editors.button_projectnewcancelClick();
    }
    EXPECT_EQ(tasks.rows.size(), 1u);
}

TEST_F(TaskEditorTest, DuplicateLocationWhileModifyingSwitchesToTheOtherTask) {
    tasks.rows[0] = {Mark::Active, "C:\\Temp", "*.BAK"};
    tasks.rows.push_back({Mark::Inactive, "D:\\Work", "*.TMP"});
    editors.currentRow = 0;
    ASSERT_TRUE(editors.button_projectmodifyClick());
    editors.edit_projectmodifypath = "D:\\Work";
    ui.answers = {Answer::No};
    EXPECT_FALSE(editors.button_projectmodifyRunClick());
    EXPECT_EQ(editors.modifiedRow, 0);
    ui.answers = {Answer::Yes};
    EXPECT_FALSE(editors.button_projectmodifyRunClick());
    EXPECT_EQ(ui.messages.size(), 2u);
    EXPECT_EQ(editors.shown, TaskGroup::ModifyEditor);
    EXPECT_EQ(editors.modifiedRow, 1);
    EXPECT_EQ(editors.edit_projectmodifypath, "D:\\Work");
    EXPECT_EQ(tasks.rows[0].location, "C:\\Temp");
    EXPECT_EQ(tickedTypes(lists.list_projectmodifyExt), (std::vector<std::string>{"*.TMP"}));
}

TEST_F(TaskEditorTest, CancelShowsTheListAgainAndChangesNothing) {
    tasks.rows[0] = {Mark::Active, "C:\\Temp", "*.BAK"};
    ASSERT_TRUE(editors.button_projectmodifyClick());
    editors.edit_projectmodifypath = "D:\\Work";
    editors.button_projectmodifyCancelClick();
    EXPECT_EQ(editors.shown, TaskGroup::List);
    EXPECT_EQ(tasks.rows[0].location, "C:\\Temp");
    editors.button_newprojectClick();
    editors.button_projectnewcancelClick();
    EXPECT_EQ(editors.shown, TaskGroup::List);
    EXPECT_EQ(tasks.rows.size(), 1u);
}

TEST_F(TaskEditorTest, LocationMenu) {
    // The clipboard item follows the clipboard.
    EXPECT_FALSE(editors.pUjFeladatHelyPopup(clipboard).fromClipboardEnabled);
    clipboard.contents = "E:\\Nincs";
    EXPECT_FALSE(editors.pUjFeladatHelyPopup(clipboard).fromClipboardEnabled);
    clipboard.contents = "D:\\Work\\";
    const auto state = editors.pUjFeladatHelyPopup(clipboard);
    EXPECT_TRUE(state.fromClipboardEnabled);
    EXPECT_EQ(state.fromClipboardCaption, "D:\\Work\\");
    editors.menuitem_projectpathfromclipboardClick(TaskEditorKind::Modify, clipboard);
    EXPECT_EQ(editors.edit_projectmodifypath, "D:\\Work");
    EXPECT_EQ(editors.edit_projectnewpath, "");

    // The folder dialog starts at the panel, a bare drive at its root.
    editors.edit_projectnewpath = "C:";
    ui.folders = {std::string("C:\\Temp\\"), std::nullopt, std::string("D:\\")};
    editors.menuitem_projectpathselectClick(TaskEditorKind::New);
    ASSERT_EQ(ui.folderRequests.size(), 1u);
    EXPECT_EQ(ui.folderRequests[0].title, "A megadott típusú állományok a következő helyen keresendők:");
    EXPECT_EQ(ui.folderRequests[0].startDir, "C:\\");
    EXPECT_EQ(editors.edit_projectnewpath, "C:\\Temp");
    editors.menuitem_projectpathselectClick(TaskEditorKind::New);  // cancelled
    EXPECT_EQ(editors.edit_projectnewpath, "C:\\Temp");
    editors.menuitem_projectpathselectClick(TaskEditorKind::New);
    EXPECT_EQ(editors.edit_projectnewpath, "D:\\");

    // Opening: explorer on an existing location, an error otherwise.
    editors.menuitem_projectpathopenClick(TaskEditorKind::New);
    editors.menuitem_projectpathopenClick(TaskEditorKind::Modify);
    ASSERT_EQ(shell.executed.size(), 2u);
    EXPECT_EQ(shell.executed[0].file, "explorer.exe");
    EXPECT_EQ(shell.executed[0].parameters, "D:\\");
    EXPECT_EQ(shell.executed[1].parameters, "D:\\Work\\");
    editors.edit_projectmodifypath = "Q:\\Sehol";
    editors.menuitem_projectpathopenClick(TaskEditorKind::Modify);
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].kind, MessageKind::Error);
    EXPECT_EQ(ui.messages[0].text, "A megadott hely nem található!");

    const std::string deep = "C:\\" + std::string(1000, 'a');
    fs.addDirectory(deep);
    editors.edit_projectmodifypath = deep;
    editors.menuitem_projectpathopenClick(TaskEditorKind::Modify);
    EXPECT_EQ(shell.executed.size(), 2u);
    EXPECT_EQ(ui.messages.back().text, "A könyvtár elérési útja túl hosszú!\r\nNem tudom megjeleníteni!");
}

}  // namespace
