#pragma once
// The ZIP window `tomorit`: a fixed-size dialog on top of the others whose six pages share
// one template. Shown modally by "Betömörítés"; the list of packed files that could not be
// deleted comes back without the modal loop. The core model decides; this window shows it.
#include <windows.h>

#include <functional>
#include <map>

#include "core/app/main_shell.h"
#include "core/search/zip_window_model.h"
#include "ui/common/dialog.h"
#include "ui/controls/tooltips.h"

namespace kefelo::ui {

class ZipWindow : public Dialog, public app::SecondaryWindow {
public:
    // `showDiskAnalysis` opens the disk table over the given window.
    ZipWindow(const search::ZipContext& context, std::function<void(HWND)> showDiskAnalysis);

    bool create(HINSTANCE instance, HWND owner);
    // "Betömörítés": centred over `over`; returns when the modal showing ends.
    void open(HWND over);
    search::Ttomorit& model() { return model_; }

    bool visible() override;
    void hide() override;
    void showInFront() override;
    void showOnTopOnce() override;

protected:
    INT_PTR handleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    void update();
    void endShowing();
    void chooseName();
    void onCommand(int id, int code);
    void makeHints();
    void undeletedMenu(POINT client);
    // The current entry of `listundeleted`, as a click, a double click or a key selects it.
    void selectUndeleted();
    static LRESULT CALLBACK controlProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR id,
                                        DWORD_PTR self);

    search::Ttomorit model_;
    std::function<void(HWND)> showDiskAnalysis_;
    HWND owner_ = nullptr;
    bool modal_ = false;
    std::vector<std::string> shownList_;
    int shownPage_ = -1;
    Tooltips tips_;
    bool keyInUndeletedList_ = false;
};

}  // namespace kefelo::ui
