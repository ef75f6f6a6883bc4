#pragma once
// Category and type check lists: filling the types from the ticked categories, the
// selection popup shared by all of them, and the mask strings built from ticked types.
#include <functional>
#include <string>
#include <string_view>

#include "core/config/categories.h"
#include "core/config/list_models.h"
#include "core/config/window_placement.h"
#include "platform/ui_services.h"

namespace kefelo::config {

class Tfrmmytype;

// Appends the masks of one category as unticked items, pumping messages after each.
void KitAd(const MaskTable& table, int category, CheckList& typeList, platform::UiServices& ui);
// Rebuilds a type list from the ticked categories; a type stays ticked while any of its
// categories stays ticked (ticks matched without regard to letter case).
void KitAd2(const MaskTable& table, const CheckList& categoryList, CheckList& typeList, platform::UiServices& ui);

// The ticked items in list order, joined by the separator.
std::string joinTicked(const CheckList& list, std::string_view separator);
// The folder walker's mask string of a search: ticked types joined by ", ".
inline std::string searchMaskString(const CheckList& types) { return joinTicked(types, ", "); }

enum class SelectionCommand { All, None, Invert };  // "Mindet", "Egyiket sem", "Megfordít"
// The popup's last item: it opens the own-types editor.
inline constexpr std::string_view kMyTypesCaption = "Saját típusaim";

// The numbers the selection popup knows the lists by.
namespace list_number {
constexpr int kSearchCategories = 1;
constexpr int kSearchTypes = 2;
constexpr int kFoundFiles = 3;
constexpr int kNewTaskCategories = 4;
constexpr int kModifyTaskCategories = 5;
constexpr int kNewTaskTypes = 6;
constexpr int kModifyTaskTypes = 7;
}  // namespace list_number

class TypeLists {
public:
    TypeLists(const MaskTable& table, platform::UiServices& ui);

    CheckList list_searchcategory;         // 1: the 22 category names
    CheckList list_searchext;              // 2: the search's types
    CheckList list_projectnewcategory;     // 4
    CheckList list_projectmodifycategory;  // 5
    CheckList list_projectnewExt;          // 6
    CheckList list_projectmodifyExt;       // 7

    // The found-files grid handles the popup's commands on its own marks.
    std::function<void(SelectionCommand)> foundFilesSelection;

    // nullptr for the grid (3) and unknown numbers.
    CheckList* list(int number);

    // A task editor starts from the category names, all unticked.
    void copyCategoriesForTask(int categoryListNumber);

    void list_searchcategoryClickCheck();
    void list_projectnewcategoryClickCheck();
    void list_projectmodifycategoryClickCheck();
    // Runs the click-check of a category list; type lists have none.
    void clickCheck(int number);

    // Toggles the focused item; a category list then refreshes its types.
    void doubleClick(int number);

    // Right click: the popup opens only over a list with items. Returns whether it opens.
    bool rightClick(int number);
    // Enter in a list, or the grid's own request: the popup opens for that list.
    void openPopup(int number) { popupList_ = number; }
    int popupList() const { return popupList_; }
    void popupCommand(SelectionCommand command);

    // kMyTypesCaption: shows the own-types editor over the main window; showModal runs
    // the window until it closes. The type list follows unless the editor was cancelled.
    void menuitem_selectmytypesClick(Tfrmmytype& editor, const WindowBounds& mainWindow,
                                     const std::function<void()>& showModal);

private:
    void applyTicks(CheckList& list, SelectionCommand command);
    // The category list of a popup list number (1, 4 or 5), 0 when it has none.
    static int categoryListFor(int number);

    const MaskTable& table_;
    platform::UiServices& ui_;
    int popupList_ = 0;
};

}  // namespace kefelo::config
