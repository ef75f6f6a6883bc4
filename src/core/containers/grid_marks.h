#pragma once
// The marks of the container grid `list_temps` and the task grid `list_projects`: the
// double click, the marking menu `pUrites` and its two location items.
#include <optional>
#include <string>

#include "core/config/config_model.h"
#include "core/config/grid_rules.h"
#include "core/containers/container_names.h"
#include "platform/file_system.h"

namespace kefelo::containers {

// Which grid a shared menu works on (the menus' tags).
enum class GridKind { Containers = 1, Tasks = 2 };

// The folder a row stands for: the path of a container, the location of a task.
inline const std::string& rowFolder(const config::ContainerRow& row) { return row.path; }
inline const std::string& rowFolder(const config::TaskRow& row) { return row.location; }

// The double click on a row: an existing folder toggles between active and inactive (a
// row whose folder has come back becomes inactive). A missing folder keeps its mark; the
// returned text is the error to show, when the row still has a mark.
std::optional<std::string> toggleOnDoubleClick(config::Mark& mark, bool folderExists, GridKind kind);

// The first three items of `pUrites`, by their tags.
using config::markAfter;
using config::MarkingCommand;

// Applies a marking command to every row whose folder exists; true when a mark changed.
template <typename Row>
bool applyMarking(config::Grid<Row>& grid, MarkingCommand command, platform::FileSystem& fs) {
    bool changed = false;
    for (Row& row : grid.rows) {
        if (!folderExists(fs, rowFolder(row))) continue;
        const config::Mark next = markAfter(command, row.mark);
        changed = changed || next != row.mark;
        row.mark = next;
    }
    return changed;
}

// `pUrites` opens (Enter, right button) only when the current row's column 1 is filled:
// the date of a container, the location of a task.
inline bool markingMenuOpens(const config::ContainerRow& row) { return !row.modified.empty(); }
inline bool markingMenuOpens(const config::TaskRow& row) { return !row.location.empty(); }
// "A hely megnyitása" and "Tulajdonságpanel" need a row with a mark.
inline bool locationItemsEnabled(config::Mark mark) { return mark != config::Mark::None; }

// What "A hely megnyitása" does: start "explorer.exe" with `explorerParameter`, or show
// `error` (an error message), or nothing at all when both are empty.
struct OpenLocation {
    std::string explorerParameter;
    std::optional<std::string> error;
};
OpenLocation openLocation(const config::ContainerRow& row, platform::FileSystem& fs, bool viewAlerts);
OpenLocation openLocation(const config::TaskRow& row, platform::FileSystem& fs, bool viewAlerts);

// The path whose property sheet "Tulajdonságpanel" opens, and the error when it fails.
std::string propertiesTarget(std::string_view folder);
// The container grid's hint for its current row: the folder, in its 8.3 form when it is
// longer than 80 characters.
std::string containerHint(const std::string& folder, platform::FileSystem& fs);
extern const char* const kPropertiesFailed;

}  // namespace kefelo::containers
