#include "core/app/main_shell.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "core/app/busy_guard.h"
#include "core/app/file_age.h"
#include "core/app/null_views.h"
#include "core/app/program_texts.h"
#include "core/config/settings_record.h"
#include "platform/fake/fake_platform.h"

using namespace kefelo;
using app::CommandLine;

namespace {
constexpr const char* kDir = "C:\\Kefelo\\";

class FakeView : public apptest::NullShellViews {
public:
    bool visible = true;
    bool pagesShown = true;
    bool emptyTrayMenu = false;
    bool trayShown = true;
    bool splashShown = true;
    bool terminated = false;
    bool restoreChecked = false;
    bool actionsEnabled = true;
    int popUps = 0;
    int beeps = 0;
    int restores = 0;
    int focuses = 0;
    int cleaningPage = 1;
    int storedStates = 0;
    std::string status, tray, splash;

    bool mainVisible() override { return visible; }
    void hideMain() override { visible = false; }
    void showMain() override { visible = true; }
    void focusMain() override { ++focuses; }
    void restoreApplication() override { ++restores; }
    void popUpMain() override {
        ++popUps;
        visible = true;
    }
    void storeWindowState() override { ++storedStates; }
    bool pageControlVisible() override { return pagesShown; }
    void setStatusText(const std::string& t) override { status = t; }
    std::string statusText() override { return status; }
    std::function<void()> onPump;
    void repaintAndPump() override {
        if (onPump) onPump();
    }
    void terminate() override { terminated = true; }
    void beep() override { ++beeps; }
    bool trayMenuIsEmpty() override { return emptyTrayMenu; }
    void hideTrayIcon() override { trayShown = false; }
    void setTrayHint(const std::string& h) override { tray = h; }
    void checkRestoreItem(bool c) override { restoreChecked = c; }
    void enableActionsItem(bool e) override { actionsEnabled = e; }
    void setSplashText(const std::string& t) override { splash = t; }
    void hideSplash() override { splashShown = false; }
};

class FakeSecondary : public app::SecondaryWindow {
public:
    bool shown = false;
    int onTop = 0;
    bool visible() override { return shown; }
    void hide() override { shown = false; }
    void showInFront() override { shown = true; }
    void showOnTopOnce() override {
        shown = true;
        ++onTop;
    }
};

class MainShellTest : public ::testing::Test, protected platform::fake::FakePlatform {
protected:
    CommandLine commandLine;
    config::ConfigModel model;
    config::MaskTable masks;
    app::Activity activity = app::Activity::Idle;
    int stops = 0;
    FakeView view;
    FakeSecondary analysis, ownTypes, zip;
    std::unique_ptr<app::MainShell> shell;

    MainShellTest() { fs.addDirectory("C:\\Kefelo"); }

    app::MainShell& make(std::vector<std::string> params = {}) {
        commandLine = CommandLine(std::move(params));
        shell = std::make_unique<app::MainShell>(
            view.views(), app::ShellContext{platform, commandLine, kDir, "3.2.1.0", model, masks, activity,
                                            [this] { ++stops; }, [this] { view.cleaningPage = 0; }, {}});
        shell->setSecondaryWindows({&analysis, &ownTypes}, &zip);
        return *shell;
    }
    std::string at(const char* name) const { return std::string(kDir) + name; }
};
}  // namespace

TEST_F(MainShellTest, TrayToggleHidesTheWindowsAndBringsBackThoseThatWereOpen) {
    auto& s = make();
    analysis.shown = true;
    zip.shown = true;
    s.menuitem_programrestoreClick();
    EXPECT_FALSE(view.visible);
    EXPECT_FALSE(analysis.shown);
    EXPECT_FALSE(zip.shown);
    EXPECT_EQ(analysis.openMark, 1);
    EXPECT_EQ(ownTypes.openMark, 0);
    EXPECT_EQ(zip.openMark, 1);
    EXPECT_FALSE(view.restoreChecked);

    // Back from the tray: an open secondary window means no PopUp; the end step shows all.
    s.menuitem_programrestoreClick();
    EXPECT_TRUE(s.windowWasVisible);
    EXPECT_EQ(view.popUps, 0);
    EXPECT_TRUE(view.visible);
    EXPECT_TRUE(analysis.shown);
    EXPECT_FALSE(ownTypes.shown);
    EXPECT_EQ(zip.onTop, 1);
    EXPECT_TRUE(view.restoreChecked);
    EXPECT_EQ(view.tray, "Kefeló v3.2.1.0");

    // Nothing was open: the window pops up on its own.
    s.menuitem_programrestoreClick();
    analysis.shown = false;
    analysis.openMark = 0;
    zip.openMark = 0;
    s.menuitem_programrestoreClick();
    EXPECT_EQ(view.popUps, 1);
    EXPECT_TRUE(view.visible);
    EXPECT_EQ(view.focuses, 0);  // already up: the end step has nothing to do
}

TEST_F(MainShellTest, TrayToggleInThePreStartPhaseOnlyFrontsTheApplication) {
    auto& s = make();
    view.visible = false;
    s.preStart = true;
    s.menuitem_programrestoreClick();
    EXPECT_EQ(view.restores, 1);
    EXPECT_FALSE(view.trayShown);
    EXPECT_FALSE(view.visible);
    EXPECT_FALSE(s.windowWasVisible);
}

TEST_F(MainShellTest, TheEmptyTrayMenuOfAnUpdateRunIgnoresClicksAndBalloons) {
    auto& s = make({"/autorun"});
    view.emptyTrayMenu = true;
    view.visible = false;
    s.menuitem_programrestoreClick();
    s.balloonClicked();
    s.balloonHidden();
    s.balloonTimedOut();
    EXPECT_FALSE(view.visible);
    EXPECT_EQ(view.cleaningPage, 1);
    EXPECT_FALSE(view.terminated);
}

TEST_F(MainShellTest, BalloonClickRestoresAndItsHidingResetsTheCleaningPage) {
    auto& s = make();
    view.visible = false;
    s.balloonClicked();
    EXPECT_TRUE(view.visible);
    EXPECT_TRUE(s.windowWasVisible);
    s.balloonHidden();
    EXPECT_EQ(view.cleaningPage, 0);
}

TEST_F(MainShellTest, BalloonTimeoutQuitsOnlyWhereTheAutomaticOptionsSaySo) {
    struct Case {
        bool quitAfter, trayStart;
        const char* param;
        bool quits;
    };
    const Case cases[] = {
        {true, false, "/a", true},        {true, true, "/a", false},       {false, false, "/a", false},
        {false, false, "/autorun", true}, {false, true, "/autorun", true}, {true, true, "/autorun", false},
        {false, false, "", false},
    };
    for (const Case& c : cases) {
        view = FakeView{};
        model = config::ConfigModel{};
        model.check_quitprogramwhenautorundone = c.quitAfter;
        model.checked_startupwithwindows = c.trayStart;
        make(c.param[0] ? std::vector<std::string>{c.param} : std::vector<std::string>{}).balloonTimedOut();
        EXPECT_EQ(view.terminated, c.quits) << c.quitAfter << c.trayStart << c.param;
    }
}

TEST_F(MainShellTest, ClosingGoesToTheTrayOnlyWithTheOptionAndNotInAnAutorun) {
    make();
    model.check_gototrayonclose = true;
    shell->FormClose();
    EXPECT_FALSE(view.visible);
    EXPECT_FALSE(view.terminated);
    EXPECT_TRUE(view.trayShown);
    EXPECT_FALSE(fs.exists(at("beallitasok.cfg")));

    make({"/autorun"});
    shell->FormClose();
    EXPECT_TRUE(view.terminated);

    view = FakeView{};
    model.check_gototrayonclose = false;
    make();
    shell->FormClose();
    EXPECT_TRUE(view.terminated);
    EXPECT_FALSE(view.trayShown);
    EXPECT_TRUE(fs.exists(at("beallitasok.cfg")));
}

TEST_F(MainShellTest, QuitSavesFromThePagesWithTheOwnTypesButNothingFromTheWelcomeScreen) {
    auto& s = make();
    view.pagesShown = false;
    s.Kilps1Click();
    EXPECT_TRUE(view.terminated);
    EXPECT_FALSE(view.splashShown);
    EXPECT_FALSE(view.trayShown);
    EXPECT_TRUE(s.quitting);
    EXPECT_EQ(view.storedStates, 0);
    EXPECT_TRUE(fs.namesIn("C:\\Kefelo").empty());

    view = FakeView{};
    masks.setOwnTypes("*.SAJAT|*.MAS");
    auto& t = make();
    // A second quit arriving while the first pumps messages does nothing more.
    view.onPump = [&] { t.Kilps1Click(); };
    t.Kilps1Click();
    EXPECT_EQ(view.storedStates, 1);
    EXPECT_GE(stops, 1);
    auto record = config::decodeSettingsRecord(fs.content(at("beallitasok.cfg")).value_or(""));
    ASSERT_TRUE(record);
    EXPECT_EQ(record->ownTypes, "*.SAJAT|*.MAS");
    EXPECT_EQ(fs.getAttributes(at("beallitasok.cfg")).value_or(0) & platform::attr::kReadOnly,
              platform::attr::kReadOnly);
    EXPECT_TRUE(fs.exists(at("vedettek.lst")));
}

TEST_F(MainShellTest, FirstShowingHidesTheSplashUnlessItIsKept) {
    auto& s = make();
    s.keepSplash = true;
    EXPECT_TRUE(s.FormShow());
    EXPECT_TRUE(view.splashShown);
    EXPECT_EQ(view.status, app::welcomeStatusText("3.2.1.0"));

    view.status.clear();
    s.keepSplash = false;
    EXPECT_FALSE(s.FormShow());
    EXPECT_TRUE(view.splashShown);  // only the first showing decides
    EXPECT_FALSE(view.status.empty());

    auto& t = make();
    EXPECT_TRUE(t.FormShow());
    EXPECT_FALSE(view.splashShown);
}

TEST_F(MainShellTest, BusyGuardWarnsWhileSomethingRuns) {
    auto& s = make();
    EXPECT_FALSE(s.FutValami());
    EXPECT_TRUE(ui.messages.empty());
    activity = app::Activity::FileSearch;
    EXPECT_TRUE(s.FutValami());
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].kind, platform::MessageKind::Warning);
    EXPECT_EQ(ui.messages[0].buttons, platform::Buttons::Ok);
    EXPECT_EQ(ui.messages[0].text, app::kBusyWarning);
}

TEST_F(MainShellTest, BlinkingAlternatesTheStatusOrInAnAutomaticRunTheSplash) {
    auto& s = make();
    s.VillogTimer();
    EXPECT_EQ(view.status, "");  // not running: nothing happens
    s.startBlinking(2);
    EXPECT_FALSE(s.statusFollowsHint(false));
    s.VillogTimer();
    EXPECT_EQ(view.status, " A kijelölt tároló(k) ürítése folyamatban... Kérem várjon!");
    EXPECT_EQ(view.tray, "Kefeló v3.2.1.0 A kijelölt tároló(k) ürítése folyamatban... Kérem várjon!");
    s.VillogTimer();
    EXPECT_EQ(view.status, "");
    EXPECT_EQ(view.tray, "Kefeló v3.2.1.0");

    view.tray = "unchanged";
    s.startBlinking(0);
    s.VillogTimer();
    EXPECT_EQ(view.status, " A Takarítás folyamatban van... Kérem várjon!");
    EXPECT_EQ(view.tray, "unchanged");
    s.stopBlinking();
    EXPECT_EQ(view.status, "");  // the work is over: "in progress" does not stay
    EXPECT_TRUE(s.statusFollowsHint(false));
    EXPECT_FALSE(s.statusFollowsHint(true));
    s.startBlinking(2);
    s.VillogTimer();
    view.status = " A Takarítási folyamat befejeződött";  // what the work said at its end stays
    s.stopBlinking();
    EXPECT_EQ(view.status, " A Takarítási folyamat befejeződött");
    s.startBlinking(3);
    s.VillogTimer();
    s.stopBlinking();
    EXPECT_EQ(view.status, "");
    EXPECT_EQ(view.tray, "Kefeló v3.2.1.0");

    auto& a = make({"/a"});
    view.status = "kept";
    a.startBlinking(0);
    a.VillogTimer();
    EXPECT_EQ(view.splash, app::kAutomaticBlinkText);
    a.VillogTimer();
    EXPECT_EQ(view.splash, "");
    EXPECT_EQ(view.status, "kept");
}

TEST_F(MainShellTest, EndBeepNeedsTheOptionNoQuitAndWhereAskedTheVisibleFlag) {
    auto& s = make();
    model.check_beep = true;
    s.endBeep(true);
    EXPECT_EQ(view.beeps, 0);
    s.endBeep(false);
    EXPECT_EQ(view.beeps, 1);
    s.windowWasVisible = true;
    s.endBeep(true);
    EXPECT_EQ(view.beeps, 2);
    s.quitting = true;
    s.endBeep(false);
    model.check_beep = false;
    s.quitting = false;
    s.endBeep(false);
    EXPECT_EQ(view.beeps, 2);
}

TEST_F(MainShellTest, OnlyTheFirstActivationAfterADeactivationRefreshes) {
    auto& s = make();
    s.activationMark = true;  // as the start-up leaves it
    EXPECT_FALSE(s.activationChanged(true));
    EXPECT_FALSE(s.activationChanged(false));
    EXPECT_TRUE(s.activationChanged(true));
    EXPECT_FALSE(s.activationChanged(true));
}

TEST_F(MainShellTest, TrayMenuEnablesActionsOnlyWithoutSecondaryWindowsUnlessTagged) {
    auto& s = make();
    ownTypes.shown = true;
    s.pTrayPopup();
    EXPECT_FALSE(view.actionsEnabled);
    EXPECT_TRUE(view.restoreChecked);
    ownTypes.shown = false;
    s.pTrayPopup();
    EXPECT_TRUE(view.actionsEnabled);
    s.actionsTag = 1;
    zip.shown = true;
    s.pTrayPopup();
    EXPECT_TRUE(view.actionsEnabled);
}

TEST_F(MainShellTest, UninstallerHoldsTheActionsItemAndEndsWithoutSaving) {
    auto& s = make();
    s.holdActionsItem(true);
    s.pTrayPopup();
    EXPECT_FALSE(view.actionsEnabled);
    s.holdActionsItem(false);
    s.pTrayPopup();
    EXPECT_TRUE(view.actionsEnabled);

    s.endWithoutSaving();
    EXPECT_EQ(stops, 1);
    EXPECT_TRUE(view.terminated);
    EXPECT_FALSE(view.trayShown);
    EXPECT_EQ(view.storedStates, 0);
    EXPECT_TRUE(fs.namesIn("C:\\Kefelo").empty());
    // A quit arriving afterwards saves nothing either.
    s.Kilps1Click();
    EXPECT_TRUE(fs.namesIn("C:\\Kefelo").empty());
}

TEST_F(MainShellTest, CreationClearsLeftoversLoadsOwnTypesAndDetectsDiagnostics) {
    fs.addFile(at("autodel.bat"), "del x", platform::attr::kReadOnly | platform::attr::kHidden);
    fs.addFile(at("info.txt"), "x");
    for (const char* name : {"update.bat", "update.txt", "new.zip", "new.exe", "update.old"}) fs.addFile(at(name), "x");
    fs.addFile(at("teszt.mod"));
    config::Settings settings;
    settings.ownTypes = "*.KEF";
    fs.addFile(at("beallitasok.cfg"), config::encodeSettingsRecord(settings));

    auto& s = make({"/update"});
    EXPECT_TRUE(s.FormCreate(1024, 768));
    EXPECT_EQ(fs.namesIn("C:\\Kefelo"), (std::vector<std::string>{"teszt.mod", "beallitasok.cfg"}));
    EXPECT_EQ(masks.ownTypes(), "*.KEF");
    EXPECT_EQ(masks.lineCount(), config::kCategoryCount);
    EXPECT_TRUE(s.console.enabled());
    EXPECT_EQ(s.console.lines(), std::vector<std::string>{std::string("1 : ") + app::kUpdateLeftoversLine});
    EXPECT_EQ(model.zipDirectory, "C:\\Kefelo\\Zipped");
    EXPECT_TRUE(view.splashShown);
}

TEST_F(MainShellTest, CreationInAnAutoStartHidesTheSplashUnlessKept) {
    auto& s = make({"/a"});
    s.keepSplash = true;
    EXPECT_FALSE(s.FormCreate(1024, 768));
    EXPECT_TRUE(view.splashShown);
    EXPECT_FALSE(s.console.enabled());
    s.keepSplash = false;
    s.FormCreate(1024, 768);
    EXPECT_FALSE(view.splashShown);
    // Without settings the window is centred at its minimum size.
    EXPECT_EQ(model.window.left, (1024 - 649) / 2);
}

TEST_F(MainShellTest, ListsThatCouldNotBeReadAreToldOnceAndSurviveTheQuit) {
    const std::string list = "|C:\\Munka\r\n*\r\n|C:\\Munka>*.TMP\r\n";
    fs.addFile(at("konyvtarak.lst"), list, platform::attr::kArchive | platform::attr::kHidden);
    fs.addFile(at("vedettek.lst"), "sajat.txt\r\n");
    fs.setLocked(at("konyvtarak.lst"), true);
    fs.setLocked(at("vedettek.lst"), true);

    auto& s = make();
    s.FormCreate(1024, 768);
    // The working window loads once more; the user hears about it once.
    s.FormCreate(1024, 768);
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].kind, platform::MessageKind::Error);
    EXPECT_EQ(ui.messages[0].buttons, platform::Buttons::Ok);
    EXPECT_EQ(ui.messages[0].text,
              "Nem sikerült betölteni a tárolók és a feladatok listáját!\r\n(C:\\Kefelo\\konyvtarak.lst)\r\n"
              "Nem sikerült betölteni a védett állományok listáját!\r\n(C:\\Kefelo\\vedettek.lst)\r\n\r\n"
              "A Kefeló ebben a munkamenetben nem írja felül és nem törli ezeket az állományokat, így a tartalmuk "
              "megmarad. A listákon most végzett változtatások viszont nem lesznek elmentve.");

    // The lock is gone by the time the user quits; what was added meanwhile is not saved.
    fs.setLocked(at("konyvtarak.lst"), false);
    fs.setLocked(at("vedettek.lst"), false);
    model.list_protectfiles.items.push_back("uj.txt");
    s.Kilps1Click();
    EXPECT_EQ(fs.content(at("konyvtarak.lst")), list);
    EXPECT_EQ(fs.content(at("vedettek.lst")), "sajat.txt\r\n");
    EXPECT_EQ(fs.getAttributes(at("konyvtarak.lst")), platform::attr::kArchive | platform::attr::kHidden);
    EXPECT_TRUE(fs.exists(at("beallitasok.cfg")));
    EXPECT_EQ(ui.messages.size(), 1u);
}

TEST_F(MainShellTest, AnAutomaticRunKeepsTheUnreadableListWithoutAWord) {
    fs.addFile(at("teszt.mod"));
    fs.addFile(at("vedettek.lst"), "sajat.txt\r\n");
    fs.setLocked(at("vedettek.lst"), true);
    auto& s = make({"/autorun"});
    s.FormCreate(1024, 768);
    EXPECT_TRUE(ui.messages.empty());
    // The console still says why the file stays as it is.
    EXPECT_NE(std::find(s.console.lines().begin(), s.console.lines().end(),
                        "2 : ! Nem tudtam beolvasni, ezert nem irom felul: C:\\Kefelo\\vedettek.lst !"),
              s.console.lines().end());
    fs.setLocked(at("vedettek.lst"), false);
    s.Kilps1Click();
    EXPECT_EQ(fs.content(at("vedettek.lst")), "sajat.txt\r\n");
    EXPECT_TRUE(ui.messages.empty());
}

TEST(DiagnosticConsole, NumbersItsLinesAndStaysSilentWhenOff) {
    app::DiagnosticConsole console;
    std::vector<std::string> shown;
    console.onLine = [&](const std::string& line) { shown.push_back(line); };
    console.TesztBe("semmi");
    EXPECT_TRUE(console.lines().empty());
    console.setEnabled(true);
    console.TesztBe("egy");
    console.TesztBe("");
    EXPECT_EQ(shown, (std::vector<std::string>{"1 : egy", "2 : "}));
}

TEST(FileAge, PacksTheLocalLastWriteTimeOrGivesMinusOne) {
    platform::fake::FakeFileSystem fs;
    platform::fake::FakeClock clock;
    clock.utcOffsetTicks = 36000000000LL;  // one hour east of UTC
    // 2024-03-05 10:20:30 UTC
    const int64_t utc = timeutil::toFileTime(timeutil::toDateTime({2024, 3, 5, 10, 20, 30}));
    fs.addFile("C:\\k.exe", "MZ", platform::attr::kArchive, utc);
    const uint32_t expected = timeutil::toDosDateTime({2024, 3, 5, 11, 20, 30});
    EXPECT_EQ(app::FileAge(fs, clock, "C:\\k.exe"), static_cast<int64_t>(expected));
    EXPECT_EQ(app::FileAge(fs, clock, "C:\\missing.exe"), -1);
}
