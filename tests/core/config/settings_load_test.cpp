#include <gtest/gtest.h>

#include "config_files_fixture.h"

using namespace kefelo;

namespace {

std::string recordWith(void (*fill)(config::Settings&)) {
    config::Settings s;
    fill(s);
    return config::encodeSettingsRecord(s);
}

}  // namespace

using SettingsLoad = cfgtest::ConfigFilesTest;

TEST_F(SettingsLoad, MissingOrShortRecordGivesTheDefaultsAndAConsoleLine) {
    for (bool shortFile : {false, true}) {
        SCOPED_TRACE(shortFile);
        if (shortFile) fs.addFile(at("beallitasok.cfg"), std::string(config::kSettingsRecordSize - 1, '\1'));
        console.clear();
        auto m = load();
        EXPECT_FALSE(m.check_autorun || m.check_gototrayonclose || m.checked_startupwithwindows || m.check_stayontop ||
                     m.check_fullsearch || m.check_quitprogramwhenautorundone || m.cNaplo || m.check_updatesearch);
        EXPECT_TRUE(m.check_viewalerts && m.check_resursivesearchmode && m.check_deleteemptyfolder && m.check_beep);
        EXPECT_EQ(m.edit_daysofautorun, "8");
        EXPECT_FALSE(m.edit_daysofautorunEnabled);
        EXPECT_EQ(m.edit_updatesearch, "15");
        EXPECT_FALSE(m.edit_updatesearchEnabled);
        EXPECT_EQ(m.lastCleaning, 0.0);
        EXPECT_EQ(m.lastUpdateSearch, 0.0);
        EXPECT_EQ(m.window.width, 649);
        EXPECT_EQ(m.window.height, 400);
        EXPECT_EQ(m.window.left, (1024 - 649) / 2);
        EXPECT_EQ(m.window.top, (768 - 400) / 2);
        EXPECT_EQ(m.ownTypes, "");
        EXPECT_EQ(m.zipDirectory, "C:\\Kefelo\\Zipped");
        EXPECT_EQ(m.edit_searchpath.items, (std::vector<std::string>{"Tallóz..."}));
        EXPECT_EQ(m.edit_searchpath.selected, -1);
        EXPECT_EQ(console, (std::vector<std::string>{"! A config fajlt nem tudtam betolteni !"}));
        EXPECT_TRUE(ui.messages.empty());
    }
}

TEST_F(SettingsLoad, StoredRecordSetsTheControls) {
    fs.addDirectory("C:\\Temp");
    fs.addFile(at("beallitasok.cfg"), recordWith([](config::Settings& s) {
                   s.autoClean = true;
                   s.autoCleanDays = 3;
                   s.goToTrayOnClose = true;
                   s.windowLeft = -8;
                   s.windowWidth = 800;
                   s.viewAlerts = false;
                   s.eventLogging = true;
                   s.activePage = 2;
                   s.ownTypes = "*.ABC|*.Ő";
                   s.zipDirectory = "D:\\Archív";
                   s.updateSearch = true;
                   s.updateSearchDays = 20;
                   s.lastCleaning = 46000.0;
                   s.lastUpdateSearch = 46001.25;
                   s.history = {"C:\\Temp", "", "Tallóz...", "D:\\Régi", "E:\\"};
               }));
    auto m = load();
    EXPECT_TRUE(console.empty());
    EXPECT_TRUE(m.check_autorun);
    EXPECT_EQ(m.edit_daysofautorun, "3");
    EXPECT_TRUE(m.edit_daysofautorunEnabled);
    EXPECT_TRUE(m.check_quitprogramwhenautorundoneEnabled);
    EXPECT_TRUE(m.check_gototrayonclose);
    EXPECT_EQ(m.window.left, -8);
    EXPECT_EQ(m.window.width, 800);
    EXPECT_FALSE(m.check_viewalerts);
    EXPECT_TRUE(m.cNaplo);
    EXPECT_EQ(m.activePage, 2);
    EXPECT_EQ(m.ownTypes, "*.ABC|*.Ő");
    EXPECT_EQ(m.zipDirectory, "D:\\Archív");
    EXPECT_TRUE(m.check_updatesearch);
    EXPECT_EQ(m.edit_updatesearch, "20");
    EXPECT_TRUE(m.edit_updatesearchEnabled);
    EXPECT_EQ(m.lastCleaning, 46000.0);
    EXPECT_EQ(m.lastUpdateSearch, 46001.25);
    EXPECT_EQ(m.edit_searchpath.items, (std::vector<std::string>{"C:\\Temp", "D:\\Régi", "E:\\", "Tallóz..."}));
    EXPECT_EQ(m.edit_searchpath.selected, 0);
    EXPECT_FALSE(m.check_noadd);
    EXPECT_FALSE(m.check_nodrive);
    EXPECT_FALSE(m.firstRunScreen);
}

TEST_F(SettingsLoad, FirstHistoryItemIsSelectedOnlyWhenItExists) {
    fs.addFile(at("beallitasok.cfg"), recordWith([](config::Settings& s) { s.history[0] = "C:\\Nincs"; }));
    auto m = load();
    EXPECT_EQ(m.edit_searchpath.items.front(), "C:\\Nincs");
    EXPECT_EQ(m.edit_searchpath.selected, -1);
}

TEST_F(SettingsLoad, ZipDirectoryFallsBackToTheProgramDirectory) {
    config::ConfigModel m;
    m.zipDirectory = "D:\\Nincs";
    config::applyZipDirectoryDefault(m, fs, kDir);
    EXPECT_EQ(m.zipDirectory, "C:\\Kefelo\\Zipped");
    fs.addDirectory("D:\\Van");
    m.zipDirectory = "D:\\Van";
    config::applyZipDirectoryDefault(m, fs, kDir);
    EXPECT_EQ(m.zipDirectory, "D:\\Van");
    m.zipDirectory.clear();
    config::applyZipDirectoryDefault(m, fs, kDir);
    EXPECT_EQ(m.zipDirectory, "C:\\Kefelo\\Zipped");
}
