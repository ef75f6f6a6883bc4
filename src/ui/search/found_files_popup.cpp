#include "ui/search/found_files_popup.h"

#include <string>
#include <string_view>

#include "ui/common/popup_menu.h"
#include "ui/search/search_page_ids.h"

namespace kefelo::ui {
namespace {
using search::FoundFilesMenu;

// A file name may hold "&", which a menu would take for a mnemonic.
std::string literal(std::string_view caption) {
    std::string out;
    for (char c : caption) {
        if (c == '&') out += '&';
        out += c;
    }
    return out;
}
}  // namespace

void showFoundFilesMenu(HWND owner, POINT at, search::SearchPageModel& model) {
    if (!model.contextMenuOpening()) return;
    const auto captions = FoundFilesMenu::selectByCaptions(model.found);
    PopupMenu selectBy;
    selectBy.addChecked(IDM_TALALATOK_KEEPMARKS, search::kKeepMarksCaption, model.menu.keepMarks);
    for (size_t i = 0; i < search::kSelectByItems.size(); ++i) {
        if (search::kSelectByItems[i].separatorBefore) selectBy.separator();
        selectBy.add(IDM_TALALATOK_SELECTBY_FIRST + static_cast<UINT>(i), literal(captions[i]));
    }
    const bool rowItems = FoundFilesMenu::rowItemsEnabled(model.found);
    PopupMenu menu;
    menu.add(IDM_TALALATOK_SELECTALL, search::kMarkAllCaption)
        .add(IDM_TALALATOK_CLEARALL, search::kMarkNoneCaption)
        .add(IDM_TALALATOK_INVERT, search::kMarkInvertCaption)
        .addSubmenu(search::kSelectBySubmenu, selectBy)
        .separator();
    for (size_t i = 0; i < search::kRowItems.size(); ++i) {
        menu.add(IDM_TALALATOK_ROW_FIRST + static_cast<UINT>(i), search::kRowItems[i].caption, rowItems);
    }

    const int command = static_cast<int>(menu.track(owner, at));
    const int selectByItem = command - IDM_TALALATOK_SELECTBY_FIRST;
    const int rowItem = command - IDM_TALALATOK_ROW_FIRST;
    switch (command) {
        case IDM_TALALATOK_SELECTALL:
            model.markingCommand(config::MarkingCommand::SelectAll);
            break;
        case IDM_TALALATOK_CLEARALL:
            model.markingCommand(config::MarkingCommand::ClearAll);
            break;
        case IDM_TALALATOK_INVERT:
            model.markingCommand(config::MarkingCommand::Invert);
            break;
        case IDM_TALALATOK_KEEPMARKS:
            model.menu.keepMarks = !model.menu.keepMarks;
            break;
        default:
            if (selectByItem >= 0 && selectByItem < static_cast<int>(search::kSelectByItems.size()))
                model.selectByItem(static_cast<size_t>(selectByItem));
            if (rowItem >= 0 && rowItem < static_cast<int>(search::kRowItems.size()))
                model.rowCommand(search::kRowItems[static_cast<size_t>(rowItem)].command);
            break;
    }
}

}  // namespace kefelo::ui
