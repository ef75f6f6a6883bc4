#include "core/search/found_files.h"

#include <gtest/gtest.h>

#include "core/search/found_files_legend.h"
#include "core/search/found_files_menu.h"
#include "core/search/found_files_sort.h"
#include "base/time/datetime.h"
#include "platform/fake/fake_file_system.h"
#include "platform/fake/fake_system.h"
#include "platform/fake/fake_ui.h"

using namespace kefelo;
using config::Mark;
using config::MarkingCommand;
using search::FoundFiles;
using search::RowColour;
using Texts = std::vector<std::string>;
namespace attr = platform::attr;

namespace {

int64_t ticks(int year, int month, int day) { return timeutil::toFileTime(timeutil::toDateTime({year, month, day})); }

class Found : public ::testing::Test {
protected:
    Found() {
        add("C:\\Temp\\", "a.tmp", 10, attr::kArchive, ticks(2024, 3, 1));
        add("C:\\Temp\\sub\\", "B.TMP", 3'000'000'000LL, attr::kArchive | attr::kReadOnly, ticks(2023, 12, 31));
        add("C:\\", "x.tmp.log.tmp", 2, attr::kHidden, ticks(2024, 3, 1));
        add("C:\\Temp\\", "DATA.BAK", 5);                   // protected
        add("C:\\Temp\\", "dir.tmp", 0, attr::kDirectory);  // a folder
        add("D:\\Régi\\", "noext", 7, attr::kSystem, ticks(2025, 1, 2));
        fill();
    }
    void add(const std::string& folder, const std::string& name, int64_t size, uint32_t attributes = attr::kArchive,
             int64_t written = 0) {
        matches.push_back({name, folder, size, attributes, 0, written});
        if (attributes & attr::kDirectory) return;
        fs.addFileOfSize(folder + name, static_cast<uint64_t>(size), attributes, written);
    }
    void fill() { files.fill(matches, config::ProtectionTest({"data.bak"}), clock); }
    Texts column(int c) const {
        Texts out;
        for (size_t i = 0; i < files.size(); ++i) out.push_back(files.cellText(i, c));
        return out;
    }
    std::vector<Mark> marks() const {
        std::vector<Mark> out;
        for (size_t i = 0; i < files.size(); ++i) out.push_back(files.row(i).mark);
        return out;
    }

    platform::fake::FakeFileSystem fs;
    platform::fake::FakeClock clock;
    std::vector<search::TFilePack> matches;
    FoundFiles files;
};

TEST_F(Found, FillListsMatchesInWalkOrderWithTheirCells) {
    ASSERT_EQ(files.size(), 4u);  // the protected name and the folder are left out
    EXPECT_EQ(column(search::col_mark), (Texts{"o", "o", "o", "o"}));
    EXPECT_EQ(column(search::col_name), (Texts{"a", "B", "x.tmp.log", "noext"}));
    EXPECT_EQ(column(search::col_ext), (Texts{".tmp", ".TMP", ".tmp", ""}));
    EXPECT_EQ(column(search::col_folder), (Texts{"C:\\Temp", "C:\\Temp\\sub", "C:", "D:\\Régi"}));
    EXPECT_EQ(column(search::col_size), (Texts{"10", "3000000000", "2", "7"}));
    EXPECT_EQ(column(search::col_date), (Texts{"2024. 03. 01.", "2023. 12. 31.", "2024. 03. 01.", "2025. 01. 02."}));
    EXPECT_EQ(column(search::col_attrib), (Texts{"A-----", "A--R--", "--H---", "----S-"}));
    EXPECT_EQ(files.fullPath(2), "C:\\x.tmp.log.tmp");
    EXPECT_EQ(search::attributeLetters(0x3F), "ADHRSV");
    EXPECT_EQ(files.rowHint(1), "C:\\Temp\\sub\\B.tmp");
    EXPECT_FALSE(files.rowHint(4));
    EXPECT_FALSE(files.rowHint(-1));
}

TEST_F(Found, SummariesAre64Bit) {
    EXPECT_EQ(files.foundSummary(), "4 db\r\n3.000.000.019 bájt");
    files.mark(MarkingCommand::SelectAll);
    files.recount();
    EXPECT_EQ(files.activeSummary(), "4 db\r\n3.000.000.019 bájt");
    files.toggle(0);
    files.recount();
    EXPECT_EQ(files.activeCount(), 3);
    EXPECT_EQ(files.activeBytes(), 3'000'000'009);
    files.clear();
    EXPECT_EQ(files.foundSummary(), "0 db\r\n0 bájt");
}

TEST_F(Found, MarkingCommandsPassOverRowsWithoutAMark) {
    fs.deleteFile("C:\\x.tmp.log.tmp");
    for (size_t i = 0; i < files.size(); ++i) files.refreshRow(i, fs, clock, false);
    files.mark(MarkingCommand::SelectAll);
    EXPECT_EQ(marks(), (std::vector<Mark>{Mark::Active, Mark::Active, Mark::None, Mark::Active}));
    files.toggle(1);
    files.mark(MarkingCommand::Invert);
    EXPECT_EQ(marks(), (std::vector<Mark>{Mark::Inactive, Mark::Active, Mark::None, Mark::Inactive}));
    files.mark(MarkingCommand::SelectAll);
    files.mark(MarkingCommand::Invert);
    EXPECT_EQ(marks(), (std::vector<Mark>{Mark::Inactive, Mark::Inactive, Mark::None, Mark::Inactive}));
    EXPECT_FALSE(files.toggle(2));
    EXPECT_FALSE(files.toggle(9));
    files.recount();
    EXPECT_EQ(files.activeCount(), 0);
}

TEST_F(Found, SelectByTheCurrentRowsColumn) {
    search::FoundFilesMenu menu;
    files.currentRow = 1;  // B.TMP
    EXPECT_EQ(menu.selectByCaptions(files),
              (std::array<std::string, 5>{"Név: B", "Kiterjesztés: .TMP", "Hely: C:\\Temp\\sub", "Méret: 3000000000",
                                          "Létrehozva: 2023. 12. 31."}));
    files.toggle(3);  // noext active
    menu.keepMarks = false;
    menu.selectBy(files, 1);  // by extension: ".tmp" in any letter case
    EXPECT_EQ(marks(), (std::vector<Mark>{Mark::Active, Mark::Active, Mark::Active, Mark::Inactive}));

    files.mark(MarkingCommand::ClearAll);
    files.toggle(3);
    menu.keepMarks = true;
    files.currentRow = 0;
    menu.selectBy(files, 2);  // by folder: only "C:\Temp", and the earlier mark stays
    EXPECT_EQ(marks(), (std::vector<Mark>{Mark::Active, Mark::Inactive, Mark::Inactive, Mark::Active}));

    files.mark(MarkingCommand::ClearAll);
    files.currentRow = 2;
    menu.selectBy(files, 4);  // by date
    EXPECT_EQ(marks(), (std::vector<Mark>{Mark::Active, Mark::Inactive, Mark::Active, Mark::Inactive}));
    files.mark(MarkingCommand::ClearAll);
    menu.selectBy(files, 3);  // by size
    EXPECT_EQ(marks(), (std::vector<Mark>{Mark::Inactive, Mark::Inactive, Mark::Active, Mark::Inactive}));
    files.mark(MarkingCommand::ClearAll);
    files.currentRow = 3;
    menu.selectBy(files, 0);  // by name
    EXPECT_EQ(marks(), (std::vector<Mark>{Mark::Inactive, Mark::Inactive, Mark::Inactive, Mark::Active}));
}

TEST_F(Found, MenuOpensOverResultsAndRowItemsNeedAMark) {
    files.currentRow = 2;
    EXPECT_TRUE(search::FoundFilesMenu::opens(files));
    EXPECT_TRUE(search::FoundFilesMenu::rowItemsEnabled(files));
    fs.deleteFile("C:\\x.tmp.log.tmp");
    files.refreshRow(2, fs, clock, false);
    EXPECT_FALSE(search::FoundFilesMenu::rowItemsEnabled(files));
    files.clear();
    EXPECT_FALSE(search::FoundFilesMenu::opens(files));
    EXPECT_EQ(search::FoundFilesMenu::selectByCaptions(files)[0], "Név: ");
}

TEST_F(Found, RefreshFollowsTheDisk) {
    EXPECT_EQ(files.rowColour(0), RowColour::Normal);
    EXPECT_EQ(files.rowColour(1), RowColour::ReadOnly);
    EXPECT_EQ(files.rowColour(2), RowColour::Hidden);
    EXPECT_EQ(files.rowColour(3), RowColour::System);
    files.toggle(0);

    // Gone: the mark goes, the colour turns grey, the row no longer counts.
    fs.deleteFile("C:\\Temp\\a.tmp");
    // Changed attributes: the colour follows at once, the column only with details.
    fs.setAttributes("C:\\x.tmp.log.tmp", attr::kArchive | attr::kSystem);
    for (size_t i = 0; i < files.size(); ++i) files.refreshRow(i, fs, clock, false);
    EXPECT_EQ(files.row(0).mark, Mark::None);
    EXPECT_EQ(files.rowColour(0), RowColour::Missing);
    EXPECT_EQ(files.rowColour(2), RowColour::System);
    EXPECT_EQ(files.cellText(2, search::col_attrib), "--H---");
    files.recount();
    EXPECT_EQ(files.activeCount(), 0);

    // Back again, bigger: inactive, not its former mark; details bring size, date, letters.
    fs.addFileOfSize("C:\\Temp\\a.tmp", 4'000'000'000ULL, attr::kArchive, ticks(2026, 5, 6));
    for (size_t i = 0; i < files.size(); ++i) files.refreshRow(i, fs, clock, true);
    EXPECT_EQ(files.row(0).mark, Mark::Inactive);
    EXPECT_EQ(files.cellText(0, search::col_size), "4000000000");
    EXPECT_EQ(files.cellText(0, search::col_date), "2026. 05. 06.");
    EXPECT_EQ(files.cellText(2, search::col_attrib), "A---S-");

    // A folder where the file was is no file.
    fs.deleteFile("D:\\Régi\\noext");
    fs.addDirectory("D:\\Régi\\noext");
    files.refreshRow(3, fs, clock, true);
    EXPECT_EQ(files.row(3).mark, Mark::None);
}

TEST_F(Found, SortsNumbersDatesAndTextEachByItsKind) {
    add("C:\\temp\\", "Árvíz.tmp", 9, attr::kArchive, ticks(2024, 3, 1));
    add("C:\\Temp\\", "arc.tmp", 1'000, attr::kArchive, ticks(2022, 1, 1));
    fill();
    files.toggle(4);  // Árvíz: its mark travels with it
    search::FoundFilesSorting sorting;

    sorting.titleClick(files, search::col_size, false);
    EXPECT_EQ(column(search::col_size), (Texts{"2", "7", "9", "10", "1000", "3000000000"}));
    EXPECT_EQ(files.row(2).mark, Mark::Active);
    sorting.titleClick(files, search::col_size, false);  // again: descending
    EXPECT_EQ(column(search::col_size), (Texts{"3000000000", "1000", "10", "9", "7", "2"}));
    sorting.titleClick(files, search::col_size, false);  // after descending: ascending
    EXPECT_EQ(column(search::col_size).front(), "2");

    sorting.titleClick(files, search::col_name, false);
    EXPECT_EQ(column(search::col_name), (Texts{"a", "arc", "Árvíz", "B", "noext", "x.tmp.log"}));
    // The right button: descending; folders differing in letter case only keep their order.
    sorting.titleClick(files, search::col_folder, true);
    EXPECT_EQ(column(search::col_folder),
              (Texts{"D:\\Régi", "C:\\Temp\\sub", "C:\\Temp", "C:\\Temp", "C:\\temp", "C:"}));
    EXPECT_EQ(column(search::col_name)[4], "Árvíz");
    sorting.titleClick(files, search::col_folder, true);  // right again: still descending
    EXPECT_EQ(column(search::col_folder).front(), "D:\\Régi");

    // Dates as dates, not as their text ("12/31/2023" before "3/1/2024"), a day's rows
    // keeping their order.
    files.shortDatePicture = "M/d/yyyy";
    sorting.titleClick(files, search::col_size, false);
    sorting.titleClick(files, search::col_date, false);
    EXPECT_EQ(column(search::col_name), (Texts{"arc", "B", "x.tmp.log", "Árvíz", "a", "noext"}));

    search::FoundFiles one;
    EXPECT_FALSE(sorting.titleClick(one, search::col_size, false));
}

TEST_F(Found, CellsAreDrawnInTheColourOfTheDiskAsItIsNow) {
    using search::CellFont;
    using search::FoundCellFormat;
    const auto format = [this](size_t row, int column) {
        return search::foundCellFormat(files, row, column, files.attributesNow(row, fs));
    };
    EXPECT_EQ(format(1, search::col_mark), (FoundCellFormat{CellFont::Wingdings, true, RowColour::ReadOnly, false}));
    EXPECT_EQ(format(1, search::col_name), (FoundCellFormat{CellFont::Arial, false, RowColour::ReadOnly, true}));

    // Another program deletes one file and hides another: the next paint shows it, before
    // any refresh; the mark stays until the refresh.
    fs.deleteFile("C:\\Temp\\a.tmp");
    fs.setAttributes("C:\\Temp\\sub\\B.TMP", attr::kArchive | attr::kHidden);
    EXPECT_EQ(format(0, search::col_name).colour, RowColour::Missing);
    EXPECT_EQ(format(0, search::col_mark), (FoundCellFormat{CellFont::Wingdings, true, RowColour::Missing, false}));
    EXPECT_EQ(format(1, search::col_name).colour, RowColour::Hidden);
    files.refreshRow(0, fs, clock, false);
    EXPECT_EQ(format(0, search::col_mark), (FoundCellFormat{CellFont::Arial, false, RowColour::Missing, false}));
    // Back on the disk, a row with the missing mark stays grey until a refresh finds it.
    fs.addFile("C:\\Temp\\a.tmp");
    EXPECT_EQ(format(0, search::col_name).colour, RowColour::Missing);
}

TEST(FoundFilesLegend, ColoursChangeAndResetAfterAsking) {
    platform::fake::FakeUi ui;
    search::ColourLegend legend;
    EXPECT_EQ(legend.colour(RowColour::Normal), (search::Rgb{0, 0, 128}));
    EXPECT_EQ(legend.colour(RowColour::System), (search::Rgb{255, 255, 0}));
    legend.setColour(RowColour::Missing, {1, 2, 3});

    ui.answers = {platform::Answer::No};
    EXPECT_FALSE(legend.resetAsked(ui, true));
    EXPECT_EQ(legend.colour(RowColour::Missing), (search::Rgb{1, 2, 3}));
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].kind, platform::MessageKind::Confirmation);
    EXPECT_EQ(ui.messages[0].buttons, platform::Buttons::YesNo);
    EXPECT_EQ(ui.messages[0].text, "Valóban visszaállítja a Találati táblázat alapértelmezett színeit?");

    EXPECT_TRUE(legend.resetAsked(ui, false));  // without the alerts it asks nothing
    EXPECT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(legend.colour(RowColour::Missing), (search::Rgb{128, 128, 128}));
}

}  // namespace
