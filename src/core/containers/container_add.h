#pragma once
// Adding a container to `list_temps` by hand. Every active container is emptied whole by
// a cleaning run, so a manual add passes a chain of refusals and questions first.
#include <optional>
#include <string>
#include <string_view>

#include "core/config/config_model.h"
#include "platform/platform.h"

namespace kefelo::containers {

inline constexpr std::string_view kAddFolderTitle = "Ürítendő könyvtár hivatkozásának felvétele a listába";
inline constexpr std::string_view kClipboardCaption = "Vágólapról";

struct AddOptions {
    bool viewAlerts = true;    // check_viewalerts
    bool allowDrives = false;  // check_nodrive
};

struct AddOutcome {
    bool added = false;
    // The row to make current: the new row, or the row that already held the folder.
    std::optional<int> currentRow;
};

// The whole chain for one path; the row is added only when every step lets it through.
// A new row has no mark: it becomes inactive at the next list refresh, so a container
// added by hand is never active before the user ticks it.
AddOutcome addContainer(config::ContainerGrid& grid, std::string path, const AddOptions& options,
                        platform::Platform& platform);

// "Kiválasztás": the folder picker, then the chain.
AddOutcome addChosenFolder(config::ContainerGrid& grid, const AddOptions& options, platform::Platform& platform);

// The clipboard item of the add menu `pHozzaad`: enabled, with the path as its caption,
// only when the clipboard's text (up to its first line break, as an edit would paste it)
// names an existing folder.
struct ClipboardAddItem {
    std::string caption{kClipboardCaption};
    bool enabled = false;
};
ClipboardAddItem clipboardAddItem(platform::Platform& platform);

// "Vágólapról", in the add menu and in the tray's menu: the clipboard's text, up to its
// first line break, through the chain. Nothing happens when the clipboard holds no text.
AddOutcome addFromClipboard(config::ContainerGrid& grid, const AddOptions& options, platform::Platform& platform);

// The date column after the list changed: an existing folder shows its last-write date,
// a missing one loses its mark and shows "0".
void refreshDateColumn(config::ContainerGrid& grid, platform::Platform& platform);

}  // namespace kefelo::containers
