#pragma once
// Sorting the container and task grids by a clicked column. The rows themselves are
// reordered: a cleaning run visits them in the order the grid shows.
#include <string>

#include "core/config/config_model.h"

namespace kefelo::containers {

// Column texts as the grids show them (column 0 is the mark's character).
std::string cellText(const config::ContainerRow& row, int column);
std::string cellText(const config::TaskRow& row, int column);

// A click on the sorted column reverses the order; a click on another starts ascending.
struct SortOrder {
    int column = -1;  // -1: not sorted since the list was loaded
    bool ascending = true;

    SortOrder afterClickOn(int clicked) const {
        return clicked == column ? SortOrder{column, !ascending} : SortOrder{clicked, true};
    }
};

// Stable, letter case ignored (Hungarian accents included).
void sortRows(config::ContainerGrid& grid, SortOrder order);
void sortRows(config::TaskGrid& grid, SortOrder order);

}  // namespace kefelo::containers
