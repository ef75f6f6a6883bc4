#pragma once
// The new-task and modify editor groups of the cleaning page. While an editor is open it
// lies over the task group (the group, its grid and its buttons are hidden); the core's
// TaskEditors decides everything, this view copies its state to the controls.
#include <functional>
#include <optional>
#include <string>

#include "core/config/type_lists.h"
#include "core/containers/task_editor.h"
#include "platform/clipboard.h"
#include "ui/common/window.h"
#include "ui/controls/check_list_box.h"
#include "ui/controls/subclass.h"

namespace kefelo::ui {

class TaskEditorView : public Window {
public:
    TaskEditorView(containers::TaskEditors& editors, config::TypeLists& lists, platform::Clipboard& clipboard)
        : editors_(editors), lists_(lists), clipboard_(clipboard) {}

    // `listsDialog` holds the task group that the editors cover.
    bool create(HINSTANCE instance, HWND listsDialog);
    // Shows the editor the core has open (or the task list again) and fills its controls.
    void refresh();

    // A task was stored: the grid must redraw and the lists count as edited.
    std::function<void()> onStored;
    // "Saját típusaim" of the selection popup.
    std::function<void()> openOwnTypes;
    std::function<void(const std::string&)> hint;

protected:
    LRESULT handleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    bool modify() const { return editors_.shown == containers::TaskGroup::ModifyEditor; }
    int categoryNumber() const;
    int typeNumber() const;
    void placeOverTaskGroup();
    void showTaskGroup(bool show);
    void fillLists();
    void layout();
    void toggle(int number, int index);
    void popup(int number, POINT at, bool rightClick);
    void locationMenu();
    void store();
    void cancel();

    containers::TaskEditors& editors_;
    config::TypeLists& lists_;
    platform::Clipboard& clipboard_;
    HWND parent_ = nullptr;
    HWND group_ = nullptr, location_ = nullptr;
    CheckListBox categories_, types_;
    HWND storeButton_ = nullptr, cancelButton_ = nullptr;
    HFONT font_ = nullptr;
    Subclass parentHook_, locationHook_;
};

}  // namespace kefelo::ui
