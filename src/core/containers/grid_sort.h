#pragma once
// Sorting the container and task grids by a clicked column. The rows themselves are
// reordered: a cleaning run visits them in the order the grid shows.
#include <string>

#include "core/config/config_model.h"
#include "core/config/grid_rules.h"

namespace kefelo::containers {

// Column texts as the grids show them (column 0 is the mark's character).
std::string cellText(const config::ContainerRow& row, int column);
std::string cellText(const config::TaskRow& row, int column);

using config::SortOrder;

// The order the grids come up in after loading: containers by folder, tasks by location.
inline constexpr SortOrder kLoadedContainerOrder{2, true};
inline constexpr SortOrder kLoadedTaskOrder{1, true};

// Stable, letter case ignored (Hungarian accents included).
void sortRows(config::ContainerGrid& grid, SortOrder order);
void sortRows(config::TaskGrid& grid, SortOrder order);

}  // namespace kefelo::containers
