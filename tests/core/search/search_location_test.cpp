#include "core/search/search_location.h"

#include <gtest/gtest.h>

#include "platform/fake/fake_file_system.h"
#include "platform/fake/fake_ui.h"

using namespace kefelo;
using Items = std::vector<std::string>;

namespace {

class Location : public ::testing::Test {
protected:
    Location() {
        for (const char* d : {"C:\\Temp", "C:\\A", "C:\\B", "C:\\C", "C:\\D", "C:\\E", "D:\\Új"}) fs.addDirectory(d);
        items.items = {"Tallóz..."};
    }
    // What the start does with the field.
    void normalise(const std::string& text) {
        location.text = text;
        location.driveLetterToDrive();
        location.tag = 1;
        location.edit_searchpathChange();
    }
    platform::fake::FakeFileSystem fs;
    platform::fake::FakeUi ui;
    config::ListBox items;
    search::SearchLocation location{items, fs, ui};
};

TEST_F(Location, AStartNormalisesThePathAndPutsItOnTop) {
    normalise("c");
    EXPECT_EQ(location.text, "C:\\");
    normalise("C:\\Temp");
    EXPECT_EQ(location.text, "C:\\Temp\\");
    EXPECT_EQ(items.items, (Items{"C:\\Temp\\", "C:\\", "Tallóz..."}));
    EXPECT_EQ(items.selected, 0);
    EXPECT_EQ(location.tag, 0);
    EXPECT_TRUE(location.hint.empty());
    EXPECT_TRUE(ui.folderRequests.empty());
}

TEST_F(Location, HistoryKeepsFiveMostRecentAndTheBrowseEntryLast) {
    for (const char* d : {"C:\\A", "C:\\B", "C:\\C", "C:\\D", "C:\\E"}) normalise(d);
    EXPECT_EQ(items.items, (Items{"C:\\E\\", "C:\\D\\", "C:\\C\\", "C:\\B\\", "C:\\A\\", "Tallóz..."}));
    normalise("D:\\Új");  // a sixth pushes out the oldest
    EXPECT_EQ(items.items, (Items{"D:\\Új\\", "C:\\E\\", "C:\\D\\", "C:\\C\\", "C:\\B\\", "Tallóz..."}));

    // A remembered one moves to the top, spelled as typed this time.
    normalise("c:\\c\\");
    EXPECT_EQ(items.items, (Items{"c:\\c\\", "D:\\Új\\", "C:\\E\\", "C:\\D\\", "C:\\B\\", "Tallóz..."}));
    EXPECT_EQ(location.hint, "Válassza ki, vagy gépelje be a keresés helyét");

    // A folder that is not there is not remembered; the field shows the newest again.
    normalise("C:\\Nincs");
    EXPECT_EQ(items.items.size(), 6u);
    EXPECT_EQ(location.text, "c:\\c\\");
}

TEST_F(Location, BrowseEntryOpensThePickerOthersOnlyClearTheTag) {
    items.items = {"C:\\A\\", "Tallóz..."};
    location.tag = 5;
    location.pick(0);
    EXPECT_TRUE(ui.folderRequests.empty());
    EXPECT_EQ(location.tag, 0);

    ui.folders.push_back(std::nullopt);
    location.pick(1);
    ASSERT_EQ(ui.folderRequests.size(), 1u);
    EXPECT_EQ(ui.folderRequests[0].title, "A keresési hely megadása");
    EXPECT_EQ(ui.folderRequests[0].startDir, "");
    EXPECT_EQ(items.selected, -1);  // cancelled: no selection, nothing started
    EXPECT_EQ(location.text, "");
    EXPECT_EQ(items.items, (Items{"C:\\A\\", "Tallóz..."}));

    ui.folders.push_back("C:\\Temp");
    location.pick(1);
    EXPECT_EQ(items.items, (Items{"C:\\Temp\\", "C:\\A\\", "Tallóz..."}));
    EXPECT_EQ(location.text, "C:\\Temp\\");
    EXPECT_EQ(items.selected, 0);
}

TEST_F(Location, TextPutInSelectsTheEqualItem) {
    items.items = {"C:\\A\\", "Tallóz..."};
    location.setText("c:\\a\\");
    EXPECT_EQ(items.selected, 0);
    location.setText("C:\\Temp");
    EXPECT_EQ(items.selected, -1);
    location.edit_searchpathChange();  // not the browse entry: nothing opens
    location.typed("Tallóz...");
    EXPECT_TRUE(ui.folderRequests.empty());
    EXPECT_EQ(location.text, "Tallóz...");
}

}  // namespace
