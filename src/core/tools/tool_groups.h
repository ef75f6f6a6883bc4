#pragma once
// The group selector of the tools page: a column of buttons in `box_operationselect`,
// each showing one page of `pcmuv` (the button's tag is the page index).
#include <array>
#include <string_view>

#include "core/app/group_selector.h"

namespace kefelo::tools {

inline constexpr std::string_view kOperationSelectCaption = "  Válasszon műveletet  ";

enum ToolGroup : int {
    group_systemstores = 0,
    group_diskhandling = 1,
    group_logging = 2,
    group_kefelo = 3,
    group_undeletables = 4,
    group_usefulprograms = 5,
};
inline constexpr int kToolGroupCount = 6;

inline constexpr std::array<std::string_view, kToolGroupCount> kToolGroupCaptions = {
    "Rendszertárolók", "Lemezkezelés", "Naplózás", "Kefeló", "Törölhetetlenek", "Hasznos programok",
};

using GroupSelector = app::GroupSelector<kToolGroupCount>;

}  // namespace kefelo::tools
