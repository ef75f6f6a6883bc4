#include "core/app/startup_sequence.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "core/app/program_texts.h"
#include "core/config/config_load.h"
#include "core/config/settings_record.h"
#include "platform/fake/fake_platform.h"

using namespace kefelo;
using app::CommandLine;
using app::StartupEnd;

namespace {
constexpr const char* kDir = "C:\\Kefelo\\";
constexpr timeutil::TDateTime kNow = 46364.5;  // 2026-12-08 12:00

// Records every call as a short event text; answers as the test sets it up.
class RecordingHost : public app::StartupHost {
public:
    explicit RecordingHost(platform::Platform& p) : platform_(p) {}

    std::vector<std::string> events;
    int copies = 1;
    bool installGoesOn = true;
    bool updateRestarts = false;
    bool quitDuringRun = false;
    config::ConfigModel model;

    bool has(const std::string& event) const { return std::find(events.begin(), events.end(), event) != events.end(); }
    // Position of an event, or -1.
    int at(const std::string& event) const {
        auto it = std::find(events.begin(), events.end(), event);
        return it == events.end() ? -1 : static_cast<int>(it - events.begin());
    }

    int runningCopies() override { return copies; }
    void handOverToFirstCopy() override { events.push_back("handover"); }
    const config::ConfigModel& buildMainWindow(bool working) override {
        events.push_back(working ? "working window" : "pre-start window");
        model = config::ConfigModel{};
        config::loadConfiguration(model, config::LoadContext{platform_, kDir, 1024, 768, {}});
        return model;
    }
    void setPreStart(bool on) override { events.push_back(on ? "pre-start on" : "pre-start off"); }
    void setApplicationTitle(const std::string& t) override { events.push_back("title " + t); }
    void setTrayHint(const std::string& h) override { events.push_back("hint " + h); }
    void enableActionsMenu(bool on) override { events.push_back(on ? "actions on" : "actions off"); }
    bool runInstallWizard() override {
        events.push_back("install wizard");
        return installGoesOn;
    }
    void hideApplicationWindow() override { events.push_back("hide application"); }
    void showApplicationWindowAndTray() override { events.push_back("show application and tray"); }
    void createSplash() override { events.push_back("create splash"); }
    void setSplashText(const std::string& t) override { events.push_back("splash " + t); }
    void showSplash() override { events.push_back("show splash"); }
    void hideSplash() override { events.push_back("hide splash"); }
    void makeSplashStrip(const std::string& t) override { events.push_back("strip " + t); }
    void createSecondaryWindows() override { events.push_back("secondary windows"); }
    void clearUpdateWizardDate() override { events.push_back("clear update date"); }
    void syncUpdateWizardDate() override { events.push_back("sync update date"); }
    void showUpdateTray(const std::string& hint, const std::string& title, const std::string&) override {
        events.push_back("update tray " + hint + " / " + title);
    }
    void hideTrayIcon() override { events.push_back("hide tray"); }
    bool runUpdateWizard() override {
        events.push_back("update wizard");
        return updateRestarts;
    }
    void tesztBe(const std::string& t) override { events.push_back("console " + t); }
    void showInformationBalloon(const std::string& title, const std::string& text) override {
        events.push_back("balloon " + title + " / " + text);
    }
    void startCleaningRun() override { events.push_back("cleaning run"); }
    bool terminated() override { return quitDuringRun; }
    void markMainWindowActive() override { events.push_back("mark active"); }
    void showMainWindow() override { events.push_back("show main"); }
    void sendHandoverToSelf() override { events.push_back("handover to self"); }
    int runMessageLoop() override {
        events.push_back("message loop");
        return 7;
    }

private:
    platform::Platform& platform_;
};

class Startup : public ::testing::Test, protected platform::fake::FakePlatform {
protected:
    RecordingHost host{platform};

    Startup() {
        clock.current = kNow;
        fs.addFile("C:\\Kefelo\\kefelo.exe", "MZ");
    }

    void writeSettings(const config::Settings& s) {
        fs.addFile(std::string(kDir) + "beallitasok.cfg", config::encodeSettingsRecord(s));
    }
    void writeDefaultSettings() { writeSettings(config::Settings{}); }

    app::StartupResult run(std::vector<std::string> params, app::StartupState* out = nullptr) {
        app::StartupState state;
        state.commandLine = CommandLine(std::move(params));
        state.programDirectory = kDir;
        state.executablePath = "C:\\Kefelo\\kefelo.exe";
        state.fileVersion = "3.2.1.0";
        auto result = app::runStartup(host, platform, shell, state);
        if (out) *out = state;
        return result;
    }
};
}  // namespace

TEST_F(Startup, SecondCopyHandsOverAndTouchesNothingElse) {
    writeDefaultSettings();
    fs.setAttributes(std::string(kDir) + "beallitasok.cfg", platform::attr::kReadOnly);
    host.copies = 2;

    auto result = run({"C:\\Kefelo"});
    EXPECT_EQ(result.end, StartupEnd::Handover);
    EXPECT_EQ(host.events, std::vector<std::string>{"handover"});
    // Not even the attributes that a first copy clears.
    EXPECT_EQ(fs.getAttributes(std::string(kDir) + "beallitasok.cfg"), platform::attr::kReadOnly);
    EXPECT_TRUE(ui.messages.empty());
}

TEST_F(Startup, AutoStartWithNothingDueEndsBeforeAnyWindowButTrayStartStays) {
    config::Settings s;
    s.autoClean = true;
    s.autoCleanDays = 5;
    s.lastCleaning = 46364.0 - 4;
    writeSettings(s);
    fs.setAttributes(std::string(kDir) + "beallitasok.cfg", platform::attr::kReadOnly);

    EXPECT_EQ(run({"/A"}).end, StartupEnd::Quit);
    EXPECT_TRUE(host.events.empty());
    EXPECT_EQ(fs.getAttributes(std::string(kDir) + "beallitasok.cfg").value_or(1) & platform::attr::kReadOnly, 0u);

    s.startWithWindows = true;
    writeSettings(s);
    app::StartupState state;
    EXPECT_EQ(run({"/a"}, &state).end, StartupEnd::MessageLoop);
    EXPECT_FALSE(state.keepSplash);
    EXPECT_FALSE(host.has("cleaning run"));
    EXPECT_FALSE(host.has("show main"));
    EXPECT_TRUE(host.has("show application and tray"));
}

TEST_F(Startup, NormalStartShowsTheWindowAndRunsTheLoop) {
    writeDefaultSettings();
    auto result = run({});
    EXPECT_EQ(result.end, StartupEnd::MessageLoop);
    EXPECT_EQ(result.exitCode, 7);
    EXPECT_FALSE(host.has("install wizard"));
    EXPECT_FALSE(host.has("update wizard"));
    EXPECT_FALSE(host.has("cleaning run"));
    EXPECT_TRUE(ui.messages.empty());
    // The pre-start window comes before the working one, the loop last of all.
    EXPECT_LT(host.at("pre-start window"), host.at("pre-start on"));
    EXPECT_LT(host.at("pre-start off"), host.at("title Kefeló"));
    EXPECT_LT(host.at("show splash"), host.at("working window"));
    EXPECT_LT(host.at("working window"), host.at("show main"));
    EXPECT_LT(host.at("mark active"), host.at("show main"));
    EXPECT_EQ(host.events.back(), "message loop");
    // The probe file of the writability test is gone again.
    EXPECT_FALSE(fs.exists(std::string(kDir) + "a.789"));
}

TEST_F(Startup, FirstRunRunsTheInstallWizardAndItsCancelEndsTheProcess) {
    sys.language = "ENU";
    host.installGoesOn = false;
    EXPECT_EQ(run({}).end, StartupEnd::InstallCancelled);
    EXPECT_TRUE(host.has("hint Kefeló v3.2.1.0 -  Telepítési folyamat"));
    EXPECT_LT(host.at("actions off"), host.at("install wizard"));
    EXPECT_LT(host.at("title Kefeló telepítése"), host.at("install wizard"));
    EXPECT_FALSE(host.has("create splash"));
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].kind, platform::MessageKind::Information);
    EXPECT_EQ(ui.messages[0].text, app::languageWarning());
    // Nothing was saved.
    EXPECT_FALSE(fs.exists(std::string(kDir) + "beallitasok.cfg"));
}

TEST_F(Startup, FirstRunOnAHungarianSystemGoesOnWithoutAWord) {
    auto result = run({});
    EXPECT_EQ(result.end, StartupEnd::MessageLoop);
    EXPECT_TRUE(ui.messages.empty());
    EXPECT_LT(host.at("install wizard"), host.at("actions on"));
    EXPECT_TRUE(host.has("show main"));
}

TEST_F(Startup, JustInstalledCopyDoesNotOfferTheInstallationAgain) {
    auto result = run({"/installed", "/updaterun"});
    EXPECT_EQ(result.end, StartupEnd::MessageLoop);
    EXPECT_FALSE(host.has("install wizard"));
    EXPECT_TRUE(host.has("update wizard"));
    EXPECT_TRUE(host.has("show main"));
}

TEST_F(Startup, UnwritableDirectoryWarnsAndOpensThePropertySheetOnYes) {
    writeDefaultSettings();
    fs.setWritable("C:\\Kefelo", false);
    ui.answers = {platform::Answer::Yes};
    fs.addFile(std::string(kDir) + "teszt.mod");

    app::StartupState state;
    run({}, &state);
    EXPECT_TRUE(state.restrictedRights);
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].kind, platform::MessageKind::Warning);
    EXPECT_EQ(ui.messages[0].buttons, platform::Buttons::YesNo);
    EXPECT_EQ(ui.messages[0].text, app::writabilityWarning(kDir));
    EXPECT_EQ(shell.propertiesOpened, std::vector<std::string>{kDir});
    EXPECT_TRUE(host.has("console ! Korlatozott jogom van !"));
    // The start goes on.
    EXPECT_TRUE(host.has("show main"));

    ui.messages.clear();
    shell.propertiesOpened.clear();
    ui.answers = {platform::Answer::No};
    run({});
    EXPECT_EQ(ui.messages.size(), 1u);
    EXPECT_TRUE(shell.propertiesOpened.empty());
}

TEST_F(Startup, ConsoleLinesOfTheWorkingWindow) {
    writeDefaultSettings();
    sys.locale[2] = "Magyar";
    run({"egy", "ketto"});
    const int language = host.at("console A Windows nyelve: \"magyar\"");
    ASSERT_GE(language, 0);
    EXPECT_EQ(host.events[language + 1], "console ParamStr-ek: \"egy ketto \"");
    EXPECT_TRUE(host.events[language + 2].starts_with("console FileAge: "));
    EXPECT_FALSE(host.has("console ! Korlatozott jogom van !"));
    EXPECT_GT(language, host.at("working window"));
}

TEST_F(Startup, UpdateRunAnnouncesItselfInTheTrayAndARestartEndsTheProcess) {
    writeDefaultSettings();
    host.updateRestarts = true;
    EXPECT_EQ(run({"x", "/UpdateRun"}).end, StartupEnd::UpdateRestart);
    EXPECT_TRUE(
        host.has("update tray Kefeló v3.2.1.0 -  Frissítési folyamat / Kefeló v3.2.1.0 program - Frissítés keresése"));
    EXPECT_FALSE(host.has("working window"));

    // Declined: the tray goes away again and the start goes on.
    host.events.clear();
    host.updateRestarts = false;
    EXPECT_EQ(run({"\\updaterun"}).end, StartupEnd::MessageLoop);
    EXPECT_LT(host.at("update wizard"), host.at("hide tray"));
    EXPECT_LT(host.at("hide tray"), host.at("hint Kefeló v3.2.1.0"));
    EXPECT_TRUE(host.has("working window"));

    // Windows 9x has no balloons: no tray announcement, the wizard still runs.
    host.events.clear();
    sys.platform = 1;
    run({"/updaterun"});
    EXPECT_TRUE(host.has("update wizard"));
    EXPECT_FALSE(std::any_of(host.events.begin(), host.events.end(),
                             [](const std::string& e) { return e.starts_with("update tray"); }));
}

TEST_F(Startup, UpdateSearchComesDueAfterTheIntervalInFractionalDays) {
    config::Settings s;
    s.updateSearch = true;
    s.updateSearchDays = 15;
    s.lastUpdateSearch = kNow - 15;  // exactly the interval: the wizard runs, the splash keeps its text
    writeSettings(s);
    run({});
    EXPECT_TRUE(host.has("update wizard"));
    EXPECT_FALSE(host.has(std::string("splash ") + app::kSplashUpdateSearchText));

    host.events.clear();
    s.lastUpdateSearch = kNow - 15.01;
    writeSettings(s);
    run({});
    EXPECT_LT(host.at(std::string("splash ") + app::kSplashUpdateSearchText), host.at("update wizard"));

    // A parameter without "/" or "\" keeps the update search off; one with them does not.
    host.events.clear();
    run({"valami"});
    EXPECT_FALSE(host.has("update wizard"));
    host.events.clear();
    run({"a/b"});
    EXPECT_TRUE(host.has("update wizard"));
    EXPECT_FALSE(host.has(std::string("splash ") + app::kSplashUpdateSearchText));

    host.events.clear();
    s.lastUpdateSearch = kNow - 14.9;
    writeSettings(s);
    run({});
    EXPECT_FALSE(host.has("update wizard"));
}

TEST_F(Startup, AutorunKeepsTheSplashAsAStripAndRunsTheCleaningHidden) {
    writeDefaultSettings();
    app::StartupState state;
    run({"/AutoRun"}, &state);
    EXPECT_TRUE(state.keepSplash);
    EXPECT_LT(host.at(std::string("strip ") + app::kSplashAutomaticText), host.at("cleaning run"));
    EXPECT_LT(host.at("show application and tray"), host.at("cleaning run"));
    EXPECT_FALSE(host.has("show main"));
    EXPECT_TRUE(host.has("message loop"));

    // The run quit the program on its way: no window and no loop follow.
    host.events.clear();
    host.quitDuringRun = true;
    EXPECT_EQ(run({"/autorun"}).end, StartupEnd::Terminated);
    EXPECT_FALSE(host.has("message loop"));
    EXPECT_FALSE(host.has("mark active"));
}

TEST_F(Startup, DueAutoStartCleansAtOnce) {
    config::Settings s;
    s.autoClean = true;
    s.autoCleanDays = 5;
    s.lastCleaning = 46364.0 - 5;
    writeSettings(s);
    app::StartupState state;
    run({"/a"}, &state);
    EXPECT_TRUE(state.start.automaticCleaningDue);
    EXPECT_TRUE(state.keepSplash);
    EXPECT_TRUE(host.has("cleaning run"));
    EXPECT_FALSE(host.has("show main"));
}

TEST_F(Startup, DirectoryStartAnnouncesTheLongPathAndStaysHidden) {
    writeDefaultSettings();
    fs.addDirectory("D:\\Long Folder Name\\Inner");
    fs.setShortName("D:\\Long Folder Name", "LONGFO~1");

    app::StartupState state;
    run({"D:\\LONGFO~1\\Inner"}, &state);
    EXPECT_TRUE(state.directoryStart);
    EXPECT_LT(host.at("hide splash"), host.at("balloon " + app::searchBalloonTitle("3.2.1.0") +
                                              " / A keresés helye: D:\\Long Folder Name\\Inner"));
    EXPECT_FALSE(host.has("show main"));
    EXPECT_FALSE(host.has("cleaning run"));
    EXPECT_LT(host.at("mark active"), host.at("handover to self"));
}

TEST_F(Startup, UpdatedStartTellsTheNewVersionAfterTheWindowShows) {
    writeDefaultSettings();
    run({"/UPDATE"});
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].text, app::updatedMessage("3.2.1.0"));
    EXPECT_NE(ui.messages[0].text.find("Az újabb változat verziószáma: 3.2.1.0\r\n\r\nKérem"), std::string::npos);
    EXPECT_TRUE(host.has("show main"));
}
