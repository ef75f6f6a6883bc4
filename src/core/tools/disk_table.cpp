#include "core/tools/disk_table.h"

#include <cmath>
#include <cstdio>

#include "base/text/format.h"
#include "core/app/busy_guard.h"

namespace kefelo::tools {
namespace {

std::string grouped(uint64_t value) { return text::Ezredel(std::to_string(value)); }

bool blank(const std::string& s) { return s.find_first_not_of(" \t") == std::string::npos; }

}  // namespace

std::string diskPercentText(double percent, const std::string& decimalSeparator) {
    if (!std::isfinite(percent)) return {};
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.15g", percent);
    std::string text = buffer;
    if (text.find_first_of("eE") != std::string::npos) {
        // Tiny shares would read as "3.333" after the cut of "3.33333e-08": write them out.
        std::snprintf(buffer, sizeof buffer, "%.10f", percent);
        text = buffer;
    }
    if (const auto dot = text.find('.'); dot != std::string::npos) text.replace(dot, 1, decimalSeparator);
    if (text.size() > 5) text.resize(5);
    return text;
}

bool Tform_diskinfo::readRow(char letter, DiskRow& row) {
    const std::string root = std::string(1, letter) + ":\\";
    // Asked of the root directly: the process's current folder stays where it is.
    const auto space = platform_.fs.diskSpace(root);
    if (!space) return false;
    const uint64_t totalK = space->total / 1000;
    const uint64_t freeK = space->freeToCaller / 1000;
    const uint64_t totalFreeK = space->totalFree / 1000;
    if (totalK == 0) return false;
    // Used is what nobody can have: total minus all free space, not just the caller's share.
    const uint64_t usedK = totalFreeK < totalK ? totalK - totalFreeK : 0;
    row.letter = letter;
    row.cells[0] = std::string(1, letter);
    const auto label = platform_.fs.volumeLabel(root);
    row.cells[1] = label && !blank(*label) ? *label + " " : "";
    row.cells[2] = grouped(totalK);
    row.cells[3] = grouped(usedK);
    row.cells[4] = grouped(freeK);
    row.usedPercent = static_cast<double>(usedK) / static_cast<double>(totalK) * 100.0;
    row.cells[5] = diskPercentText(row.usedPercent, platform_.sys.decimalSeparator());
    return true;
}

bool Tform_diskinfo::mayOpen() { return !app::FutValami(activity_, platform_.ui); }

bool Tform_diskinfo::Elemez(bool all) {
    // The queue runs during the scan: a refresh then, or any other operation, is refused.
    if (app::FutValami(activity_, platform_.ui)) return false;
    const app::BusyScope scanning(activity_, app::Activity::DiskScan);
    check_alldriveinfodisplay = all;
    gridEnabled = false;
    caption = kDiskTableBusyCaption;
    rows.clear();
    notify();
    const uint32_t present = platform_.fs.logicalDrives();
    for (char letter = 'A'; letter <= 'Z'; ++letter) {
        platform_.ui.pumpMessages();
        // A quit stops the scan.
        if (!scanning.owns()) break;
        if (!(present & (1u << (letter - 'A')))) continue;
        const std::string root = std::string(1, letter) + ":\\";
        if (!all && platform_.fs.driveType(root) != platform::DriveType::Fixed) continue;
        DiskRow row;
        if (readRow(letter, row)) rows.push_back(std::move(row));
    }
    caption = kDiskTableCaption;
    gridEnabled = true;
    notify();
    return true;
}

void Tform_diskinfo::openDrive(int row) {
    if (row < 0 || row >= static_cast<int>(rows.size())) return;
    shell_.executeFile("explorer.exe", std::string(1, rows[row].letter) + ":", "", true);
}

void Tform_diskinfo::driveProperties(int row, bool viewAlerts) {
    if (row < 0 || row >= static_cast<int>(rows.size())) return;
    if (shell_.propertiesDialog(std::string(1, rows[row].letter) + ":")) return;
    if (viewAlerts)
        platform_.ui.message(platform::MessageKind::Error, platform::Buttons::Ok, std::string(kDiskPropertiesFailed));
}

}  // namespace kefelo::tools
