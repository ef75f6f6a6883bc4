// Marks, colours, the marking menu and sorting of the container and task grids.
#include <gtest/gtest.h>

#include "core/containers/container_names.h"
#include "core/containers/grid_format.h"
#include "core/containers/grid_marks.h"
#include "core/containers/grid_sort.h"
#include "platform/fake/fake_file_system.h"

using namespace kefelo;
using config::ContainerRow;
using config::Mark;
using config::TaskRow;
using containers::CellColour;
using containers::CellFont;
using containers::GridKind;
using containers::MarkingCommand;

TEST(ContainerNames, StandardNamesByLastComponentIgnoringCase) {
    EXPECT_TRUE(containers::isStandardContainerName("C:\\Windows\\Temp"));
    EXPECT_TRUE(containers::isStandardContainerName("C:\\Documents and Settings\\Józsi\\COOKIES"));
    EXPECT_TRUE(containers::isStandardContainerName("D:\\x\\Temporary Internet Files"));
    EXPECT_TRUE(containers::isStandardContainerName("templates"));
    // Only the whole last component counts.
    EXPECT_FALSE(containers::isStandardContainerName("C:\\Temp\\Cache"));
    EXPECT_FALSE(containers::isStandardContainerName("C:\\Temp2"));
    EXPECT_FALSE(containers::isStandardContainerName("C:\\Temp\\"));
    EXPECT_FALSE(containers::isStandardContainerName("D:"));
    EXPECT_FALSE(containers::isStandardContainerName(""));
}

TEST(ContainerNames, BareDriveExistsAsItsRoot) {
    platform::fake::FakeFileSystem fs;
    fs.addDirectory("D:\\Temp");
    EXPECT_TRUE(containers::folderExists(fs, "D:"));
    EXPECT_TRUE(containers::folderExists(fs, "d:\\temp"));
    EXPECT_FALSE(containers::folderExists(fs, "E:"));
    EXPECT_FALSE(containers::folderExists(fs, ""));
}

TEST(GridFormat, ContainerColoursFollowFolderAndName) {
    const ContainerRow temp{Mark::Active, "2024. 05. 06.", "C:\\Windows\\Temp"};
    const ContainerRow cache{Mark::Inactive, "2024. 05. 06.", "E:\\Cache"};

    EXPECT_EQ(containers::containerCellFormat(temp, 0, true),
              (containers::CellFormat{CellFont::Wingdings, CellColour::WindowText, CellColour::Window}));
    EXPECT_EQ(containers::containerCellFormat(temp, 2, true),
              (containers::CellFormat{CellFont::Arial, CellColour::WindowText, CellColour::Window}));
    // Not a standard name: yellow on maroon in every column, marks still as boxes.
    for (int column = 0; column < 3; ++column) {
        const auto format = containers::containerCellFormat(cache, column, true);
        EXPECT_EQ(format.text, CellColour::Yellow) << column;
        EXPECT_EQ(format.background, CellColour::Maroon) << column;
        EXPECT_EQ(format.font, column == 0 ? CellFont::Wingdings : CellFont::Arial) << column;
    }
    // A missing folder greys the whole row, whatever its name.
    for (const ContainerRow& row : {temp, cache}) {
        const auto format = containers::containerCellFormat(row, 2, false);
        EXPECT_EQ(format.background, CellColour::ButtonFace);
        EXPECT_EQ(format.text, CellColour::GrayText);
    }
    // The missing mark draws nothing, so it needs no symbol font.
    EXPECT_EQ(containers::containerCellFormat({Mark::None, "0", "C:\\Temp"}, 0, false).font, CellFont::Arial);
}

TEST(GridFormat, TaskRowsGreyOnlyWhenMissing) {
    const TaskRow task{Mark::Inactive, "E:\\Munka", "*.tmp|*.bak"};
    EXPECT_EQ(containers::taskCellFormat(task, 2, true).background, CellColour::Window);
    EXPECT_EQ(containers::taskCellFormat(task, 0, true).font, CellFont::Wingdings);
    EXPECT_EQ(containers::taskCellFormat(task, 1, false).background, CellColour::ButtonFace);
}

TEST(GridMarks, DoubleClickTogglesExistingFoldersOnly) {
    Mark mark = Mark::Inactive;
    EXPECT_FALSE(containers::toggleOnDoubleClick(mark, true, GridKind::Containers));
    EXPECT_EQ(mark, Mark::Active);
    EXPECT_FALSE(containers::toggleOnDoubleClick(mark, true, GridKind::Containers));
    EXPECT_EQ(mark, Mark::Inactive);
    // A folder that came back starts inactive.
    mark = Mark::None;
    containers::toggleOnDoubleClick(mark, true, GridKind::Tasks);
    EXPECT_EQ(mark, Mark::Inactive);

    mark = Mark::Active;
    EXPECT_EQ(containers::toggleOnDoubleClick(mark, false, GridKind::Containers),
              "Az aktuális könyvtár nem található, így nem is tekető aktívvá!");
    EXPECT_EQ(mark, Mark::Active);
    EXPECT_EQ(containers::toggleOnDoubleClick(mark, false, GridKind::Tasks),
              "A Feladat munkakönyvtára nem található, így nem is tekető aktívvá!");
    mark = Mark::None;
    EXPECT_FALSE(containers::toggleOnDoubleClick(mark, false, GridKind::Containers));
    EXPECT_EQ(mark, Mark::None);
}

TEST(GridMarks, MarkingMenuLeavesMissingFoldersAlone) {
    platform::fake::FakeFileSystem fs;
    fs.addDirectory("C:\\Temp");
    fs.addDirectory("C:\\Windows\\Temp");
    config::ContainerGrid grid;
    grid.rows = {
        {Mark::Inactive, "x", "C:\\Temp"}, {Mark::Active, "x", "C:\\Windows\\Temp"}, {Mark::None, "0", "Q:\\Gone"}};

    EXPECT_TRUE(containers::applyMarking(grid, MarkingCommand::Invert, fs));
    EXPECT_EQ(grid.rows[0].mark, Mark::Active);
    EXPECT_EQ(grid.rows[1].mark, Mark::Inactive);
    EXPECT_EQ(grid.rows[2].mark, Mark::None);

    EXPECT_TRUE(containers::applyMarking(grid, MarkingCommand::SelectAll, fs));
    EXPECT_EQ(grid.rows[1].mark, Mark::Active);
    EXPECT_FALSE(containers::applyMarking(grid, MarkingCommand::SelectAll, fs));
    EXPECT_TRUE(containers::applyMarking(grid, MarkingCommand::ClearAll, fs));
    EXPECT_EQ(grid.rows[0].mark, Mark::Inactive);
    EXPECT_EQ(grid.rows[2].mark, Mark::None);
}

TEST(GridMarks, MenuOpensOnFilledRowsAndLocationItemsNeedAMark) {
    EXPECT_TRUE(containers::markingMenuOpens(ContainerRow{Mark::None, "0", "C:\\Gone"}));
    EXPECT_FALSE(containers::markingMenuOpens(ContainerRow{}));
    EXPECT_TRUE(containers::markingMenuOpens(TaskRow{Mark::Active, "C:\\", "*.tmp"}));
    EXPECT_FALSE(containers::markingMenuOpens(TaskRow{}));
    EXPECT_FALSE(containers::locationItemsEnabled(Mark::None));
    EXPECT_TRUE(containers::locationItemsEnabled(Mark::Inactive));
}

TEST(GridMarks, OpenLocationUsesShortPathsAndDriveRoots) {
    platform::fake::FakeFileSystem fs;
    fs.addDirectory("C:\\Documents and Settings\\Temporary Internet Files");
    fs.setShortName("C:\\Documents and Settings", "DOCUME~1");
    fs.setShortName("C:\\Documents and Settings\\Temporary Internet Files", "TEMPOR~1");
    fs.addDirectory("D:\\Work");

    auto open = containers::openLocation(
        ContainerRow{Mark::Active, "x", "C:\\Documents and Settings\\Temporary Internet Files"}, fs, true);
    EXPECT_EQ(open.explorerParameter, "C:\\DOCUME~1\\TEMPOR~1");
    EXPECT_FALSE(open.error);
    EXPECT_EQ(containers::openLocation(ContainerRow{Mark::Active, "x", "D:"}, fs, true).explorerParameter, "D:\\");
    EXPECT_EQ(containers::openLocation(TaskRow{Mark::Active, "D:\\Work", "*.tmp"}, fs, true).explorerParameter,
              "D:\\Work");

    // Missing folders: an error with alerts on, silence with them off.
    open = containers::openLocation(ContainerRow{Mark::Active, "x", "Q:\\Temp"}, fs, true);
    EXPECT_EQ(open.error, "A következő, kijelölt könyvtár nem található:\r\nQ:\\Temp");
    EXPECT_TRUE(open.explorerParameter.empty());
    open = containers::openLocation(TaskRow{Mark::Active, "Q:\\Munka", "*.tmp"}, fs, true);
    EXPECT_EQ(open.error, "A következő helyű, kijelölt feladat nem található:\r\nQ:\\Munka");
    open = containers::openLocation(TaskRow{Mark::Active, "Q:\\Munka", "*.tmp"}, fs, false);
    EXPECT_FALSE(open.error);
    EXPECT_TRUE(open.explorerParameter.empty());

    EXPECT_EQ(containers::propertiesTarget("D:"), "D:\\");
    EXPECT_EQ(containers::propertiesTarget("D:\\Work"), "D:\\Work");
}

TEST(GridMarks, OverlongLocationIsRefusedByCharactersNotBytes) {
    platform::fake::FakeFileSystem fs;
    // 2 + 998 two-byte characters: 1000 characters, 1998 bytes.
    std::string accented = "D:";
    for (int i = 0; i < 998; ++i) accented += "é";
    fs.addDirectory(accented);
    EXPECT_EQ(containers::openLocation(TaskRow{Mark::Active, accented, "*"}, fs, true).explorerParameter, accented);

    const std::string longer = accented + "x";
    fs.addDirectory(longer);
    const auto open = containers::openLocation(TaskRow{Mark::Active, longer, "*"}, fs, true);
    EXPECT_EQ(open.error, "A könyvtár elérési útja túl hosszú!\r\nNem tudom megjeleníteni!");
    EXPECT_TRUE(open.explorerParameter.empty());
}

TEST(GridSort, SortsRowsStablyIgnoringCase) {
    config::ContainerGrid grid;
    grid.rows = {{Mark::Inactive, "2024. 01. 02.", "c:\\windows\\Temp"},
                 {Mark::Active, "2023. 12. 31.", "C:\\Temp"},
                 {Mark::None, "0", "C:\\TEMP"},
                 {Mark::Inactive, "2024. 01. 02.", "B:\\Temp"}};
    containers::SortOrder order = containers::SortOrder{}.afterClickOn(2);
    containers::sortRows(grid, order);
    ASSERT_EQ(grid.rows.size(), 4u);
    EXPECT_EQ(grid.rows[0].path, "B:\\Temp");
    // Equal keys keep their order.
    EXPECT_EQ(grid.rows[1].path, "C:\\Temp");
    EXPECT_EQ(grid.rows[2].path, "C:\\TEMP");
    EXPECT_EQ(grid.rows[3].path, "c:\\windows\\Temp");

    order = order.afterClickOn(2);
    EXPECT_FALSE(order.ascending);
    containers::sortRows(grid, order);
    EXPECT_EQ(grid.rows[0].path, "c:\\windows\\Temp");
    EXPECT_EQ(grid.rows[3].path, "B:\\Temp");

    // By mark: missing, inactive, active.
    order = order.afterClickOn(0);
    EXPECT_TRUE(order.ascending);
    containers::sortRows(grid, order);
    EXPECT_EQ(grid.rows[0].mark, Mark::None);
    EXPECT_EQ(grid.rows[3].mark, Mark::Active);
}

TEST(GridSort, AccentsFoldWithTheirLetters) {
    config::TaskGrid grid;
    grid.rows = {{Mark::Inactive, "C:\\Zöld", "*.tmp"},   {Mark::Inactive, "C:\\Bor", "*.tmp"},
                 {Mark::Inactive, "C:\\árvíz2", "*.old"}, {Mark::Inactive, "C:\\ÁRVÍZ", "*.bak"},
                 {Mark::Inactive, "C:\\Arc", "*.bak"},    {Mark::Inactive, "C:\\Árb", "*.bak"}};
    containers::sortRows(grid, containers::SortOrder{1, true});
    std::vector<std::string> order;
    for (const auto& row : grid.rows) order.push_back(row.location);
    EXPECT_EQ(order,
              (std::vector<std::string>{"C:\\Árb", "C:\\Arc", "C:\\ÁRVÍZ", "C:\\árvíz2", "C:\\Bor", "C:\\Zöld"}));
    EXPECT_EQ(containers::cellText(grid.rows[5], 2), "*.tmp");
    EXPECT_EQ(containers::cellText(TaskRow{Mark::Active, "", ""}, 0), "\xC3\xBE");
}

TEST(ContainerHint, FoldersPastEightyCharactersShowTheirShortForm) {
    platform::fake::FakeFileSystem fs;
    // 80 characters, accents counted once: shown as it is.
    const std::string eighty = "C:\\" + std::string(71, 'a') + "\\Árvíz";
    fs.addDirectory(eighty);
    fs.setShortName(eighty, "RVZ~1");
    EXPECT_EQ(containers::containerHint(eighty, fs), eighty);
    const std::string longer = eighty + "x";
    fs.addDirectory(longer);
    fs.setShortName(longer, "RVZX~1");
    EXPECT_EQ(containers::containerHint(longer, fs), fs.shortPath(longer));
    EXPECT_NE(fs.shortPath(longer), longer);
}
