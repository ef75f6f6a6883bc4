// Adding containers by hand (every refusal and question in its order) and the removal
// menu shared by the container and task grids.
#include <gtest/gtest.h>

#include "core/cleaning/protected_locations.h"
#include "core/config/list_file.h"

#include "core/containers/container_add.h"
#include "core/containers/container_remove.h"
#include "platform/fake/fake_platform.h"

using namespace kefelo;
using config::ContainerRow;
using config::Mark;
using config::TaskRow;
using containers::AddOptions;
using containers::GridKind;
using containers::RemovalCommand;
using platform::Answer;
using platform::Buttons;
using platform::MessageKind;

namespace {

constexpr int64_t kMay6th2024 = 133594632000000000;  // 10:00 UTC

const std::string kNotTemporary = "A következő, kiválasztott könyvtár valószínűleg nem átmeneti könyvtár:\r\n";

std::string abortQuestion(const std::string& path) {
    return "Teljesen biztos benne, hogy felveszi a megadott könyvtárat üríthetőként?\r\n" + path +
           "\r\n\r\nMeg kívánja szakítani a felvételi folyamatot?";
}

class ContainerAdd : public ::testing::Test, protected platform::fake::FakePlatform {
protected:
    ContainerAdd() {
        fs.addDirectory("C:\\WINDOWS\\Temp");
        fs.addDirectory("D:\\Temp", platform::attr::kDirectory, kMay6th2024);
        fs.addDirectory("E:\\Work", platform::attr::kDirectory, kMay6th2024);
        fs.addDirectory("E:\\Temporary Internet Files", platform::attr::kDirectory, kMay6th2024);
        fs.setShortName("E:\\Temporary Internet Files", "TEMPOR~1");
    }

    containers::AddOutcome add(const std::string& path, AddOptions options = {}) {
        return containers::addContainer(grid, path, options, platform);
    }
    std::vector<std::string> texts() const {
        std::vector<std::string> out;
        for (const auto& m : ui.messages) out.push_back(m.text);
        return out;
    }
    std::vector<std::string> paths() const {
        std::vector<std::string> out;
        for (const auto& row : grid.rows) out.push_back(row.path);
        return out;
    }

    config::ContainerGrid grid;
};

TEST_F(ContainerAdd, OrdinaryFolderAsksTwiceAndIsAddedUnmarkedWithItsDate) {
    ui.answers = {Answer::Yes, Answer::No};
    const auto outcome = add("E:\\Work\\");

    ASSERT_EQ(ui.messages.size(), 2u);
    EXPECT_EQ(ui.messages[0].kind, MessageKind::Warning);
    EXPECT_EQ(ui.messages[0].buttons, Buttons::YesNo);
    EXPECT_EQ(ui.messages[0].text,
              kNotTemporary +
                  "E:\\Work\r\n\r\nNem ajánlott ezt a könyvtárat felvenni az ürítendők közé!\r\n\r\nBiztos benne, hogy "
                  "átmeneti könyvtárról van szó, és felveszi mégis a kikefelható könyvtárak közé?");
    EXPECT_EQ(ui.messages[1].kind, MessageKind::Warning);
    EXPECT_EQ(ui.messages[1].text, abortQuestion("E:\\Work"));
    // The blank row of the empty list takes it; the mark waits for the next refresh.
    ASSERT_EQ(grid.rows.size(), 1u);
    EXPECT_EQ(grid.rows[0].path, "E:\\Work");
    EXPECT_EQ(grid.rows[0].mark, Mark::None);
    EXPECT_EQ(grid.rows[0].modified, "2024. 05. 06.");
    EXPECT_TRUE(outcome.added);
    EXPECT_EQ(outcome.currentRow, 0);
}

TEST_F(ContainerAdd, AnsweringTheQuestionsOtherwiseStops) {
    // No to "not temporary" stops before the abort question.
    ui.answers = {Answer::No};
    EXPECT_FALSE(add("E:\\Work").added);
    EXPECT_EQ(ui.messages.size(), 1u);
    // Yes to the abort question aborts.
    ui.messages.clear();
    ui.answers = {Answer::Yes, Answer::Yes};
    EXPECT_FALSE(add("E:\\Work").added);
    ASSERT_EQ(ui.messages.size(), 2u);
    EXPECT_EQ(ui.messages[1].text, abortQuestion("E:\\Work"));
    EXPECT_EQ(paths(), std::vector<std::string>{""});
}

TEST_F(ContainerAdd, TemporaryNamesSkipTheNameQuestion) {
    grid.rows = {ContainerRow{Mark::Active, "x", "C:\\Old"}};
    ui.answers = {Answer::No, Answer::No};
    EXPECT_TRUE(add("D:\\Temp").added);
    // By its short name.
    EXPECT_TRUE(add("E:\\Temporary Internet Files").added);
    EXPECT_EQ(texts(),
              (std::vector<std::string>{abortQuestion("D:\\Temp"), abortQuestion("E:\\Temporary Internet Files")}));
    EXPECT_EQ(paths(), (std::vector<std::string>{"C:\\Old", "D:\\Temp", "E:\\Temporary Internet Files"}));
    // The date column is refreshed for every row: the missing folder loses its mark.
    EXPECT_EQ(grid.rows[0].mark, Mark::None);
    EXPECT_EQ(grid.rows[0].modified, "0");
    EXPECT_EQ(grid.rows[1].modified, "2024. 05. 06.");
}

TEST_F(ContainerAdd, WithoutAlertsOnlyTheAbortQuestionRemains) {
    ui.answers = {Answer::No};
    EXPECT_TRUE(add("E:\\Work", {.viewAlerts = false}).added);
    EXPECT_EQ(texts(), std::vector<std::string>{abortQuestion("E:\\Work")});
}

TEST_F(ContainerAdd, MissingFolderIsAnErrorOnlyWithAlerts) {
    EXPECT_FALSE(add("F:\\Nope").added);
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].kind, MessageKind::Error);
    EXPECT_EQ(ui.messages[0].text,
              "A következő könyvtár nem található, illetve -meghajtó esetén- nem tartalmaz adathordozót:\r\nF:\\Nope"
              "\r\n\r\nA listába csak létező könyvtárat lehet felvenni!");
    ui.messages.clear();
    EXPECT_FALSE(add("F:\\Nope", {.viewAlerts = false}).added);
    EXPECT_FALSE(add("").added);
    EXPECT_TRUE(ui.messages.empty());
}

TEST_F(ContainerAdd, SystemDriveIsRefusedWhateverTheDriveOption) {
    const std::string text =
        "Nem törölheti a rendszerpartíció adatait, így nem veheti fel az Ürítendő tárolók közé sem!\r\n\r\nVálasszon "
        "egy másik helyet!";
    for (bool drives : {false, true}) {
        ui.messages.clear();
        EXPECT_FALSE(add("c:\\", {.allowDrives = drives}).added);
        ASSERT_EQ(ui.messages.size(), 1u);
        EXPECT_EQ(ui.messages[0].kind, MessageKind::Information);
        EXPECT_EQ(ui.messages[0].text, text);
    }
}

TEST_F(ContainerAdd, OtherDrivesNeedTheOptionAndTwoYes) {
    EXPECT_FALSE(add("D:\\").added);
    EXPECT_EQ(texts(), std::vector<std::string>{"Nem adhat meg teljes meghajtót ürítendőként!"});

    const std::string first =
        "Ön a következő meghajtót szeretné felvenni az ürítendő közé: D:\r\n\r\nHa ezt felveszi és aktívvá teszi, "
        "majd elindítja a Takarítási folyamatot, akkor a(z) D: meghajtón minden adat el fog veszni!\r\n\r\nValóban "
        "ezt szeretné?";
    ui.messages.clear();
    ui.answers = {Answer::No};
    EXPECT_FALSE(add("D:\\", {.allowDrives = true}).added);
    EXPECT_EQ(texts(), std::vector<std::string>{first});

    ui.messages.clear();
    ui.answers = {Answer::Yes, Answer::No};
    EXPECT_FALSE(add("D:\\", {.allowDrives = true}).added);
    EXPECT_EQ(texts(), (std::vector<std::string>{first, "Teljesen biztos ebben?"}));

    // Two Yes, then no name question (a drive is not a temp folder by name), then the abort question.
    ui.messages.clear();
    ui.answers = {Answer::Yes, Answer::Yes, Answer::No};
    EXPECT_TRUE(add("D:\\", {.allowDrives = true}).added);
    EXPECT_EQ(texts(), (std::vector<std::string>{first, "Teljesen biztos ebben?", abortQuestion("D:")}));
    EXPECT_EQ(ui.messages[0].kind, MessageKind::Warning);
    EXPECT_EQ(paths(), std::vector<std::string>{"D:"});
}

TEST_F(ContainerAdd, DuplicateMakesTheExistingRowCurrent) {
    grid.rows = {ContainerRow{Mark::Active, "x", "C:\\A"}, ContainerRow{Mark::Inactive, "x", "E:\\Work"}};
    const auto outcome = add("e:\\work\\");
    EXPECT_FALSE(outcome.added);
    EXPECT_EQ(outcome.currentRow, 1);
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].kind, MessageKind::Information);
    EXPECT_EQ(ui.messages[0].text, "A következő, most megadott könyvtárat már felvette az ürítendők közé:\r\ne:\\work");
    ui.messages.clear();
    EXPECT_EQ(add("E:\\Work", {.viewAlerts = false}).currentRow, 1);
    EXPECT_TRUE(ui.messages.empty());
    EXPECT_EQ(grid.rows.size(), 2u);
}

TEST_F(ContainerAdd, WindowsDirectoryIsRefusedInAnyLetterCase) {
    const std::string text = "A Windows rendszerkönyvtárból nem választhat Ürítendő Tárolót!";
    EXPECT_FALSE(add("C:\\WINDOWS\\Temp").added);
    EXPECT_FALSE(add("c:\\windows\\temp").added);
    EXPECT_FALSE(add("C:\\WINDOWS").added);
    EXPECT_EQ(texts(), (std::vector<std::string>{text, text, text}));
    EXPECT_EQ(ui.messages[0].kind, MessageKind::Information);
}

// Windows reads each of these as the folder named after it; so must every test of the chain.
TEST_F(ContainerAdd, EverySpellingMeetsTheRuleOfTheFolderItNames) {
    fs.addDirectory("\\\\srv\\share\\x");
    fs.addDirectory("C:\\Users\\user\\Temp");
    fs.addDirectory("C:\\Program Files");
    fs.addDirectory("C:\\Kefelo");
    fs.addDirectory("C:\\Temp");
    sys.folders[platform::SpecialFolder::ProgramFiles] = "C:\\Program Files";
    grid.rows = {ContainerRow{Mark::Inactive, "x", "D:\\Temp"}};
    const std::string systemDrive =
        "Nem törölheti a rendszerpartíció adatait, így nem veheti fel az Ürítendő tárolók közé sem!\r\n\r\nVálasszon "
        "egy másik helyet!";
    const std::string windows = "A Windows rendszerkönyvtárból nem választhat Ürítendő Tárolót!";
    const std::string drive = "Nem adhat meg teljes meghajtót ürítendőként!";
    const auto duplicate = [](const std::string& path) {
        return "A következő, most megadott könyvtárat már felvette az ürítendők közé:\r\n" + path;
    };
    const auto guarded = [](const std::string& path) {
        return "A következő könyvtár védett helyre mutat (rendszer-, program- vagy felhasználói könyvtár, illetve ilyet "
               "tartalmaz), így nem veheti fel az Ürítendő tárolók közé:\r\n" + path;
    };
    const std::vector<std::pair<std::string, std::string>> cases = {
        {"C:/", systemDrive},
        {"C:\\\\", systemDrive},
        {"C:\\.", systemDrive},
        {"C:\\Temp\\..\\..", systemDrive},
        {"\\\\?\\C:\\", systemDrive},
        {"d:/", drive},
        {"D:\\.\\", drive},
        {"\\\\?\\UNC\\srv\\share\\x\\..", drive},
        {"\\\\srv\\share\\", drive},
        {"c:/WINDOWS", windows},
        {"C:\\windows\\.\\TEMP", windows},
        {"\\\\?\\C:\\Temp\\..\\WINDOWS\\Temp\\", windows},
        {"d:/temp/", duplicate("d:/temp/")},
        {"\\\\?\\D:\\TEMP\\.", duplicate("\\\\?\\D:\\TEMP\\.")},
        {"c:\\users\\USER", guarded("c:\\users\\USER")},
        {"C:/Program Files/", guarded("C:/Program Files/")},
        {"c:\\kefelo\\.", guarded("c:\\kefelo\\.")},
        // Relative to whatever folder is current, which is C:\ here.
        {"Temp", "A következő könyvtár nincs teljes elérési úttal megadva, így nem veheti fel az Ürítendő tárolók "
                 "közé:\r\nTemp"},
    };
    for (const auto& [path, refusal] : cases) {
        for (bool drives : {false, true}) {
            if (refusal == drive && drives) continue;  // the drive questions are the other test's
            ui.messages.clear();
            EXPECT_FALSE(add(path, {.allowDrives = drives}).added) << path;
            ASSERT_EQ(ui.messages.size(), 1u) << path;
            EXPECT_EQ(ui.messages[0].kind, MessageKind::Information) << path;
            EXPECT_EQ(ui.messages[0].text, refusal) << path;
        }
    }
    EXPECT_EQ(paths(), std::vector<std::string>{"D:\\Temp"});
    // Below a protected folder, a temporary folder is still welcome.
    ui.messages.clear();
    ui.answers = {Answer::No};
    EXPECT_TRUE(add("c:/users/user/temp/").added);
    EXPECT_EQ(texts(), std::vector<std::string>{abortQuestion("c:/users/user/temp/")});
}

// The chain asks the run's own question: a row it takes is one a run will empty.
TEST_F(ContainerAdd, OtherNamesLinksGuardedDrivesAndUnstorableNamesAreRefusedBeforeAnyQuestion) {
    fs.addDirectory("C:\\Kefelo");
    fs.addDirectory("C:\\Users\\user");
    fs.addDirectory("C:\\Crème\\Temp");
    fs.addLink("E:\\lnk", "C:\\WINDOWS");
    fs.addDriveAlias('Y', "C:\\");
    fs.addDriveAlias('F', "C:\\Users");
    const std::vector<std::pair<std::string, std::string>> cases = {
        {"Y:\\Kefelo", "A következő könyvtár védett helyre mutat (rendszer-, program- vagy felhasználói könyvtár, "
                       "illetve ilyet tartalmaz), így nem veheti fel az Ürítendő tárolók közé:\r\nY:\\Kefelo"},
        {"E:\\lnk\\Temp", "A következő könyvtár útvonalában csatolási pont vagy hivatkozás van, így bárhová vezethet; "
                          "nem veheti fel az Ürítendő tárolók közé:\r\nE:\\lnk\\Temp"},
        {"F:\\", "A(z) F: meghajtón rendszer-, program- vagy felhasználói könyvtár (vagy maga ez a program) van, így "
                 "teljes meghajtóként nem veheti fel az Ürítendő tárolók közé!\r\n\r\nTeljes meghajtót csak "
                 "különálló átmeneti vagy RAM-meghajtóként lehet üríteni."},
        {"C:\\Crème\\Temp", config::unstorableTextMessage("C:\\Crème\\Temp")},
    };
    for (const auto& [path, refusal] : cases) {
        ui.messages.clear();
        EXPECT_FALSE(add(path, {.allowDrives = true}).added) << path;
        EXPECT_EQ(texts(), std::vector<std::string>{refusal}) << path;
    }
    EXPECT_EQ(paths(), std::vector<std::string>{""});

    // A separate drive passes, stored in the one form a run empties.
    ui.messages.clear();
    ui.answers = {Answer::Yes, Answer::Yes, Answer::No};
    EXPECT_TRUE(add("d:\\", {.allowDrives = true}).added);
    EXPECT_EQ(paths(), std::vector<std::string>{"D:"});
    const cleaning::ProtectedLocations guard(fs, sys, "C:\\Kefelo\\");
    EXPECT_TRUE(guard.allows(paths().back(), {true, false}));
}

TEST_F(ContainerAdd, ChosenFolderAndClipboardItem) {
    ui.folders = {std::nullopt, std::string("D:\\Temp")};
    ui.answers = {Answer::No};
    EXPECT_FALSE(containers::addChosenFolder(grid, {}, platform).added);
    EXPECT_TRUE(containers::addChosenFolder(grid, {}, platform).added);
    ASSERT_EQ(ui.folderRequests.size(), 2u);
    EXPECT_EQ(ui.folderRequests[0].title, "Ürítendő könyvtár hivatkozásának felvétele a listába");
    EXPECT_EQ(paths(), std::vector<std::string>{"D:\\Temp"});

    // The clipboard counts up to its first line break, as an edit would paste it.
    clipboard.contents = "E:\\Work\r\nsecond line";
    const auto item = containers::clipboardAddItem(platform);
    EXPECT_TRUE(item.enabled);
    EXPECT_EQ(item.caption, "E:\\Work");
    ui.answers = {Answer::Yes, Answer::No};
    EXPECT_TRUE(containers::addFromClipboard(grid, {}, platform).added);
    EXPECT_EQ(paths(), (std::vector<std::string>{"D:\\Temp", "E:\\Work"}));

    for (const std::optional<std::string>& text :
         {std::optional<std::string>{}, std::optional<std::string>("x:\\n"), std::optional<std::string>("")}) {
        clipboard.contents = text;
        const auto off = containers::clipboardAddItem(platform);
        EXPECT_FALSE(off.enabled);
        EXPECT_EQ(off.caption, "Vágólapról");
    }
    // Without text on the clipboard nothing is asked and nothing added.
    clipboard.contents.reset();
    const size_t asked = ui.messages.size();
    EXPECT_FALSE(containers::addFromClipboard(grid, {}, platform).added);
    EXPECT_EQ(ui.messages.size(), asked);
}

class RemovalMenu : public ::testing::Test {
protected:
    RemovalMenu() {
        fs.addDirectory("C:\\A");
        fs.addDirectory("C:\\C");
        temps.rows = {ContainerRow{Mark::Active, "d", "C:\\A"}, ContainerRow{Mark::None, "0", "C:\\B"},
                      ContainerRow{Mark::Inactive, "d", "C:\\C"}};
        tasks.rows = {TaskRow{Mark::Inactive, "C:\\A", "*.tmp"}, TaskRow{Mark::None, "C:\\B", "*.bak"}};
    }
    template <typename Row>
    std::optional<containers::RemovalOutcome> remove(config::Grid<Row>& grid, RemovalCommand command, GridKind kind,
                                                     int current, bool alerts = true) {
        return containers::removeRows(grid, command, kind, current, alerts, fs, ui);
    }

    platform::fake::FakeFileSystem fs;
    platform::fake::FakeUi ui;
    config::ContainerGrid temps;
    config::TaskGrid tasks;
};

TEST_F(RemovalMenu, ItemsFollowMarksAndFolders) {
    auto state = containers::removalMenuState(temps, fs);
    EXPECT_TRUE(state.marked);
    EXPECT_TRUE(state.missing);
    EXPECT_TRUE(state.all);
    state = containers::removalMenuState(tasks, fs);
    EXPECT_FALSE(state.marked);
    EXPECT_TRUE(state.missing);
    EXPECT_TRUE(containers::hasRows(temps));
    EXPECT_FALSE(containers::hasRows(config::ContainerGrid{}));
    // A disabled item does nothing and asks nothing.
    EXPECT_FALSE(remove(tasks, RemovalCommand::Marked, GridKind::Tasks, 0));
    EXPECT_TRUE(ui.messages.empty());
}

TEST_F(RemovalMenu, MarkedRowsGoAfterYesAndRowsMoveUp) {
    ui.answers = {Answer::No};
    EXPECT_FALSE(remove(temps, RemovalCommand::Marked, GridKind::Containers, 2));
    EXPECT_EQ(temps.rows.size(), 3u);
    ui.answers = {Answer::Yes};
    const auto outcome = remove(temps, RemovalCommand::Marked, GridKind::Containers, 1);
    ASSERT_TRUE(outcome);
    ASSERT_EQ(temps.rows.size(), 2u);
    EXPECT_EQ(temps.rows[0].path, "C:\\B");
    EXPECT_EQ(temps.rows[1].path, "C:\\C");
    EXPECT_EQ(outcome->currentRow, 1);
    EXPECT_FALSE(outcome->listEmpty);
    ASSERT_EQ(ui.messages.size(), 2u);
    EXPECT_EQ(ui.messages[1].kind, MessageKind::Confirmation);
    EXPECT_EQ(ui.messages[1].text, "Valóban törli az összes kipipált könyvtárak hivatkozásait a listából?");
}

TEST_F(RemovalMenu, MissingRowsGoAndCurrentFallsBackToFirst) {
    ui.answers = {Answer::Yes, Answer::Yes};
    auto outcome = remove(temps, RemovalCommand::Missing, GridKind::Containers, 2);
    ASSERT_TRUE(outcome);
    ASSERT_EQ(temps.rows.size(), 2u);
    EXPECT_EQ(temps.rows[1].path, "C:\\C");
    EXPECT_EQ(outcome->currentRow, 0);  // row 2 is gone
    outcome = remove(tasks, RemovalCommand::Missing, GridKind::Tasks, 0);
    ASSERT_TRUE(outcome);
    EXPECT_EQ(tasks.rows.size(), 1u);
    EXPECT_EQ(tasks.rows[0].location, "C:\\A");
    EXPECT_EQ(ui.messages[0].text, "Valóban törli a nem található könyvtárak hivatkozásait a listából?");
    EXPECT_EQ(ui.messages[1].text, "Valóban törli az összes nem található munkakönyvtárú feladatot?");
}

TEST_F(RemovalMenu, RemovingEverythingLeavesOneBlankRow) {
    // The last marked row is emptied rather than removed: the grid keeps one row.
    temps.rows = {ContainerRow{Mark::Active, "d", "C:\\A"}};
    const auto outcome = remove(temps, RemovalCommand::Marked, GridKind::Containers, 0, false);
    ASSERT_TRUE(outcome);
    EXPECT_TRUE(outcome->listEmpty);
    ASSERT_EQ(temps.rows.size(), 1u);
    EXPECT_TRUE(temps.rows[0].path.empty());
    EXPECT_TRUE(ui.messages.empty());
    // Nothing at all happens on an empty list.
    EXPECT_FALSE(remove(temps, RemovalCommand::All, GridKind::Containers, 0));

    ui.answers = {Answer::Yes};
    ASSERT_TRUE(remove(tasks, RemovalCommand::All, GridKind::Tasks, 1));
    EXPECT_EQ(ui.messages.back().text, "Valóban törli az összes feladatot?");
    ASSERT_EQ(tasks.rows.size(), 1u);
    EXPECT_TRUE(tasks.rows[0].location.empty());
    EXPECT_EQ(containers::emptyListHint(GridKind::Tasks),
              "Feladatokat felvenni az \"Új feladat\" gomb használatával tud");
}

}  // namespace
