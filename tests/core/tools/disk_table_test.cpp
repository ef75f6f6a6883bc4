#include "core/tools/disk_table.h"

#include <gtest/gtest.h>

#include "core/app/busy_guard.h"
#include "platform/fake/fake_platform.h"

namespace kefelo::tools {
namespace {

using platform::DriveType;

struct DiskTableTest : platform::fake::FakePlatform, ::testing::Test {
    app::Activity activity = app::Activity::Idle;
    Tform_diskinfo table{platform, shell, activity};

    std::vector<std::string> letters() const {
        std::vector<std::string> out;
        for (const auto& row : table.rows) out.push_back(row.cells[0]);
        return out;
    }
};

TEST_F(DiskTableTest, RowsHoldThousandsOfBytesGroupedWithTheirShare) {
    // A 3 TB disk: every figure is past 32 bits.
    fs.addDrive('C', DriveType::Fixed,
                {.freeToCaller = 1'200'000'000'999, .total = 3'000'000'000'999, .totalFree = 1'200'000'000'999},
                "Rendszer");
    fs.addDrive('D', DriveType::Fixed, {.freeToCaller = 1000, .total = 4000, .totalFree = 1000}, "   ");
    table.Elemez(false);
    ASSERT_EQ(table.rows.size(), 2u);
    const auto& c = table.rows[0].cells;
    EXPECT_EQ(c[0], "C");
    EXPECT_EQ(c[1], "Rendszer ");
    EXPECT_EQ(c[2], "3.000.000.000");
    EXPECT_EQ(c[3], "1.800.000.000");
    EXPECT_EQ(c[4], "1.200.000.000");
    EXPECT_EQ(c[5], "60");
    const auto& d = table.rows[1].cells;
    EXPECT_EQ(d[1], "");  // a blank label shows nothing
    EXPECT_EQ((std::array<std::string, 4>{d[2], d[3], d[4], d[5]}), (std::array<std::string, 4>{"4", "3", "1", "75"}));
    EXPECT_DOUBLE_EQ(table.rows[1].usedPercent, 75.0);
}

TEST_F(DiskTableTest, UsedSpaceCountsFreeSpaceTheUserCannotHaveAsFree) {
    // A quota leaves the user less than the disk's free space: used is still total minus free.
    fs.addDrive('C', DriveType::Fixed, {.freeToCaller = 100'000, .total = 1'000'000, .totalFree = 400'000}, "");
    table.Elemez(false);
    ASSERT_EQ(table.rows.size(), 1u);
    EXPECT_EQ(table.rows[0].cells[3], "600");
    EXPECT_EQ(table.rows[0].cells[4], "100");
    EXPECT_EQ(table.rows[0].cells[5], "60");
}

TEST_F(DiskTableTest, PercentTextIsCutNotRoundedAndNeverInExponentForm) {
    EXPECT_EQ(diskPercentText(45.67891, ","), "45,67");
    EXPECT_EQ(diskPercentText(45.67891, "."), "45.67");
    EXPECT_EQ(diskPercentText(99.999, ","), "99,99");
    EXPECT_EQ(diskPercentText(100, ","), "100");
    EXPECT_EQ(diskPercentText(0, ","), "0");
    EXPECT_EQ(diskPercentText(3.3e-8, ","), "0,000");
    EXPECT_EQ(diskPercentText(2.0 / 3.0 * 100, ","), "66,66");
}

TEST_F(DiskTableTest, AllDrivesWidensTheScanButSkipsDrivesWithoutMedia) {
    fs.addDrive('C', DriveType::Fixed, {.freeToCaller = 5000, .total = 10'000, .totalFree = 5000}, "");
    fs.addDrive('A', DriveType::Removable, {}, "");  // no disk in it: reports no size
    fs.addDrive('E', DriveType::CdRom, {.freeToCaller = 0, .total = 700'000'000, .totalFree = 0}, "LEMEZ");
    fs.addDrive('F', DriveType::Remote, {.freeToCaller = 1000, .total = 999, .totalFree = 1000}, "");
    table.Elemez(false);
    EXPECT_EQ(letters(), (std::vector<std::string>{"C"}));
    table.Elemez(true);
    EXPECT_EQ(letters(), (std::vector<std::string>{"C", "E"}));  // F is under 1000 bytes: no share to show
    EXPECT_EQ(table.rows[1].cells[5], "100");
    table.check_alldriveinfodisplay = true;
    table.closed();
    EXPECT_FALSE(table.check_alldriveinfodisplay);
}

TEST_F(DiskTableTest, TheScanHoldsItsCodeAndARefreshMeanwhileIsRefused) {
    fs.addDrive('C', DriveType::CdRom, {}, "");  // no fixed disk at all: only the header remains
    std::vector<std::pair<std::string, bool>> seen;
    table.changed = [&] { seen.emplace_back(table.caption, table.gridEnabled); };
    std::vector<app::Activity> during;
    bool nestedRan = true;
    ui.onPump = [&] {
        during.push_back(activity);
        if (during.size() == 1) nestedRan = table.Elemez(true);  // a refresh click while the scan runs
    };
    EXPECT_TRUE(table.Elemez(false));
    EXPECT_FALSE(nestedRan);
    EXPECT_TRUE(table.rows.empty());
    EXPECT_FALSE(table.check_alldriveinfodisplay);
    EXPECT_EQ(during, std::vector<app::Activity>(26, app::Activity::DiskScan));
    EXPECT_EQ(activity, app::Activity::Idle);
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].text, app::kBusyWarning);
    ASSERT_EQ(seen.size(), 2u);
    EXPECT_EQ(seen[0], std::make_pair(std::string(kDiskTableBusyCaption), false));
    EXPECT_EQ(seen[1], std::make_pair(std::string(kDiskTableCaption), true));
}

TEST_F(DiskTableTest, WhileAnotherOperationRunsTheTableNeitherOpensNorScans) {
    fs.addDrive('C', DriveType::Fixed, {.freeToCaller = 5000, .total = 10'000, .totalFree = 5000}, "");
    table.Elemez(false);
    fs.addDrive('D', DriveType::Fixed, {.freeToCaller = 5000, .total = 10'000, .totalFree = 5000}, "");
    activity = app::Activity::SystemStores;
    EXPECT_FALSE(table.mayOpen());
    EXPECT_FALSE(table.Elemez(true));
    EXPECT_EQ(letters(), (std::vector<std::string>{"C"}));
    EXPECT_FALSE(table.check_alldriveinfodisplay);
    EXPECT_EQ(ui.pumpCount, 26);
    EXPECT_EQ(activity, app::Activity::SystemStores);
    ASSERT_EQ(ui.messages.size(), 2u);
    EXPECT_EQ(ui.messages[1].text, app::kBusyWarning);

    activity = app::Activity::Idle;
    EXPECT_TRUE(table.mayOpen());
    EXPECT_EQ(ui.messages.size(), 2u);
}

TEST_F(DiskTableTest, AQuitDuringTheScanStopsIt) {
    for (char letter : {'C', 'D', 'E'})
        fs.addDrive(letter, DriveType::Fixed, {.freeToCaller = 5000, .total = 10'000, .totalFree = 5000}, "");
    ui.onPump = [&] {
        if (ui.pumpCount == 4) activity = app::Activity::Idle;  // before drive D
    };
    table.Elemez(false);
    EXPECT_EQ(letters(), (std::vector<std::string>{"C"}));
    EXPECT_EQ(ui.pumpCount, 4);
    EXPECT_TRUE(table.gridEnabled);
    EXPECT_EQ(table.caption, kDiskTableCaption);
}

TEST_F(DiskTableTest, DriveIsOpenedAndItsPropertiesShownThroughTheShell) {
    fs.addDrive('D', DriveType::Fixed, {.freeToCaller = 5000, .total = 10'000, .totalFree = 5000}, "");
    table.Elemez(false);
    const int d = static_cast<int>(table.rows.size()) - 1;
    ASSERT_EQ(table.rows[d].cells[0], "D");
    table.openDrive(d);
    table.openDrive(d + 1);  // past the rows: nothing
    ASSERT_EQ(shell.executed.size(), 1u);
    EXPECT_EQ(shell.executed[0], (platform::fake::ExecutedFile{"explorer.exe", "D:", "", true}));

    table.driveProperties(d, true);
    EXPECT_EQ(shell.propertiesOpened, (std::vector<std::string>{"D:"}));
    EXPECT_TRUE(ui.messages.empty());
    shell.accept = false;
    table.driveProperties(d, false);
    EXPECT_TRUE(ui.messages.empty());
    table.driveProperties(d, true);
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].kind, platform::MessageKind::Error);
    EXPECT_EQ(ui.messages[0].text, kDiskPropertiesFailed);
}

}  // namespace
}  // namespace kefelo::tools
