#pragma once
// The two task editors that replace the task list while open: the new-task editor and the
// modify editor, their category and type lists, the location panel with its menu
// `pUjFeladatHely`, and the storing rules (one task per location).
#include <optional>
#include <string>
#include <string_view>

#include "core/config/categories.h"
#include "core/config/config_model.h"
#include "core/config/type_lists.h"
#include "platform/clipboard.h"
#include "platform/file_system.h"
#include "platform/shell.h"
#include "platform/ui_services.h"

namespace kefelo::containers {

// The menu's tag: which editor's location panel opened it.
enum class TaskEditorKind { New = 0, Modify = 1 };

// What the task group of the cleaning page shows.
enum class TaskGroup { List, NewEditor, ModifyEditor };

extern const char* const kLocationPanelHint;
extern const char* const kLocationDialogTitle;

// A location as a task stores it: one trailing backslash removed unless it follows the
// drive colon, and a bare drive given its root backslash, so "C:\" and "C:" both read "C:\".
std::string taskLocation(std::string_view location);

// The state of the location menu when it opens.
struct LocationMenuState {
    bool fromClipboardEnabled = false;
    std::string fromClipboardCaption = "Másolás a vágólapról";
};

class TaskEditors {
public:
    TaskEditors(config::TaskGrid& tasks, config::TypeLists& lists, const config::MaskTable& table,
                platform::FileSystem& fs, platform::UiServices& ui, platform::Shell& shell);

    TaskGroup shown = TaskGroup::List;
    std::string edit_projectnewpath;
    std::string edit_projectmodifypath;
    // The data row (0 = first) the modify editor works on, -1 when it is closed.
    int modifiedRow = -1;
    // The grid's current row; a duplicate answered Yes moves it to the other task.
    int currentRow = 0;
    // Set whenever an editor wants the keyboard in its category list; the view clears it.
    bool focusCategoryList = false;

    std::string& panel(TaskEditorKind kind) {
        return kind == TaskEditorKind::New ? edit_projectnewpath : edit_projectmodifypath;
    }

    void button_newprojectClick();
    // Opens the modify editor on the current row; false when that row has no location.
    bool button_projectmodifyClick();
    // True when the task was stored and the editor closed.
    bool button_projectnewrunClick();
    bool button_projectmodifyRunClick();
    void button_projectnewcancelClick() { closeEditor(); }
    void button_projectmodifyCancelClick() { closeEditor(); }

    // `pUjFeladatHelyPopup`: the clipboard's text, when it names an existing folder.
    LocationMenuState pUjFeladatHelyPopup(platform::Clipboard& clipboard);
    void menuitem_projectpathselectClick(TaskEditorKind kind);
    void menuitem_projectpathfromclipboardClick(TaskEditorKind kind, platform::Clipboard& clipboard);
    void menuitem_projectpathopenClick(TaskEditorKind kind);

private:
    bool store(TaskEditorKind kind);
    // The data row holding this location, other than `except`; -1 when none.
    int rowWithLocation(std::string_view location, int except) const;
    void closeEditor(bool showList = true);
    void fillModifyTypes(const std::string& masks);
    config::CheckList& categories(TaskEditorKind kind);
    config::CheckList& types(TaskEditorKind kind);

    config::TaskGrid& tasks_;
    config::TypeLists& lists_;
    const config::MaskTable& table_;
    platform::FileSystem& fs_;
    platform::UiServices& ui_;
    platform::Shell& shell_;
};

}  // namespace kefelo::containers
