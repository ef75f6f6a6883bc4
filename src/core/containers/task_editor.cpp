#include "core/containers/task_editor.h"

#include <algorithm>
#include <vector>

#include "core/app/locations.h"
#include "core/cleaning/list_refresh.h"
#include "core/config/list_file.h"
#include "core/containers/container_names.h"
#include "base/text/codec.h"

namespace kefelo::containers {
namespace {
using config::list_number::kModifyTaskCategories;
using config::list_number::kNewTaskCategories;
using platform::Answer;
using platform::Buttons;
using platform::MessageKind;

constexpr size_t kMaxExplorerPath = 1000;
const char* const kNotFound = "A megadott hely nem található!";
// A relative location would be walked in whatever folder is current when the run starts.
const char* const kFullPathNeeded = "A feladat helyét teljes elérési úttal kell megadni (például C:\\Temp)!";

size_t characterCount(std::string_view utf8) {
    size_t count = 0;
    for (unsigned char c : utf8) count += (c & 0xC0) != 0x80;
    return count;
}

bool anyTicked(const config::CheckList& list) {
    return std::any_of(list.items.begin(), list.items.end(), [](const config::CheckItem& item) { return item.ticked; });
}
}  // namespace

const char* const kLocationPanelHint = "A feladat munkakönyvtárának megadásához kattintson ide";
const char* const kLocationDialogTitle = "A megadott típusú állományok a következő helyen keresendők:";

std::string taskLocation(std::string_view location) {
    std::string result(location);
    if (result.size() == 2 && result[1] == ':') return result + "\\";
    const bool afterColon = result.size() >= 2 && result[result.size() - 2] == ':';
    if (!result.empty() && result.back() == '\\' && !afterColon) result.pop_back();
    return result;
}

TaskEditors::TaskEditors(config::TaskGrid& tasks, config::TypeLists& lists, const config::MaskTable& table,
                         platform::FileSystem& fs, platform::UiServices& ui, platform::Shell& shell)
    : tasks_(tasks), lists_(lists), table_(table), fs_(fs), ui_(ui), shell_(shell) {}

config::CheckList& TaskEditors::categories(TaskEditorKind kind) {
    return kind == TaskEditorKind::New ? lists_.list_projectnewcategory : lists_.list_projectmodifycategory;
}

config::CheckList& TaskEditors::types(TaskEditorKind kind) {
    return kind == TaskEditorKind::New ? lists_.list_projectnewExt : lists_.list_projectmodifyExt;
}

void TaskEditors::button_newprojectClick() {
    lists_.copyCategoriesForTask(kNewTaskCategories);
    lists_.list_projectnewExt.items.clear();
    lists_.list_projectnewExt.selected = -1;
    shown = TaskGroup::NewEditor;
    focusCategoryList = true;
}

bool TaskEditors::button_projectmodifyClick() {
    if (currentRow < 0 || currentRow >= static_cast<int>(tasks_.rows.size())) return false;
    const config::TaskRow& row = tasks_.rows[currentRow];
    if (row.location.empty()) return false;
    lists_.copyCategoriesForTask(kModifyTaskCategories);
    shown = TaskGroup::ModifyEditor;
    modifiedRow = currentRow;
    edit_projectmodifypath = row.location;
    fillModifyTypes(row.masks);
    focusCategoryList = true;
    return true;
}

void TaskEditors::fillModifyTypes(const std::string& masks) {
    config::CheckList& categoryList = lists_.list_projectmodifycategory;
    config::CheckList& typeList = lists_.list_projectmodifyExt;
    typeList.items.clear();
    typeList.selected = -1;
    // A category's types are appended once, however its types are spread among the stored
    // ones, so that no mask shows (and is stored) twice.
    std::vector<int> appended;
    for (const std::string& type : config::splitMaskLine(masks)) {
        if (type.empty()) continue;
        // The category holding the type as a whole mask: a substring test would put an own
        // type such as "*.T" under "*.TMP" and drop it from the task.
        int category = -1;
        for (int line = 0; line < table_.lineCount() && category < 0; ++line) {
            const auto pieces = config::splitMaskLine(table_.line(line));
            if (std::find(pieces.begin(), pieces.end(), type) != pieces.end()) category = line;
        }
        if (category < 0 || category >= static_cast<int>(categoryList.items.size())) continue;
        categoryList.items[category].ticked = true;
        if (std::find(appended.begin(), appended.end(), category) == appended.end()) {
            config::KitAd(table_, category, typeList, ui_);
            appended.push_back(category);
        }
        for (config::CheckItem& item : typeList.items)
            if (text::equalsNoCase(item.text, type)) item.ticked = true;
    }
}

int TaskEditors::rowWithLocation(std::string_view location, int except) const {
    for (int i = 0; i < static_cast<int>(tasks_.rows.size()); ++i) {
        const std::string& other = tasks_.rows[i].location;
        if (i == except || other.empty()) continue;
        if (app::SameFolder(fs_, taskLocation(other), location)) return i;
    }
    return -1;
}

bool TaskEditors::button_projectnewrunClick() { return store(TaskEditorKind::New); }
bool TaskEditors::button_projectmodifyRunClick() { return store(TaskEditorKind::Modify); }

bool TaskEditors::store(TaskEditorKind kind) {
    const bool modify = kind == TaskEditorKind::Modify;
    if (modify && (modifiedRow < 0 || modifiedRow >= static_cast<int>(tasks_.rows.size()))) return false;
    std::string& location = panel(kind);
    location = taskLocation(location);

    if (!anyTicked(types(kind))) {
        ui_.message(MessageKind::Information, Buttons::Ok, "Legalább egy állománytípust ki kell választani!");
        focusCategoryList = true;
        return false;
    }
    // An empty panel is simply not found, as it always was.
    if (!location.empty()) {
        if (config::refuseUnstorable(ui_, location)) return false;
        if (!app::NormalPath(location)) {
            ui_.message(MessageKind::Error, Buttons::Ok, kFullPathNeeded);
            return false;
        }
    }
    if (!folderExists(fs_, location)) {
        ui_.message(MessageKind::Error, Buttons::Ok,
                    modify ? std::string(kNotFound) + "\r\nKérem, válasszon másik helyet!" : kNotFound);
        return false;
    }
    const int duplicate = rowWithLocation(location, modify ? modifiedRow : -1);
    if (duplicate >= 0) {
        const std::string question =
            "Egy olyan feladat már szerepel a feladat-listában aminek ez a munkakönyvtára:\r\n" +
            tasks_.rows[duplicate].location + "\r\n\r\n" +
            "Szeretné a kérdéses rögzített feladat tulajdonságait most betölteni és módosítani?\r\n" +
            "(Ha nem, akkor válasszon egy másik helyet!)";
        if (ui_.message(MessageKind::Information, Buttons::YesNo, question) == Answer::Yes) {
            closeEditor(false);
            currentRow = duplicate;
            button_projectmodifyClick();
        }
        return false;
    }

    const std::string masks = config::joinTicked(types(kind), "|");
    if (modify) {
        tasks_.rows[modifiedRow].location = location;
        tasks_.rows[modifiedRow].masks = masks;
    } else {
        if (!tasks_.rows.front().location.empty()) tasks_.rows.emplace_back();
        tasks_.rows.back().location = location;
        tasks_.rows.back().masks = masks;
        currentRow = static_cast<int>(tasks_.rows.size()) - 1;
        cleaning::refreshTaskList(tasks_, fs_);
    }
    closeEditor();
    return true;
}

void TaskEditors::closeEditor(bool showList) {
    modifiedRow = -1;
    if (showList) shown = TaskGroup::List;
}

LocationMenuState TaskEditors::pUjFeladatHelyPopup(platform::Clipboard& clipboard) {
    const std::optional<std::string> clipboardText = clipboard.text();
    LocationMenuState state;
    if (clipboardText && folderExists(fs_, *clipboardText)) {
        state.fromClipboardEnabled = true;
        state.fromClipboardCaption = *clipboardText;
    }
    return state;
}

void TaskEditors::menuitem_projectpathselectClick(TaskEditorKind kind) {
    std::string start = panel(kind);
    if (start.size() == 2 && start[1] == ':') start += '\\';
    if (auto chosen = ui_.chooseFolder(kLocationDialogTitle, start)) panel(kind) = taskLocation(*chosen);
}

void TaskEditors::menuitem_projectpathfromclipboardClick(TaskEditorKind kind, platform::Clipboard& clipboard) {
    if (const std::optional<std::string> clipboardText = clipboard.text()) panel(kind) = taskLocation(*clipboardText);
}

void TaskEditors::menuitem_projectpathopenClick(TaskEditorKind kind) {
    const std::string& location = panel(kind);
    if (!folderExists(fs_, location)) {
        ui_.message(MessageKind::Error, Buttons::Ok, kNotFound);
        return;
    }
    const std::string parameter = location.back() == '\\' ? location : location + "\\";
    if (characterCount(parameter) > kMaxExplorerPath) {
        ui_.message(MessageKind::Error, Buttons::Ok, "A könyvtár elérési útja túl hosszú!\r\nNem tudom megjeleníteni!");
        return;
    }
    shell_.executeFile("explorer.exe", parameter, "", true);
}

}  // namespace kefelo::containers
