#pragma once
// The disk analysis table `Tform_diskinfo`: one row per drive with its size, used and free
// space in units of 1000 bytes and its fill percentage; fixed disks only unless the
// all-drives box is ticked. The window shows the rows and forwards its events here.
#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "core/app/activity.h"
#include "platform/platform.h"
#include "platform/shell.h"

namespace kefelo::tools {

inline constexpr std::string_view kDiskTableCaption = "A számítógépéhez csatlakoztatott meghajtók elemzése";
inline constexpr std::string_view kDiskTableBusyCaption = "Meghajtók felderítése folyamatban... Kérem várjon!";
// The hint of every button that opens the table.
inline constexpr std::string_view kDiskInfoHint = "A számítógépekhez csatlakoztatott lemezek terület-elemző táblázata";
// Hints of the window's controls.
inline constexpr std::string_view kAllDrivesHint = "A számítógéphez csatlakoztatott összes meghajtó méretadatainak megjelenítése";
inline constexpr std::string_view kRefreshHint = "A lemezterület-adatok újboli kiszámítása";
inline constexpr std::string_view kCloseHint = "Az lemezelemző ablak bezárása";
inline constexpr std::string_view kGridHint =
    "Dupla kattintás: Az aktuális meghajtó megnyitása. Jobb egérgomb: A tulajdonságpanel megtekintése";
inline constexpr std::string_view kDiskPropertiesFailed = "Nem sikerült lekérnem a kijelölt elem tulajdonságpaneljét!";

inline constexpr int kDiskColumnCount = 6;
inline constexpr int kDiskPercentColumn = 5;
inline constexpr std::array<std::string_view, kDiskColumnCount> kDiskColumnHeaders = {
    "Jel", "Kötetnév", "Teljes méret (Kb)", "Foglalt méret (Kb)", "Szabad méret (Kb)", "Foglaltság (%)",
};
inline constexpr std::array<int, kDiskColumnCount> kDiskColumnWidths = {29, 180, 129, 129, 129, 94};

struct DiskRow {
    char letter = 0;
    std::array<std::string, kDiskColumnCount> cells;
    double usedPercent = 0;  // for the fill bar
};

// The used percentage as the table shows it: general decimal form with the locale's
// separator, cut (not rounded) to five characters; never in exponent form.
std::string diskPercentText(double percent, const std::string& decimalSeparator);

class Tform_diskinfo {
public:
    // `activity` is the program's activity code: the scan holds it while it runs.
    Tform_diskinfo(platform::Platform& platform, platform::Shell& shell, app::Activity& activity)
        : platform_(platform), shell_(shell), activity_(activity) {}

    // Before the window shows: false, after the busy warning, while another operation runs,
    // since the table's modal loop and scan would run inside that operation's loop.
    bool mayOpen();
    // Rebuilds the rows and remembers `all`. The window is told when the scan starts and
    // ends (caption and grid state), and the message queue runs once per drive letter.
    // Refused with the busy warning, the rows as they were, while anything else runs;
    // returns whether it ran.
    bool Elemez(bool all);
    // After the window closed: the next opening starts with fixed disks only.
    void closed() { check_alldriveinfodisplay = false; }

    // Double click: the drive in Explorer; errors are ignored.
    void openDrive(int row);
    // Right button: the drive's property sheet; a failure is told when alerts are on.
    void driveProperties(int row, bool viewAlerts);

    bool check_alldriveinfodisplay = false;
    std::vector<DiskRow> rows;
    std::string caption{kDiskTableCaption};
    bool gridEnabled = true;
    std::function<void()> changed;

private:
    bool readRow(char letter, DiskRow& row);
    void notify() {
        if (changed) changed();
    }

    platform::Platform& platform_;
    platform::Shell& shell_;
    app::Activity& activity_;
};

}  // namespace kefelo::tools
