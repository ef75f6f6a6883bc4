#include "core/config/type_lists.h"

#include "core/config/own_types_editor.h"
#include "base/text/codec.h"

namespace kefelo::config {

void KitAd(const MaskTable& table, int category, CheckList& typeList, platform::UiServices& ui) {
    for (auto& mask : splitMaskLine(table.line(category))) {
        typeList.items.push_back({std::move(mask), false});
        ui.pumpMessages();
    }
}

void KitAd2(const MaskTable& table, const CheckList& categoryList, CheckList& typeList, platform::UiServices& ui) {
    std::vector<std::string> noted;
    for (auto& item : typeList.items) {
        if (!item.ticked) continue;
        noted.push_back(text::lower(item.text));
        item.ticked = false;
    }
    typeList.items.clear();
    typeList.selected = -1;

    // Indexes, not iterators: the pump inside KitAd may let the user change the lists.
    for (size_t i = 0; i < categoryList.items.size(); ++i)
        if (categoryList.items[i].ticked) KitAd(table, static_cast<int>(i), typeList, ui);

    if (noted.empty()) return;
    for (auto& item : typeList.items) {
        const std::string folded = text::lower(item.text);
        for (const auto& n : noted) {
            if (n == folded) {
                item.ticked = true;
                break;
            }
        }
    }
}

std::string joinTicked(const CheckList& list, std::string_view separator) {
    std::string out;
    bool first = true;
    for (const auto& item : list.items) {
        if (!item.ticked) continue;
        if (!first) out += separator;
        out += item.text;
        first = false;
    }
    return out;
}

TypeLists::TypeLists(const MaskTable& table, platform::UiServices& ui) : table_(table), ui_(ui) {
    for (const auto& name : categoryNames()) list_searchcategory.items.push_back({name, false});
}

CheckList* TypeLists::list(int number) {
    switch (number) {
        case list_number::kSearchCategories:
            return &list_searchcategory;
        case list_number::kSearchTypes:
            return &list_searchext;
        case list_number::kNewTaskCategories:
            return &list_projectnewcategory;
        case list_number::kModifyTaskCategories:
            return &list_projectmodifycategory;
        case list_number::kNewTaskTypes:
            return &list_projectnewExt;
        case list_number::kModifyTaskTypes:
            return &list_projectmodifyExt;
        default:
            return nullptr;
    }
}

void TypeLists::copyCategoriesForTask(int categoryListNumber) {
    if (categoryListNumber != list_number::kNewTaskCategories &&
        categoryListNumber != list_number::kModifyTaskCategories)
        return;
    CheckList& target = *list(categoryListNumber);
    target.items.clear();
    for (const auto& item : list_searchcategory.items) target.items.push_back({item.text, false});
    target.selected = -1;
}

void TypeLists::list_searchcategoryClickCheck() { KitAd2(table_, list_searchcategory, list_searchext, ui_); }

void TypeLists::list_projectnewcategoryClickCheck() {
    KitAd2(table_, list_projectnewcategory, list_projectnewExt, ui_);
}

void TypeLists::list_projectmodifycategoryClickCheck() {
    KitAd2(table_, list_projectmodifycategory, list_projectmodifyExt, ui_);
}

void TypeLists::clickCheck(int number) {
    switch (number) {
        case list_number::kSearchCategories:
            list_searchcategoryClickCheck();
            break;
        case list_number::kNewTaskCategories:
            list_projectnewcategoryClickCheck();
            break;
        case list_number::kModifyTaskCategories:
            list_projectmodifycategoryClickCheck();
            break;
        default:
            break;
    }
}

void TypeLists::doubleClick(int number) {
    CheckList* target = list(number);
    if (!target || !target->hasSelection()) return;
    auto& item = target->items[static_cast<size_t>(target->selected)];
    item.ticked = !item.ticked;
    clickCheck(number);
}

bool TypeLists::rightClick(int number) {
    CheckList* target = list(number);
    if (!target || target->items.empty()) return false;
    popupList_ = number;
    return true;
}

void TypeLists::applyTicks(CheckList& list, SelectionCommand command) {
    for (size_t i = 0; i < list.items.size(); ++i) {
        auto& item = list.items[i];
        switch (command) {
            case SelectionCommand::All:
                item.ticked = true;
                break;
            case SelectionCommand::None:
                item.ticked = false;
                break;
            case SelectionCommand::Invert:
                item.ticked = !item.ticked;
                break;
        }
        ui_.pumpMessages();
    }
}

void TypeLists::popupCommand(SelectionCommand command) {
    switch (popupList_) {
        case list_number::kFoundFiles:
            if (foundFilesSelection) foundFilesSelection(command);
            return;
        case list_number::kSearchCategories:
            applyTicks(list_searchcategory, command);
            list_searchcategory.selected = list_searchcategory.items.empty() ? -1 : 0;
            list_searchcategoryClickCheck();
            return;
        case list_number::kNewTaskCategories:
        case list_number::kModifyTaskCategories: {
            applyTicks(*list(popupList_), command);
            if (command == SelectionCommand::None) {
                CheckList& types =
                    popupList_ == list_number::kNewTaskCategories ? list_projectnewExt : list_projectmodifyExt;
                types.items.clear();
                types.selected = -1;
            } else {
                clickCheck(popupList_);
            }
            return;
        }
        case list_number::kSearchTypes:
        case list_number::kNewTaskTypes:
        case list_number::kModifyTaskTypes:
            applyTicks(*list(popupList_), command);
            return;
        default:
            return;
    }
}

int TypeLists::categoryListFor(int number) {
    switch (number) {
        case list_number::kSearchCategories:
        case list_number::kSearchTypes:
            return list_number::kSearchCategories;
        case list_number::kNewTaskCategories:
        case list_number::kNewTaskTypes:
            return list_number::kNewTaskCategories;
        case list_number::kModifyTaskCategories:
        case list_number::kModifyTaskTypes:
            return list_number::kModifyTaskCategories;
        default:
            return 0;
    }
}

void TypeLists::menuitem_selectmytypesClick(Tfrmmytype& editor, const WindowBounds& mainWindow,
                                            const std::function<void()>& showModal) {
    const int categoryNumber = categoryListFor(popupList_);
    editor.open();
    if (CheckList* categories = list(categoryNumber); categories && !categories->items.empty())
        categories->selected = static_cast<int>(categories->items.size()) - 1;
    const ScreenPoint at = centreOver(mainWindow, editor.bounds.width, editor.bounds.height);
    editor.bounds.left = at.x;
    editor.bounds.top = at.y;
    if (showModal) showModal();
    editor.visible = false;
    if (editor.result != Tfrmmytype::kResultCancelled) clickCheck(categoryNumber);
}

}  // namespace kefelo::config
