// The ZIP window on screen over real files and a real archive: Esc, pressed on the
// window while it packs or deletes (when the queue runs from inside the work, outside
// the dialog's own loop), stops the work after the current file and closes the window.
#include <windows.h>
// These need the definitions above.
#include <commctrl.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "core/app/null_views.h"
#include "core/search/search_page_model.h"
#include "platform/win32/wide.h"
#include "platform/win32/win32_platform.h"
#include "platform/win32/win32_shell.h"
#include "platform/win32/win32_ui_services.h"
#include "platform/win32/win32_zip_archives.h"
#include "ui/search/zip_window.h"
#include "ui/search/zip_window_ids.h"

using namespace kefelo;
using platform::win32::narrow;

namespace {

namespace fs = std::filesystem;

// Message boxes are recorded and answered; `beforePump` runs where a user could act.
class ScriptedUi : public platform::win32::Win32UiServices {
public:
    std::vector<std::string> messages;
    std::function<void()> beforePump;
    platform::Answer message(platform::MessageKind, platform::Buttons buttons, const std::string& text) override {
        messages.push_back(text);
        return buttons == platform::Buttons::Ok ? platform::Answer::Ok : platform::Answer::Yes;
    }
    void pumpMessages() override {
        if (beforePump) beforePump();
        Win32UiServices::pumpMessages();
    }
};

struct QuietSearchView : search::SearchView {
    void searchPageChanged() override {}
    void foundFilesChanged() override {}
    bool searchPageShown() override { return true; }
    void showSearchPage() override {}
    void focusFoundFiles() override {}
};

class ZipWindowTest : public ::testing::Test {
protected:
    platform::win32::Win32FileSystem files;
    platform::win32::Win32SystemInfo sys;
    platform::win32::Win32Registry registry;
    platform::win32::Win32Clock clock;
    platform::win32::Win32Clipboard clipboard;
    ScriptedUi ui;
    platform::Platform platform{files, sys, registry, clock, ui, clipboard};
    platform::win32::Win32Shell shell;
    platform::win32::Win32ZipArchives archives;
    config::ConfigModel config;
    config::MaskTable masks;
    config::TypeLists lists{masks, ui};
    app::CommandLine commandLine;
    search::TSearchFolders walker{platform};
    apptest::NullStatusLine status;
    apptest::NullMainFrame frame;
    QuietSearchView view;
    std::unique_ptr<search::SearchPageModel> model;
    std::unique_ptr<ui::ZipWindow> zip;
    fs::path folder;
    std::vector<fs::path> sources;

    void SetUp() override {
        wchar_t temp[MAX_PATH];
        GetTempPathW(MAX_PATH, temp);
        folder = fs::path(temp) / L"kefelo zip window test";
        clear();
        fs::create_directories(folder);
        for (const wchar_t* name : {L"a.tmp", L"b.tmp", L"c.tmp", L"d.tmp"}) {
            sources.push_back(folder / name);
            HANDLE h = CreateFileW(sources.back().c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                   FILE_ATTRIBUTE_NORMAL, nullptr);
            ASSERT_NE(h, INVALID_HANDLE_VALUE);
            const std::string bytes(200000, static_cast<char>('a' + sources.size()));
            DWORD written = 0;
            WriteFile(h, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
            CloseHandle(h);
        }

        config.edit_searchpath.items = {std::string(config::kBrowseItem)};
        lists.list_searchext.items = {{"*.tmp", true}};
        model = std::make_unique<search::SearchPageModel>(
            search::SearchContext{platform, config, lists, walker, commandLine, view, status, frame, "3.2.1.0"});
        walker.OnChanged = [this](search::TSearchFolders& w, int64_t, int64_t) {
            if (w.Tag == app::Activity::FileSearch) model->SearchFoldersChanged();
        };
        model->location.setText(narrow(folder.wstring()));
        model->button_searchbeginClick();
        ASSERT_EQ(model->found.size(), sources.size());
        model->markingCommand(config::MarkingCommand::SelectAll);
        model->sgTfrissites();

        zip = std::make_unique<ui::ZipWindow>(
            search::ZipContext{platform, shell, archives, *model, walker.Tag, view, frame, config,
                               narrow(folder.wstring()) + "\\", "3.2.1.0", true},
            nullptr);
        if (!zip->create(GetModuleHandleW(nullptr), nullptr)) GTEST_SKIP() << "no window could be created";
        ASSERT_TRUE(zip->model().button_findsselecttozipClick());
        zip->model().nameChosen(narrow((folder / L"archive").wstring()));
        // As the user leaves it: the window in front, its "Tömörítés" pressed.
        ShowWindow(zip->hwnd(), SW_SHOW);
        SetForegroundWindow(zip->hwnd());
        SetFocus(button(IDC_BUTTON_COMPRESS));
    }
    void TearDown() override {
        zip.reset();
        clear();
    }
    void clear() {
        std::error_code ec;
        fs::remove_all(folder, ec);
    }
    HWND button(int id) const { return GetDlgItem(zip->hwnd(), id); }
    size_t sourcesLeft() const {
        size_t left = 0;
        for (const auto& path : sources) left += fs::exists(path) ? 1 : 0;
        return left;
    }
    // Esc as the keyboard sends it: to the control that has the focus.
    void pressEscape(int expectedFocus) {
        HWND focus = GetFocus();
        EXPECT_EQ(focus, button(expectedFocus));
        PostMessageW(focus ? focus : zip->hwnd(), WM_KEYDOWN, VK_ESCAPE, 0);
    }
};

TEST_F(ZipWindowTest, EscapeStopsPackingAfterTheCurrentFileAndClosesTheWindow) {
    search::Ttomorit& m = zip->model();
    ui.beforePump = [&] {
        if (m.compressed().size() == 1 && IsWindowVisible(zip->hwnd())) pressEscape(IDC_BUTTON_ABORT);
    };
    m.button_compressClick();
    EXPECT_FALSE(IsWindowVisible(zip->hwnd()));
    EXPECT_EQ(m.memo_zipinfowhenend.rfind("A tömörítési folyamat félbe lett szakítva", 0), 0u);
    const auto entries = archives.readBack(m.edit_compressname, {});
    ASSERT_TRUE(entries);
    EXPECT_EQ(entries->size(), 1u);
    EXPECT_EQ(walker.Tag, app::Activity::Idle);
}

TEST_F(ZipWindowTest, EscapeStopsDeletingAfterTheCurrentFileAndTheWindowStaysClosed) {
    search::Ttomorit& m = zip->model();
    m.button_compressClick();
    ASSERT_EQ(m.pc, search::zip_result);
    ASSERT_EQ(m.compressed().size(), sources.size());
    SetFocus(button(IDC_BUTTON_ACTIVEFILEDEL));
    ui.beforePump = [&] {
        if (sourcesLeft() == sources.size() - 1 && IsWindowVisible(zip->hwnd())) pressEscape(IDC_BUTTON1);
    };
    m.button_activefiledelClick();
    EXPECT_EQ(sourcesLeft(), sources.size() - 1);
    EXPECT_FALSE(IsWindowVisible(zip->hwnd()));
    EXPECT_FALSE(m.closedModal());
    EXPECT_EQ(model->found.size(), sources.size() - 1);
    EXPECT_EQ(walker.Tag, app::Activity::Idle);
}

// Every key pressed in the list of files left undeleted selects the current entry once, as
// a click does, also when it does not move the selection.
TEST_F(ZipWindowTest, EveryKeyInTheUndeletedListSelectsItsEntry) {
    search::Ttomorit& m = zip->model();
    m.button_compressClick();
    ASSERT_EQ(m.pc, search::zip_result);
    std::vector<HANDLE> held;
    for (size_t i : {1u, 2u}) {
        held.push_back(CreateFileW(sources[i].c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr));
        ASSERT_NE(held.back(), INVALID_HANDLE_VALUE);
    }
    m.button_activefiledelClick();
    ASSERT_TRUE(m.closedModal());
    ASSERT_EQ(m.pc, search::zip_undeleted);
    ASSERT_EQ(m.listundeleted.size(), 2u);
    const HWND list = GetDlgItem(zip->hwnd(), IDC_LISTUNDELETED);
    const auto press = [&](WPARAM key) {
        SendMessageW(list, WM_KEYDOWN, key, 0);
        MSG msg;
        while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&msg);
    };

    m.windowHint.clear();
    model->found.currentRow = -1;
    press(VK_SPACE);  // the selection stays on the first entry
    EXPECT_EQ(m.windowHint, m.listundeleted[0]);
    EXPECT_EQ(model->found.currentRow, 0);
    press(VK_DOWN);
    EXPECT_EQ(m.windowHint, m.listundeleted[1]);
    EXPECT_EQ(model->found.currentRow, 1);
    EXPECT_EQ(m.listundeletedIndex, 1);
    for (HANDLE h : held) CloseHandle(h);
}

}  // namespace
