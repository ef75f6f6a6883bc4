// Standard container discovery over the fake platform: the questions, the rows it adds,
// the profiles and the full walk with its halt.
#include "core/containers/discovery.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "base/text/codec.h"

#include <string>
#include <vector>

#include "core/app/busy_guard.h"
#include "core/app/null_views.h"
#include "platform/fake/fake_platform.h"

using namespace kefelo;
using config::Mark;
using containers::ContainerDiscovery;
using platform::Answer;
using platform::Buttons;
using platform::MessageKind;

namespace {

struct RecordingView : apptest::NullStatusLine, apptest::NullMainFrame, containers::DiscoveryView {
    std::vector<std::string> captions;
    std::vector<std::string> statusTexts;
    std::vector<std::string> searched;
    bool gridShown = true;
    bool blinking = false;
    bool visible = true;
    int broughtToFront = 0;

    void setInitialCaption(const std::string& caption) override { captions.push_back(caption); }
    void showContainerGrid(bool shown) override { gridShown = shown; }
    void setCurrentContainerRow(int) override {}
    void showCleaningLists(bool) override {}
    void setStatusText(const std::string& text) override { statusTexts.push_back(text); }
    void startBlinking(int) override { blinking = true; }
    void stopBlinking() override { blinking = false; }
    void showSearchedFolder(const std::string& folder) override { searched.push_back(folder); }
    void listsChanged() override {}
    bool mainWindowVisible() override { return visible; }
    void bringMainToFront() override { ++broughtToFront; }
};

class DiscoveryTest : public ::testing::Test, protected platform::fake::FakePlatform {
protected:
    config::ConfigModel config;
    app::CommandLine commandLine;
    RecordingView view;
    search::TSearchFolders Search{platform};
    std::vector<std::string> console;
    ContainerDiscovery discovery{{platform, config, Search, commandLine, view, view, view,
                                  [this](const std::string& line) { console.push_back(line); }}};

    DiscoveryTest() {
        sys.windowsDir = "C:\\WINDOWS";
        sys.temp = "C:\\DOCUME~1\\Jozsi\\LOCALS~1\\Temp\\";
        sys.folders[platform::SpecialFolder::Cookies] = "C:\\Documents and Settings\\Jozsi\\Cookies";
        fs.addDirectory("C:\\Documents and Settings\\Jozsi\\Local Settings\\Temp");
        fs.setShortName("C:\\Documents and Settings", "DOCUME~1");
        fs.setShortName("C:\\Documents and Settings\\Jozsi\\Local Settings", "LOCALS~1");
        fs.addDirectory("C:\\Documents and Settings\\Jozsi\\Cookies");
        fs.addDirectory("C:\\Documents and Settings\\Anna\\Temporary Internet Files");
        fs.addDirectory("C:\\Documents and Settings\\Anna\\Dokumentumok\\Temp");
        fs.addDirectory("C:\\WINDOWS\\Temp");
        fs.addDirectory("C:\\Temp");
        Search.PumpIntervalMs = 0;
        // The main window hands the walker's events for activity 3 to discovery.
        Search.OnProcess = [this](search::TSearchFolders&, const std::string& dir, int64_t, int64_t) {
            discovery.SearchFoldersProcess(dir);
        };
        Search.OnChanged = [this](search::TSearchFolders&, int64_t, int64_t) { discovery.SearchFoldersChanged(); };
    }

    std::vector<std::string> paths() const {
        std::vector<std::string> out;
        for (const auto& row : config.list_temps.rows) {
            if (!row.path.empty()) out.push_back(row.path);
        }
        return out;
    }
    std::vector<std::string> questions() const {
        std::vector<std::string> out;
        for (const auto& m : ui.messages) out.push_back(m.text);
        return out;
    }
};

const std::string kUserTemp = "C:\\Documents and Settings\\Jozsi\\Local Settings\\Temp";

TEST_F(DiscoveryTest, FirstDiscoveryAddsTempAndFixedFoldersInactiveAndAsksAboutProfiles) {
    ui.answers = {Answer::No};
    discovery.button_initialClick();

    EXPECT_EQ(paths(), (std::vector<std::string>{kUserTemp, "C:\\Temp", "C:\\WINDOWS\\Temp"}));
    for (const auto& row : config.list_temps.rows) {
        EXPECT_EQ(row.mark, Mark::Inactive);
        EXPECT_EQ(row.modified, "1601. 01. 01.");
    }
    // Nothing to keep yet: only the NT question, a confirmation with Yes and No.
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].text, containers::kProfilesQuestion);
    EXPECT_EQ(ui.messages[0].kind, MessageKind::Confirmation);
    EXPECT_EQ(ui.messages[0].buttons, Buttons::YesNo);
    EXPECT_EQ(view.captions.front(), "Megszakít");
    EXPECT_EQ(discovery.caption(), "Alapértékek");
    EXPECT_FALSE(discovery.running());
}

TEST_F(DiscoveryTest, KeepingTwiceAddsNothingTwiceAndNotKeepingDropsTheOldRows) {
    config.list_temps.rows = {{Mark::Active, "x", "D:\\Sajat"}};
    config.list_projects.rows = {{Mark::Active, "C:\\", "*.tmp"}};
    ui.answers = {Answer::Yes, Answer::Yes, Answer::No};
    discovery.button_initialClick();
    ui.answers = {Answer::Yes, Answer::Yes, Answer::No};
    discovery.button_initialClick();

    EXPECT_EQ(paths(), (std::vector<std::string>{"D:\\Sajat", kUserTemp, "C:\\Temp", "C:\\WINDOWS\\Temp"}));
    // The kept row has no folder, so the date refresh takes its mark.
    EXPECT_EQ(config.list_temps.rows[0].mark, Mark::None);
    EXPECT_EQ(config.list_projects.rows[0].location, "C:\\");
    ASSERT_GE(ui.messages.size(), 3u);
    EXPECT_EQ(ui.messages[0].text, containers::kKeepContainersQuestion);
    EXPECT_EQ(ui.messages[0].buttons, Buttons::YesNoCancel);
    EXPECT_EQ(ui.messages[1].text, containers::kKeepTasksQuestion);
    EXPECT_EQ(ui.messages[1].buttons, Buttons::YesNoCancel);

    // No and No: old containers and every task go, with no further question.
    ui.messages.clear();
    ui.answers = {Answer::No, Answer::No, Answer::No};
    discovery.button_initialClick();
    EXPECT_EQ(paths(), (std::vector<std::string>{kUserTemp, "C:\\Temp", "C:\\WINDOWS\\Temp"}));
    EXPECT_TRUE(config.list_projects.rows.size() == 1 && config.list_projects.rows[0].location.empty());
    EXPECT_EQ(ui.messages.size(), 3u);
}

TEST_F(DiscoveryTest, AKeptRowInAnotherSpellingIsNotAddedAgain) {
    config.list_temps.rows = {{Mark::Active, "x", "c:/windows/temp/"},
                              {Mark::Active, "x", "C:\\DOCUME~1\\Jozsi\\LOCALS~1\\Temp"}};
    ui.answers = {Answer::Yes, Answer::No};
    discovery.button_initialClick();
    EXPECT_EQ(paths(),
              (std::vector<std::string>{"c:/windows/temp/", "C:\\DOCUME~1\\Jozsi\\LOCALS~1\\Temp", "C:\\Temp"}));
}

TEST_F(DiscoveryTest, CancelAtEitherQuestionChangesNothing) {
    config.list_temps.rows = {{Mark::Active, "x", "D:\\Sajat"}};
    config.list_projects.rows = {{Mark::Active, "C:\\", "*.tmp"}};
    ui.answers = {Answer::Cancel};
    discovery.button_initialClick();
    ui.answers = {Answer::No, Answer::Cancel};
    discovery.button_initialClick();
    EXPECT_EQ(paths(), (std::vector<std::string>{"D:\\Sajat"}));
    EXPECT_EQ(config.list_projects.rows[0].location, "C:\\");
    EXPECT_TRUE(view.captions.empty());
}

TEST_F(DiscoveryTest, HiddenReadOnlyFolderIsFoundAndKeepsItsAttributes) {
    const uint32_t attributes =
        platform::attr::kDirectory | platform::attr::kHidden | platform::attr::kSystem | platform::attr::kReadOnly;
    fs.addDirectory("C:\\WINDOWS\\Temporary Internet Files", attributes);
    ui.answers = {Answer::No};
    discovery.button_initialClick();
    const auto found = paths();
    EXPECT_NE(std::find(found.begin(), found.end(), "C:\\WINDOWS\\Temporary Internet Files"), found.end());
    EXPECT_EQ(fs.getAttributes("C:\\WINDOWS\\Temporary Internet Files"), attributes);
}

TEST_F(DiscoveryTest, Windows9xAsksNoProfileQuestion) {
    sys.platform = 1;
    sys.temp = "C:\\WINDOWS\\TEMP\\";
    fs.addDirectory("C:\\WINDOWS\\Cookies");
    discovery.button_initialClick();
    EXPECT_TRUE(ui.messages.empty());
    EXPECT_EQ(paths(), (std::vector<std::string>{"C:\\WINDOWS\\Temp", "C:\\Temp", "C:\\WINDOWS\\Cookies"}));
}

TEST_F(DiscoveryTest, ProfileListingAddsEachProfilesStandardFolders) {
    ui.answers = {Answer::Yes};
    discovery.button_initialClick();
    EXPECT_EQ(paths(), (std::vector<std::string>{kUserTemp, "C:\\Temp", "C:\\WINDOWS\\Temp",
                                                 "C:\\Documents and Settings\\Jozsi\\Cookies",
                                                 "C:\\Documents and Settings\\Anna\\Temporary Internet Files"}));
    EXPECT_TRUE(view.gridShown);
    EXPECT_EQ(view.statusTexts.back(), containers::kDiscoveryDone);
    // Only a full walk goes deeper than the profiles' own standard folders.
    EXPECT_EQ(console, (std::vector<std::string>{
                           "Rendszer Cookies: C:\\Documents and Settings\\Jozsi\\Cookies",
                           "A Documents and Settings konyvtar: C:\\Documents and Settings",
                           "Figyelve (felhasznalonevek):C:\\Documents and Settings\\Jozsi",
                           "Figyelve (felhasznalonevek):C:\\Documents and Settings\\Anna",
                           "Talalt konyvtarak a Documents and Settings-ben:\r\nC:\\Documents and Settings\\Jozsi\r\n"
                           "C:\\Documents and Settings\\Anna",
                       }));
}

// The list file holds Windows-1250: a profile named outside it is listed by its 8.3 form,
// or left out when it has none, never stored as "?".
TEST_F(DiscoveryTest, AProfileNameTheListCannotHoldGoesInByItsShortFormOrNotAtAll) {
    fs.addDirectory("C:\\Documents and Settings\\Иван\\Cookies");
    fs.setShortName("C:\\Documents and Settings\\Иван", "D0A7~1");
    fs.addDirectory("C:\\Documents and Settings\\Olga\u0307\\Cookies");
    ui.answers = {Answer::Yes};
    discovery.button_initialClick();
    const std::vector<std::string> listed = paths();
    EXPECT_NE(std::find(listed.begin(), listed.end(), "C:\\DOCUME~1\\D0A7~1\\Cookies"), listed.end());
    for (const std::string& path : listed) EXPECT_TRUE(text::fitsCp1250(path)) << path;
    EXPECT_EQ(listed.size(), 6u);
}

TEST_F(DiscoveryTest, OtherProfilesRootGivesNoProfileFoldersAndTheGridComesBack) {
    sys.folders[platform::SpecialFolder::Cookies] = "C:\\Users\\Jozsi\\AppData\\Roaming\\Microsoft\\Windows\\Cookies";
    fs.addDirectory("C:\\Users\\Jozsi\\AppData\\Roaming\\Microsoft\\Windows\\Cookies");
    ui.answers = {Answer::Yes};
    discovery.button_initialClick();
    EXPECT_EQ(paths(), (std::vector<std::string>{kUserTemp, "C:\\Temp", "C:\\WINDOWS\\Temp"}));
    EXPECT_TRUE(view.gridShown);
    EXPECT_EQ(discovery.caption(), "Alapértékek");
}

TEST_F(DiscoveryTest, FullSearchFindsDeepTempFoldersAndEndsIdle) {
    config.check_fullsearch = true;
    Search.DoRecursive = false;
    fs.addDirectory("C:\\Documents and Settings\\Anna\\Dokumentumok\\TEMPOR~9X");
    fs.addDirectory("C:\\Documents and Settings\\Anna\\Temporal");
    fs.setShortName("C:\\Documents and Settings\\Anna\\Temporal", "TEMPOR~1");
    ui.answers = {Answer::Yes};
    discovery.button_initialClick();

    const auto found = paths();
    for (const char* expected :
         {"C:\\Documents and Settings\\Anna\\Dokumentumok\\Temp",
          "C:\\Documents and Settings\\Jozsi\\Local Settings\\Temp", "C:\\Documents and Settings\\Anna\\Temporal"}) {
        EXPECT_NE(std::find(found.begin(), found.end(), expected), found.end()) << expected;
    }
    EXPECT_EQ(std::count(found.begin(), found.end(), kUserTemp), 1);
    EXPECT_EQ(std::find(found.begin(), found.end(), "C:\\Documents and Settings\\Anna\\Dokumentumok\\TEMPOR~9X"),
              found.end());
    EXPECT_EQ(Search.Tag, app::Activity::Idle);
    EXPECT_FALSE(Search.DoRecursive);
    EXPECT_FALSE(view.blinking);
    EXPECT_EQ(view.statusTexts.back(), containers::kFullSearchDone);
    EXPECT_NE(
        std::find(console.begin(), console.end(), "Kereses a kovetkezore:\r\nC:\\Documents and Settings\\\r\n*.*"),
        console.end());
}

TEST_F(DiscoveryTest, MegszakitHaltsTheFullSearchKeepingWhatWasFound) {
    config.check_fullsearch = true;
    fs.addDirectory("C:\\WINDOWS\\Profiles\\Bela\\Temp");
    for (int i = 0; i < 30; ++i) fs.addDirectory("C:\\Documents and Settings\\Zoli\\d" + std::to_string(i) + "\\Temp");
    int pumps = 0;
    ui.onPump = [&] {
        // While the walk runs, another start is refused and the button halts it.
        if (++pumps == 40) {
            EXPECT_EQ(Search.Tag, app::Activity::ContainerSearch);
            EXPECT_EQ(discovery.caption(), "Megszakít");
            discovery.button_initialClick();
        }
    };
    ui.answers = {Answer::Yes};
    discovery.button_initialClick();

    const auto found = paths();
    // What the walk found before the halt stays; the rest of it and the profile store are not visited.
    EXPECT_GT(found.size(), 3u);
    EXPECT_LT(found.size(), 3u + 2u + 30u);
    EXPECT_EQ(std::find(found.begin(), found.end(), "C:\\WINDOWS\\Profiles\\Bela\\Temp"), found.end());
    EXPECT_EQ(Search.Tag, app::Activity::Idle);
    EXPECT_EQ(view.statusTexts.back(), containers::kDiscoveryHalted);
    EXPECT_EQ(discovery.caption(), "Alapértékek");
    EXPECT_TRUE(view.gridShown);
    EXPECT_FALSE(discovery.running());
}

TEST_F(DiscoveryTest, ProfilesStoreOfOlderSystemsIsWalkedInFull) {
    sys.folders.erase(platform::SpecialFolder::Cookies);
    fs.addDirectory("C:\\WINDOWS\\Profiles\\Bela\\Temporary Internet Files");
    ui.answers = {Answer::Yes};
    discovery.button_initialClick();
    const auto found = paths();
    EXPECT_NE(std::find(found.begin(), found.end(), "C:\\WINDOWS\\Profiles\\Bela\\Temporary Internet Files"),
              found.end());
    EXPECT_EQ(Search.Tag, app::Activity::Idle);
}

TEST_F(DiscoveryTest, AnotherWalkRunningRefusesTheButton) {
    Search.Tag = app::Activity::FileSearch;
    discovery.button_initialClick();
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].text, containers::kDiscoveryBusyWarning);
    EXPECT_EQ(ui.messages[0].kind, MessageKind::Warning);
    EXPECT_TRUE(paths().empty());

    // An automatic run is neither asked nor has its lists changed.
    ui.messages.clear();
    commandLine = app::CommandLine({"/autorun"});
    discovery.button_initialClick();
    EXPECT_TRUE(ui.messages.empty());
    EXPECT_TRUE(paths().empty());

    // Entered from the welcome screen: the fixed folders, then the retry warning, and the
    // button is not left as a halt button for the other walk.
    commandLine = app::CommandLine(std::vector<std::string>{});
    discovery.Discovery();
    EXPECT_EQ(ui.messages.back().text, containers::kDiscoveryBusyRetry);
    EXPECT_EQ(paths().size(), 3u);
    EXPECT_EQ(discovery.caption(), "Alapértékek");
}

TEST(DiscoveryRules, ProfilesRootAndFullSearchNames) {
    EXPECT_EQ(containers::profilesRoot("C:\\Documents and Settings\\User\\Cookies"), "C:\\Documents and Settings");
    EXPECT_EQ(containers::profilesRoot("C:\\Cookies"), "");
    EXPECT_TRUE(containers::qualifiesInFullSearch("C:\\x\\TEMPORARY INTERNET FILES", ""));
    EXPECT_TRUE(containers::qualifiesInFullSearch("C:\\x\\Tempor xy", "C:\\x\\TEMPOR~1"));
    EXPECT_FALSE(containers::qualifiesInFullSearch("C:\\x\\Tempor xy", "C:\\x\\TEMPOR~2"));
    EXPECT_FALSE(containers::qualifiesInFullSearch("C:\\x\\Temp\\", ""));
}

}  // namespace
