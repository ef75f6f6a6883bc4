#pragma once
// The removal menu `pEltavolit`, shared by the container grid and the task grid (its tag
// says which).
#include <optional>
#include <string_view>

#include "core/config/config_model.h"
#include "core/containers/container_names.h"
#include "core/containers/grid_marks.h"
#include "platform/file_system.h"
#include "platform/ui_services.h"

namespace kefelo::containers {

enum class RemovalCommand { Marked, Missing, All };

inline constexpr std::string_view kRemoveMarkedCaption = "A kipipáltakat";
inline constexpr std::string_view kRemoveMissingCaption = "A nem találhatóakat";
inline constexpr std::string_view kRemoveAllCaption = "Mindet";

// The grid's hint once the list has become empty.
std::string_view emptyListHint(GridKind kind);

// The lone blank row of an empty list is no row to remove.
template <typename Row>
bool hasRows(const config::Grid<Row>& grid) {
    return grid.rows.size() > 1 || (!grid.rows.empty() && !rowFolder(grid.rows.front()).empty());
}

struct RemovalMenuState {
    bool marked = false;
    bool missing = false;
    bool all = true;
};

template <typename Row>
RemovalMenuState removalMenuState(const config::Grid<Row>& grid, platform::FileSystem& fs) {
    RemovalMenuState state;
    for (const Row& row : grid.rows) {
        state.marked = state.marked || row.mark == config::Mark::Active;
        state.missing = state.missing || !folderExists(fs, rowFolder(row));
    }
    return state;
}

namespace detail {
bool confirmRemoval(RemovalCommand command, GridKind kind, bool viewAlerts, platform::UiServices& ui);
}

struct RemovalOutcome {
    int currentRow = 0;
    bool listEmpty = false;  // the grid now holds only its blank row
};

// Carries out one item of the menu after its question (asked only with the alerts on).
// nullopt when nothing was done: the item was disabled or the user said No. The rows
// below a removed one move up; the previous current row stays current where it still
// exists, otherwise the first row becomes current.
template <typename Row>
std::optional<RemovalOutcome> removeRows(config::Grid<Row>& grid, RemovalCommand command, GridKind kind, int currentRow,
                                         bool viewAlerts, platform::FileSystem& fs, platform::UiServices& ui) {
    if (!hasRows(grid)) return std::nullopt;
    const RemovalMenuState state = removalMenuState(grid, fs);
    if ((command == RemovalCommand::Marked && !state.marked) ||
        (command == RemovalCommand::Missing && !state.missing)) {
        return std::nullopt;
    }
    if (!detail::confirmRemoval(command, kind, viewAlerts, ui)) return std::nullopt;

    if (command == RemovalCommand::All) {
        grid.clear();
    } else {
        std::erase_if(grid.rows, [&](const Row& row) {
            return command == RemovalCommand::Marked ? row.mark == config::Mark::Active
                                                     : !folderExists(fs, rowFolder(row));
        });
        if (grid.rows.empty()) grid.clear();
    }
    RemovalOutcome outcome;
    outcome.listEmpty = !hasRows(grid);
    outcome.currentRow = currentRow >= 0 && currentRow < static_cast<int>(grid.rows.size()) ? currentRow : 0;
    return outcome;
}

}  // namespace kefelo::containers
