#pragma once
// The refresh of the container and task lists before a run (and when the main page
// changes): a row whose folder came back becomes inactive, a row whose folder is gone
// loses its mark, so a missing folder is never processed.
#include <string>

#include "core/config/config_model.h"
#include "platform/platform.h"

namespace kefelo::cleaning {

void refreshContainerList(config::ContainerGrid& containers, platform::Platform& platform);
void refreshTaskList(config::TaskGrid& tasks, platform::FileSystem& fs);

// A task location ("C:\" or "C:\Temp") names an existing folder.
bool locationExists(platform::FileSystem& fs, const std::string& location);

}  // namespace kefelo::cleaning
