#pragma once
// Page 1 of `pcKereses`: the found files. The group `group_finds` holds the list
// `list_finds`, or while a search runs the progress panel `pUtolsoAllomany`; beside it the
// found-files box `group_findsabout` and the active-files box `group_findselect` with the
// operation buttons; below, `button_searchhalt` and the colour legend.
#include <functional>
#include <string>

#include "core/search/search_page_model.h"
#include "ui/common/dialog.h"
#include "ui/common/gdi.h"
#include "ui/controls/hover_tracker.h"
#include "ui/controls/sel_button.h"
#include "ui/search/colour_legend_view.h"
#include "ui/search/found_files_grid.h"

namespace kefelo::ui {

class SearchResultsView : public PageDialog {
public:
    struct Callbacks {
        // The long hint of the control under the mouse; empty over the background.
        std::function<void(const std::string&)> hint;
        // "Betömörítés": the ZIP window opens over the main window.
        std::function<void()> compress = {};
    };

    bool create(HINSTANCE instance, HWND parent, search::SearchPageModel& model, Callbacks callbacks);

    // The page's fields changed: captions, summaries, the progress panel, enabled states.
    void update();
    // The rows, their order or marks, or the colours changed.
    void foundFilesChanged();
    void focusList();
    HWND list() const { return grid_.hwnd(); }

protected:
    INT_PTR handleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    void initialize() override;
    void layout() override;
    bool drawItem(LPARAM item) override { return buttons_.draw(item); }
    void makeBoldFont();
    void onCommand(int id, int code, HWND control);
    void onHover(HWND window);
    void setText(int id, const std::string& text) const;
    void show(int id, bool visible) const;

    HINSTANCE instance_ = nullptr;
    search::SearchPageModel* model_ = nullptr;
    Callbacks callbacks_;
    FoundFilesGrid grid_;
    ColourLegendView legend_;
    SelButtons buttons_;
    HoverTracker hover_;
    UniqueFont boldFont_;
    bool boldShown_ = false;
    std::string lastHint_;
};

}  // namespace kefelo::ui
