#include "core/tools/system_stores.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>

#include "core/app/busy_guard.h"
#include "core/app/null_views.h"
#include "platform/fake/fake_platform.h"

namespace kefelo::tools {
namespace {

using platform::Answer;
using platform::MessageKind;
using platform::SpecialFolder;

struct RecordingStatus : apptest::NullStatusLine {
    std::string text = "earlier";
    bool blinking = false;
    int blinkTag = -1;
    void setStatusText(const std::string& t) override { text = t; }
    void startBlinking(int tag) override {
        blinking = true;
        blinkTag = tag;
    }
    void stopBlinking() override { blinking = false; }
};

struct RecordingView : SystemStoresView {
    std::string label;
    bool labelVisible = false;
    std::string prefix;
    // The selected store at each redraw, to follow the highlight through an emptying.
    std::vector<int> shownSelections;
    const config::CheckList* list = nullptr;
    void storesChanged() override { shownSelections.push_back(list->selected); }
    void setResultLabel(const std::string& text, bool visible) override {
        label = text;
        labelVisible = visible;
    }
    void prefixDescription(const std::string& text) override { prefix = text + prefix; }
};

struct SystemStoresTest : platform::fake::FakePlatform, ::testing::Test {
    config::ConfigModel config;
    search::TSearchFolders walker{platform};
    RecordingStatus status;
    apptest::NullMainFrame frame;
    app::CommandLine commandLine;
    cleaning::RunRecord record{[] { return cleaning::NowTexts{}; }};
    RecordingView view;
    std::unique_ptr<SystemStores> stores;

    SystemStoresTest() {
        sys.windowsDir = "C:\\WINDOWS";
        sys.folders[SpecialFolder::Recent] = "C:\\Users\\user\\Recent";
        sys.folders[SpecialFolder::History] = "C:\\Users\\user\\History";
        sys.folders[SpecialFolder::Templates] = "C:\\Users\\user\\Templates";
        sys.folders[SpecialFolder::Profile] = "C:\\Users\\user";
        fs.addDirectory("C:\\WINDOWS\\System32");
        fs.addDirectory("C:\\Kefelo");
        config.list_protectfiles.items = {"desktop.ini"};
    }

    SystemStores& make() {
        stores = std::make_unique<SystemStores>(
            SystemStoresContext{platform, shell, config, walker, status, frame, commandLine, record, "C:\\Kefelo\\"});
        view.list = &stores->list;
        stores->attachView(&view);
        return *stores;
    }

    void tick(int store) { stores->list.items[static_cast<size_t>(store)].ticked = true; }
    std::vector<std::string> messageTexts() const {
        std::vector<std::string> out;
        for (const auto& m : ui.messages) out.push_back(m.text);
        return out;
    }
    size_t busyWarnings() const {
        const std::vector<std::string> texts = messageTexts();
        return static_cast<size_t>(std::count(texts.begin(), texts.end(), app::kBusyWarning));
    }
    // `event` runs once, at the first pump of the queue while the stores hold the code;
    // the clock moves so that the emptying's time-sliced pump comes due at every file.
    void duringTheOperation(std::function<void()> event) {
        clock.autoAdvanceMs = 20;
        ui.onPump = [this, event = std::move(event), done = false]() mutable {
            if (done || walker.Tag != app::Activity::SystemStores) return;
            done = true;
            event();
        };
    }
};

TEST_F(SystemStoresTest, LocatingPutsEachStoresFolderInTheStatusLine) {
    fs.addDirectory("C:\\Users\\user\\Recent");
    fs.addDirectory("C:\\WINDOWS\\Driver Cache");
    make();
    stores->select(store_recent);
    EXPECT_EQ(stores->locateSelected(), "C:\\Users\\user\\Recent");
    EXPECT_EQ(status.text, "C:\\Users\\user\\Recent");
    stores->select(store_drivercache);
    EXPECT_EQ(stores->locateSelected(), "C:\\WINDOWS\\Driver Cache");
    // The Recycle Bin has no path, only its name.
    stores->select(store_recyclebin);
    EXPECT_EQ(stores->locateSelected(), "");
    EXPECT_EQ(status.text, "Lomtár");
    EXPECT_TRUE(ui.messages.empty());
    EXPECT_FALSE(view.labelVisible);
}

TEST_F(SystemStoresTest, AStoreNotFoundLosesItsTickAfterTheErrorBox) {
    make();
    tick(store_history);  // the shell knows the folder, the disk does not have it
    stores->select(store_history);
    EXPECT_EQ(stores->locateSelected(), "");
    EXPECT_EQ(status.text, "");
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].kind, MessageKind::Error);
    EXPECT_EQ(ui.messages[0].text, kStoreNotFound);
    EXPECT_FALSE(stores->list.items[store_history].ticked);
}

TEST_F(SystemStoresTest, TheUninstallListTakesOnlyDollarEnclosedDirectories) {
    fs.addDirectory("C:\\WINDOWS\\$NtUninstallKB1$", platform::attr::kDirectory | platform::attr::kHidden);
    fs.addDirectory("C:\\WINDOWS\\$");
    fs.addDirectory("C:\\WINDOWS\\$hf_mig");
    fs.addFile("C:\\WINDOWS\\$file$");
    make();
    stores->select(store_updateuninstall);
    EXPECT_EQ(stores->locateSelected(), "C:\\WINDOWS");
    EXPECT_EQ(stores->uninstallDirectoryNames(), (std::vector<std::string>{"$NtUninstallKB1$", "$"}));
    EXPECT_EQ(stores->popupRequested(true), StorePopup::UninstallWindow);
    EXPECT_EQ(stores->popupRequested(false), StorePopup::StoreMenu);
    EXPECT_EQ(view.prefix, "");

    stores->showUninstallDirectory("$");
    EXPECT_EQ(status.text, "C:\\WINDOWS\\$");
    stores->openUninstallDirectory("$gone$", false);
    EXPECT_EQ(messageTexts(), std::vector<std::string>{std::string(kDirectoryNotFound)});
    stores->openUninstallDirectory("$NtUninstallKB1$", true);
    EXPECT_EQ(shell.propertiesOpened, std::vector<std::string>{"C:\\WINDOWS\\$NtUninstallKB1$"});
}

TEST_F(SystemStoresTest, WithoutUninstallDirectoriesTheDescriptionSaysSo) {
    make();
    stores->select(store_updateuninstall);
    stores->locateSelected();
    EXPECT_EQ(view.prefix, std::string(kNoUninstallDirectories) + "\r\n\r\n\r\n");
    EXPECT_EQ(stores->popupRequested(true), StorePopup::None);
    // The description keeps the note for as long as the store stays selected.
    EXPECT_TRUE(stores->description().starts_with(view.prefix));
    EXPECT_NE(stores->description().find("( C:\\WINDOWS )"), std::string::npos);
}

TEST_F(SystemStoresTest, NothingHappensUntilSomethingIsTickedAndTheUserAgrees) {
    fs.addFile("C:\\Users\\user\\Recent\\a.lnk");
    make();
    stores->emptyActive();
    EXPECT_EQ(messageTexts(), std::vector<std::string>{std::string(kNothingTicked)});
    EXPECT_FALSE(status.blinking);

    walker.Tag = app::Activity::FileSearch;
    tick(store_recent);
    stores->emptyActive();
    EXPECT_EQ(ui.messages.back().text, kBusy);
    walker.Tag = app::Activity::Idle;

    // The question names the ticked stores and only them, each with the folder it resolves
    // to (a redirected Templates folder shows where it is); No leaves everything.
    sys.folders[SpecialFolder::Templates] = "D:\\Elsewhere\\Sablonok";
    tick(store_templates);
    ui.answers = {Answer::No};
    stores->emptyActive();
    const std::string question = ui.messages.back().text;
    EXPECT_EQ(ui.messages.back().kind, MessageKind::Confirmation);
    EXPECT_NE(question.find("- " + std::string(kSystemStoreCaptions[store_recent]) + "\r\n    C:\\Users\\user\\Recent"),
              std::string::npos);
    EXPECT_NE(
        question.find("- " + std::string(kSystemStoreCaptions[store_templates]) + "\r\n    D:\\Elsewhere\\Sablonok"),
        std::string::npos);
    EXPECT_EQ(question.find(kSystemStoreCaptions[store_recyclebin]), std::string::npos);
    EXPECT_TRUE(fs.exists("C:\\Users\\user\\Recent\\a.lnk"));
    EXPECT_TRUE(stores->list.items[store_recent].ticked);
    EXPECT_EQ(shell.recycleBinEmptied, 0);
}

TEST_F(SystemStoresTest, EmptyingKeepsProtectedNamesAndClearsEveryTick) {
    fs.addFile("C:\\Users\\user\\Recent\\a.lnk", "", platform::attr::kReadOnly);
    fs.addFile("C:\\Users\\user\\Recent\\desktop.ini");
    fs.addFile("C:\\Users\\user\\Recent\\sub\\b.lnk");
    fs.addFile("C:\\WINDOWS\\$NtUninstallKB1$\\spuninst.exe");
    fs.addFile("C:\\WINDOWS\\$NtUninstallKB2$\\desktop.ini");
    fs.addDirectory("C:\\WINDOWS\\$hf_mig");
    config.check_deleteemptyfolder = true;
    make();
    stores->select(store_updateuninstall);
    stores->locateSelected();
    for (int store : {store_recyclebin, store_recent, store_updateuninstall, store_drivercache}) tick(store);
    ui.answers = {Answer::Yes};
    stores->emptyActive();

    // The question named each uninstall directory it would empty.
    EXPECT_NE(
        ui.messages.front().text.find("\r\n    C:\\WINDOWS\\$NtUninstallKB1$\r\n    C:\\WINDOWS\\$NtUninstallKB2$"),
        std::string::npos);
    EXPECT_EQ(shell.recycleBinEmptied, 1);
    EXPECT_FALSE(fs.exists("C:\\Users\\user\\Recent\\a.lnk"));
    EXPECT_TRUE(fs.exists("C:\\Users\\user\\Recent\\desktop.ini"));
    EXPECT_FALSE(fs.exists("C:\\Users\\user\\Recent\\sub"));
    EXPECT_TRUE(fs.exists("C:\\Users\\user\\Recent"));  // the store itself stays
    EXPECT_FALSE(fs.exists("C:\\WINDOWS\\$NtUninstallKB1$"));
    EXPECT_TRUE(fs.exists("C:\\WINDOWS\\$NtUninstallKB2$\\desktop.ini"));
    EXPECT_TRUE(fs.exists("C:\\WINDOWS\\$hf_mig"));
    // The missing driver folder is told, and the rest went on regardless.
    EXPECT_EQ(ui.messages.back().text, kDriverCacheFailed);
    EXPECT_TRUE(record.log.lines().empty());

    EXPECT_EQ(walker.Tag, app::Activity::Idle);
    EXPECT_EQ(status.blinkTag, 2);
    EXPECT_FALSE(status.blinking);
    for (const auto& item : stores->list.items) EXPECT_FALSE(item.ticked);
    EXPECT_EQ(stores->list.selected, store_recyclebin);
    EXPECT_EQ(view.label, kEmptyingDone);
    // Every store was highlighted in turn.
    for (int store = 0; store < kSystemStoreCount; ++store)
        EXPECT_NE(std::find(view.shownSelections.begin(), view.shownSelections.end(), store),
                  view.shownSelections.end());
}

TEST_F(SystemStoresTest, WithTheOptionOffEmptiedFoldersStayWithTheirAttributes) {
    const uint32_t hidden = platform::attr::kDirectory | platform::attr::kHidden | platform::attr::kSystem;
    fs.addDirectory("C:\\WINDOWS\\$NtUninstallKB1$", hidden);
    fs.addFile("C:\\WINDOWS\\$NtUninstallKB1$\\sub\\x.dll");
    config.check_deleteemptyfolder = false;
    make();
    stores->select(store_updateuninstall);
    stores->locateSelected();
    tick(store_updateuninstall);
    ui.answers = {Answer::Yes};
    stores->emptyActive();
    EXPECT_FALSE(fs.exists("C:\\WINDOWS\\$NtUninstallKB1$\\sub\\x.dll"));
    EXPECT_TRUE(fs.exists("C:\\WINDOWS\\$NtUninstallKB1$\\sub"));
    EXPECT_EQ(fs.getAttributes("C:\\WINDOWS\\$NtUninstallKB1$"), hidden);
}

// A shell folder that resolves to nothing, to a drive, to a relative path or to the
// system's own folder is never emptied.
TEST_F(SystemStoresTest, AStoreInAGuardedPlaceIsNeverEmptied) {
    fs.addFile("C:\\keep.txt");
    fs.addFile("C:\\WINDOWS\\keep.dll");
    fs.addFile("C:\\Users\\user\\keep.dat");
    fs.addFile("C:\\Recent\\keep.lnk");
    fs.setCurrentDirectory("C:\\");
    for (const char* location : {"", "C:\\", "C:", "Recent", "C:\\WINDOWS", "C:\\Users\\user"}) {
        SCOPED_TRACE(location);
        sys.folders[SpecialFolder::Recent] = location;
        make();
        ui.messages.clear();
        tick(store_recent);
        ui.answers = {Answer::Yes};
        stores->emptyActive();
        EXPECT_TRUE(fs.exists("C:\\keep.txt"));
        EXPECT_TRUE(fs.exists("C:\\WINDOWS\\keep.dll"));
        EXPECT_TRUE(fs.exists("C:\\Users\\user\\keep.dat"));
        EXPECT_TRUE(fs.exists("C:\\Recent\\keep.lnk"));
        ASSERT_FALSE(ui.messages.empty());
        EXPECT_EQ(ui.messages.back().kind, MessageKind::Error);
        EXPECT_EQ(walker.Tag, app::Activity::Idle);
    }
}

TEST_F(SystemStoresTest, ARecycleBinThatCannotBeEmptiedIsOfferedToTheUser) {
    shell.recycleBinResult = platform::RecycleBinEmptying::Unavailable;
    make();
    tick(store_recyclebin);
    ui.answers = {Answer::Yes, Answer::Yes};
    stores->emptyActive();
    EXPECT_EQ(ui.messages.back().text, kRecycleBinManualQuestion);
    EXPECT_EQ(ui.messages.back().buttons, platform::Buttons::YesNo);
    EXPECT_EQ(status.text, kRecycleBinManualStatus);
    EXPECT_EQ(shell.recycleBinOpened, std::vector<bool>{false});

    shell.recycleBinResult = platform::RecycleBinEmptying::LibraryNotLoaded;
    tick(store_recyclebin);
    ui.answers = {Answer::Yes};
    stores->emptyActive();
    EXPECT_EQ(ui.messages.back().text, kShellLibraryFailed);
}

TEST_F(SystemStoresTest, TheStoreMenuOpensTheLocatedFolder) {
    fs.addDirectory("C:\\Users\\user\\Templates");
    make();
    stores->select(store_templates);
    stores->openSelected(false);
    stores->openSelected(true);
    ASSERT_EQ(shell.executed.size(), 1u);
    EXPECT_EQ(shell.executed[0].file, "explorer.exe");
    EXPECT_EQ(shell.executed[0].parameters, "C:\\Users\\user\\Templates");
    EXPECT_EQ(shell.propertiesOpened, std::vector<std::string>{"C:\\Users\\user\\Templates"});
    stores->select(store_recyclebin);
    stores->openSelected(true);
    EXPECT_EQ(shell.recycleBinOpened, std::vector<bool>{true});
}

// The list stays live while the stores are emptied: a click or key on it locates, which
// for store 4 would look for the uninstall directories again.
TEST_F(SystemStoresTest, AClickOnTheListDuringAnEmptyingLeavesTheRunItsDirectories) {
    fs.addFile("C:\\WINDOWS\\$NtUninstallKB1$\\a.dll");
    fs.addFile("C:\\WINDOWS\\$NtUninstallKB2$\\b.dll");
    make();
    stores->select(store_updateuninstall);
    stores->locateSelected();
    status.text = "earlier";
    tick(store_updateuninstall);
    ui.answers = {Answer::Yes};
    duringTheOperation([&] {
        fs.addFile("C:\\WINDOWS\\$NtUninstallKB3$\\c.dll");  // came after the user agreed
        stores->locateSelected();
    });
    stores->emptyActive();

    EXPECT_FALSE(fs.exists("C:\\WINDOWS\\$NtUninstallKB1$\\a.dll"));
    EXPECT_FALSE(fs.exists("C:\\WINDOWS\\$NtUninstallKB2$\\b.dll"));
    EXPECT_TRUE(fs.exists("C:\\WINDOWS\\$NtUninstallKB3$\\c.dll"));
    EXPECT_EQ(stores->uninstallDirectoryNames(), (std::vector<std::string>{"$NtUninstallKB1$", "$NtUninstallKB2$"}));
    EXPECT_EQ(busyWarnings(), 1u);
    EXPECT_EQ(status.text, "earlier");
    EXPECT_EQ(walker.Tag, app::Activity::Idle);
}

// What the question named is what goes, whatever is ticked or unticked meanwhile.
TEST_F(SystemStoresTest, TicksDuringAnEmptyingAreRefused) {
    fs.addFile("C:\\Users\\user\\Recent\\a.lnk");
    fs.addFile("C:\\Users\\user\\Templates\\t.dot");
    fs.addFile("C:\\WINDOWS\\Driver Cache\\d.sys");
    make();
    tick(store_recent);
    tick(store_templates);
    ui.answers = {Answer::Yes};
    duringTheOperation([&] {
        stores->toggle(store_drivercache);
        stores->toggle(store_templates);
    });
    stores->emptyActive();

    EXPECT_FALSE(fs.exists("C:\\Users\\user\\Recent\\a.lnk"));
    EXPECT_FALSE(fs.exists("C:\\Users\\user\\Templates\\t.dot"));
    EXPECT_TRUE(fs.exists("C:\\WINDOWS\\Driver Cache\\d.sys"));
    EXPECT_EQ(busyWarnings(), 2u);
    for (const auto& item : stores->list.items) EXPECT_FALSE(item.ticked);
}

TEST_F(SystemStoresTest, TheStoreMenuSelectionAndResultLabelWaitForTheEmptying) {
    fs.addFile("C:\\Users\\user\\Recent\\a.lnk");
    fs.addDirectory("C:\\Users\\user\\Templates");
    make();
    tick(store_recent);
    ui.answers = {Answer::Yes};
    StorePopup popup = StorePopup::StoreMenu;
    bool labelOpensTable = true;
    duringTheOperation([&] {
        stores->select(store_templates);
        popup = stores->popupRequested(true);
        stores->openSelected(false);
        labelOpensTable = stores->resultLabelClicked();
    });
    stores->emptyActive();

    EXPECT_EQ(popup, StorePopup::None);
    EXPECT_FALSE(labelOpensTable);
    EXPECT_TRUE(shell.executed.empty());
    EXPECT_EQ(busyWarnings(), 3u);
    // The highlight went through the stores in order, never to the clicked one out of turn.
    EXPECT_EQ(view.shownSelections, (std::vector<int>{0, 1, 2, 3, 4, 5, 0}));
    EXPECT_EQ(view.label, kEmptyingDone);

    EXPECT_TRUE(stores->resultLabelClicked());
    EXPECT_FALSE(view.labelVisible);
}

// Looking for the uninstall directories pumps the queue once per entry of the Windows
// directory.
TEST_F(SystemStoresTest, NothingElseStartsWhileTheUninstallDirectoriesAreLookedFor) {
    fs.addDirectory("C:\\WINDOWS\\$NtUninstallKB1$");
    fs.addDirectory("C:\\WINDOWS\\$NtUninstallKB2$");
    fs.addFile("C:\\Users\\user\\Recent\\a.lnk");
    make();
    tick(store_recent);
    stores->select(store_updateuninstall);
    ui.answers = {Answer::Yes};
    int pumps = 0;
    ui.onPump = [&] {
        if (++pumps == 1) stores->locateSelected();
        if (pumps == 2) stores->emptyActive();
    };
    stores->locateSelected();

    EXPECT_EQ(stores->uninstallDirectoryNames(), (std::vector<std::string>{"$NtUninstallKB1$", "$NtUninstallKB2$"}));
    EXPECT_TRUE(fs.exists("C:\\Users\\user\\Recent\\a.lnk"));
    EXPECT_EQ(messageTexts(), (std::vector<std::string>{app::kBusyWarning, std::string(kBusy)}));
    EXPECT_EQ(walker.Tag, app::Activity::Idle);
    EXPECT_EQ(status.text, "C:\\WINDOWS");
}

}  // namespace
}  // namespace kefelo::tools
