#pragma once
// The tools page (page 2 of the main page control): the group selector
// `box_operationselect`, the group pages of `pcmuv` and the description box
// `memo_infoabouttools`, in the selector-page frame. The groups: the system stores, the
// Windows tools with the disk table, the last log, the program's folders and forum, the
// undeletable files and the useful programs.
#include <memory>
#include <optional>
#include <string>

#include "core/tools/system_stores.h"
#include "core/tools/tool_groups.h"
#include "core/tools/windows_tools.h"
#include "ui/app/main_page.h"
#include "ui/controls/check_list_box.h"
#include "ui/controls/selector_page.h"
#include "ui/controls/subclass.h"

namespace kefelo::ui {

class ToolsPage : public MainPage, private tools::SystemStoresView {
public:
    bool create(const MainPageContext& context) override;
    // pcChange: the stores' result label goes; the undeletable-files group offers its
    // buttons exactly while there is an "autodel.bat" to work on; on this page the stores'
    // list takes the focus when its group shows.
    void pageChanged(app::MainPage shown) override;
    // The tray's "Kislemez formázása" is the floppy button's, its disk table item the
    // table button's.
    bool command(UINT id) override;
    // Ctrl+F3: the description box goes to Notepad.
    bool previewKey(const MSG& msg) override;

    int selectedGroup() const { return selector_.selected(); }
    // As a click on the group's selector button.
    void selectGroup(int group);

    // The three buttons of "Törölhetetlenek", through `Gomb`: enabled exactly when an
    // "autodel.bat" exists.
    void setAutodelButtonsEnabled(bool enabled);

    SelectorPage& frame() { return frame_; }
    tools::SystemStores& stores() { return *stores_; }

private:
    void button_diskinfoClick();
    // --- tools::SystemStoresView ---
    void storesChanged() override;
    void setResultLabel(const std::string& text, bool visible) override;
    void prefixDescription(const std::string& text) override;

    void initializeGroups();
    void layoutUndeletables(HWND group);
    void onUndeletablesCommand(int id, int code);
    std::string describeUndeletables(HWND control) const;

    void layoutStores(HWND group);
    void onStoresCommand(int id, int code);
    std::string describeStores(HWND control);
    std::optional<INT_PTR> storesMessage(UINT message, WPARAM wParam, LPARAM lParam);
    // The list's own mouse and keys: a click or key locates, a right click or Enter asks.
    std::optional<LRESULT> storeListMessage(UINT message, WPARAM wParam, LPARAM lParam);
    std::optional<LRESULT> refuseStoreListInput(UINT message);
    void storeMenu(POINT at);
    void storePopup(POINT at, bool rightClick);

    void onToolCommand(int id, int code);
    std::string describeTool(HWND control);

    session::Session* session_ = nullptr;
    app::StatusLine* status_ = nullptr;
    PageHost* host_ = nullptr;
    bool ntFamily_ = true;
    tools::GroupSelector selector_;
    SelectorPage frame_;
    std::unique_ptr<tools::SystemStores> stores_;
    std::unique_ptr<tools::WindowsTools> windowsTools_;
    CheckListBox storeList_;
    Subclass storeListHook_;
    HWND resultLabel_ = nullptr;
};

}  // namespace kefelo::ui
