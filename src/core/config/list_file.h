#pragma once
// The text of "konyvtarak.lst": container lines, then "*" and the task lines.
#include <string>
#include <vector>

#include "core/config/config_model.h"

namespace kefelo::config {

struct ListFileRows {
    ContainerGrid containers;
    TaskGrid tasks;
};

// Rows from the lines of the file, before any directory is looked at. Containers come
// out Active ("|" prefix) or Inactive; tasks likewise, and the loader clears the mark of
// a task whose location does not exist. A trailing task row without location is gone.
ListFileRows parseListFile(const std::vector<std::string>& lines);

// The lines to write; empty when there is nothing to keep (the file is then deleted).
std::vector<std::string> formatListFile(const ContainerGrid& containers, const TaskGrid& tasks);

}  // namespace kefelo::config
