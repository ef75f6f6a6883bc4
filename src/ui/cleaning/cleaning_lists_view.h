#pragma once
// Page 0 of `pcKefelas`: the container grid `list_temps`, the task grid `list_projects`,
// their buttons and `button_beginclean`. The rows live in the configuration model; this
// view draws them and turns clicks into the core's mark and sort rules.
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "core/config/config_model.h"
#include "core/containers/grid_marks.h"
#include "core/containers/grid_sort.h"
#include "platform/platform.h"
#include "platform/shell.h"
#include "ui/common/dialog.h"
#include "ui/controls/hover_tracker.h"
#include "ui/controls/sel_button.h"
#include "ui/controls/sort_grid.h"

namespace kefelo::ui {

class CleaningListsView : public PageDialog {
public:
    struct Callbacks {
        std::function<void()> beginClean;
        std::function<void(const std::string&)> hint;
        std::function<void()> listsEdited;
    };

    CleaningListsView(platform::Platform& platform, platform::Shell& shell, config::ConfigModel& model)
        : platform_(platform), shell_(shell), model_(model) {}

    bool create(HINSTANCE instance, HWND parent, Callbacks callbacks);

    void connectButton(int id, std::function<void()> handler);
    SelButton* button(int id) { return buttons_.find(id); }

    // The rows or their folders changed: look the folders up again and redraw.
    void listsChanged();
    int currentRow(containers::GridKind kind) const;
    void setCurrentRow(containers::GridKind kind, int row);
    void focusContainers();

protected:
    INT_PTR handleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    void initialize() override;
    void layout() override;
    bool drawItem(LPARAM item) override { return buttons_.draw(item); }
    SortGrid& grid(containers::GridKind kind) { return kind == containers::GridKind::Containers ? temps_ : projects_; }
    const SortGrid& grid(containers::GridKind kind) const {
        return kind == containers::GridKind::Containers ? temps_ : projects_;
    }
    int rowCount(containers::GridKind kind) const;
    std::string cellText(containers::GridKind kind, int row, int column) const;
    GridCellStyle cellStyle(containers::GridKind kind, int row, int column) const;
    void onDoubleClick(containers::GridKind kind, int row);
    void onMenu(containers::GridKind kind, int row, POINT at);
    void onSort(containers::GridKind kind, int column);
    void onCurrentRow(containers::GridKind kind, int row);
    void runMarkingCommand(containers::GridKind kind, int command);
    void openLocation(containers::GridKind kind, int row);
    void showProperties(containers::GridKind kind, int row);
    std::string folderOf(containers::GridKind kind, int row) const;
    void onHover(HWND window);
    void showHint(const std::string& text);
    void edited();

    platform::Platform& platform_;
    platform::Shell& shell_;
    config::ConfigModel& model_;
    Callbacks callbacks_;
    SortGrid temps_, projects_;
    // As the grids are after loading: a first click on that column reverses the order.
    containers::SortOrder tempsOrder_ = containers::kLoadedContainerOrder;
    containers::SortOrder projectsOrder_ = containers::kLoadedTaskOrder;
    // The folders as last looked up, by row; the colours follow them.
    std::vector<bool> tempsExist_, projectsExist_;
    std::string tempsHint_, projectsHint_, lastHint_;
    SelButtons buttons_;
    std::map<int, std::function<void()>> handlers_;
    HoverTracker hover_;
};

}  // namespace kefelo::ui
