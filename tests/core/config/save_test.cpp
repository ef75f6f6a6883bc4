#include <gtest/gtest.h>

#include "config_files_fixture.h"
#include "base/text/codec.h"

using namespace kefelo;
using config::Mark;

namespace {

const char* const kListFile =
    "|C:\\WINDOWS\\TEMP\r\nD:\\Cache\r\nE:\\Nincs\r\n*\r\n|C:\\Munka>*.TMP|*.~*\r\nC:\\Munka\\Régi>*.BAK\r\n";

}  // namespace

class ConfigSave : public cfgtest::ConfigFilesTest {
protected:
    ConfigSave() {
        fs.addDirectory("C:\\WINDOWS\\TEMP");
        fs.addDirectory("D:\\Cache");
        fs.addDirectory("C:\\Munka\\Régi");
    }
    std::vector<std::string> save(config::ConfigModel& model, std::string firstParameter = "") {
        return config::KilepesElottMent(model, saveContext(std::move(firstParameter)));
    }
    bool readOnly(const char* name) {
        auto a = fs.getAttributes(at(name));
        return a && (*a & platform::attr::kReadOnly);
    }
};

TEST_F(ConfigSave, LoadThenSaveGivesTheSameBytes) {
    std::string record = config::encodeSettingsRecord([] {
        config::Settings s;
        s.autoClean = true;
        s.history = {"C:\\Temp", "D:\\Ő", "", "", ""};
        s.ownTypes = "*.XYZ";
        s.zipDirectory = "C:\\Kefelo\\Zipped";
        return s;
    }());
    for (size_t i : {0, 1, 5, 40, 1578, 1850, 1900, 2119}) record[i] = static_cast<char>(0xA0 + i % 7);
    fs.addFile(at("beallitasok.cfg"), record);
    fs.addFile(at("konyvtarak.lst"), text::utf8ToCp1250(kListFile));
    fs.addFile(at("vedettek.lst"), text::utf8ToCp1250("data.bak\r\nÁrvíz.txt\r\n\r\nx\r\n"));

    auto model = load();
    EXPECT_TRUE(save(model).empty());
    EXPECT_EQ(file("beallitasok.cfg"), record);
    EXPECT_EQ(file("konyvtarak.lst"), text::utf8ToCp1250(kListFile));
    EXPECT_EQ(file("vedettek.lst"), text::utf8ToCp1250("data.bak\r\nÁrvíz.txt\r\n\r\nx\r\n"));
    EXPECT_TRUE(readOnly("beallitasok.cfg"));
    EXPECT_TRUE(readOnly("konyvtarak.lst"));
    EXPECT_TRUE(readOnly("vedettek.lst"));
    EXPECT_TRUE(ui.messages.empty());

    // The save left everything read-only; a second save in the same run still works.
    model.list_protectfiles.items.push_back("új.txt");
    EXPECT_TRUE(save(model).empty());
    EXPECT_EQ(file("vedettek.lst"), text::utf8ToCp1250("data.bak\r\nÁrvíz.txt\r\n\r\nx\r\núj.txt\r\n"));

    // Start-up makes them writable again.
    config::clearConfigFileAttributes(fs, kDir);
    EXPECT_FALSE(readOnly("beallitasok.cfg") || readOnly("konyvtarak.lst") || readOnly("vedettek.lst"));
}

TEST_F(ConfigSave, ContainerMarksAndTaskRowsAreWrittenAsTheGridHoldsThem) {
    fs.addFile(at("konyvtarak.lst"), "|C:\\WINDOWS\\TEMP\r\n|E:\\Nincs\r\n\r\n|C:\\Munka>*.TMP\r\n|>*.OLD\r\n");
    auto model = load();
    model.list_projects.rows.push_back({Mark::Inactive, "D:\\Cache", "A|B"});
    save(model);
    // The missing container lost its mark; the trailing task without location was dropped.
    EXPECT_EQ(file("konyvtarak.lst"), "|C:\\WINDOWS\\TEMP\r\nE:\\Nincs\r\n*\r\n|C:\\Munka>*.TMP\r\nD:\\Cache>A|B\r\n");
}

TEST_F(ConfigSave, NothingToWriteDeletesTheListFile) {
    fs.addFile(at("konyvtarak.lst"), "x\r\n", platform::attr::kReadOnly);
    auto model = load();
    EXPECT_TRUE(save(model).empty());
    EXPECT_FALSE(fs.exists(at("konyvtarak.lst")));
    // Starting without "vedettek.lst": the defaults are written at exit.
    EXPECT_EQ(file("vedettek.lst"), "data.bak\r\nopa11.bak\r\nreadme.txt\r\n");
}

TEST_F(ConfigSave, LongerSettingsFileIsCutToOneRecord) {
    std::string longer = config::encodeSettingsRecord(config::Settings{}) + "trailing garbage";
    fs.addFile(at("beallitasok.cfg"), longer);
    auto model = load();
    save(model);
    EXPECT_EQ(file("beallitasok.cfg"), longer.substr(0, config::kSettingsRecordSize));
}

TEST_F(ConfigSave, HistorySlotsWithoutAnItemKeepTheirOldText) {
    config::Settings old;
    old.history = {"C:\\A", "C:\\B", "C:\\C", "C:\\D", "C:\\E"};
    fs.addFile(at("beallitasok.cfg"), config::encodeSettingsRecord(old));
    auto model = load();
    model.edit_searchpath.items = {"X:\\Új", "", "Tallóz..."};
    save(model);
    auto saved = config::decodeSettingsRecord(file("beallitasok.cfg"));
    ASSERT_TRUE(saved);
    EXPECT_EQ(saved->history, (std::array<std::string, 5>{"X:\\Új", "C:\\B", "C:\\C", "C:\\D", "C:\\E"}));
}

// The record is Windows-1250: a "?" standing in for a letter would turn a folder into a
// wildcard pattern at the next start.
TEST_F(ConfigSave, FoldersTheRecordCannotHoldKeepTheTextStoredBefore) {
    config::Settings old;
    old.history = {"C:\\A", "C:\\B", "C:\\C", "", ""};
    old.zipDirectory = "C:\\Tömörített";
    fs.addFile(at("beallitasok.cfg"), config::encodeSettingsRecord(old));
    auto model = load();
    model.edit_searchpath.items = {"D:\\Проект", "C:\\Crème", "C:\\Crémé"};
    model.zipDirectory = "D:\\Архив";
    save(model);
    auto saved = config::decodeSettingsRecord(file("beallitasok.cfg"));
    ASSERT_TRUE(saved);
    EXPECT_EQ(saved->history, (std::array<std::string, 5>{"C:\\A", "C:\\B", "C:\\Crémé", "", ""}));
    EXPECT_EQ(saved->zipDirectory, "C:\\Tömörített");

    model.zipDirectory = "D:\\Új tömörítés";
    save(model);
    EXPECT_EQ(config::decodeSettingsRecord(file("beallitasok.cfg"))->zipDirectory, "D:\\Új tömörítés");
}

TEST_F(ConfigSave, IntervalTextsAreStoredAsNumbersWithinTheirWidth) {
    auto model = load();
    model.edit_daysofautorun = "70000";
    model.edit_updatesearch = "abc";
    model.check_noadd = true;
    save(model);
    auto saved = config::decodeSettingsRecord(file("beallitasok.cfg"));
    ASSERT_TRUE(saved);
    EXPECT_EQ(saved->autoCleanDays, 65535);
    EXPECT_EQ(saved->updateSearchDays, 1);
    EXPECT_FALSE(load().check_noadd);

    model.edit_daysofautorun = "-4";
    save(model);
    EXPECT_EQ(config::decodeSettingsRecord(file("beallitasok.cfg"))->autoCleanDays, 0);
}

TEST_F(ConfigSave, FailedListFilesAreReportedOnceUnlessTheRunIsAutomatic) {
    fs.addFile(at("konyvtarak.lst"), text::utf8ToCp1250(kListFile));
    auto model = load();
    fs.setLocked(at("konyvtarak.lst"), true);
    fs.addFile(at("vedettek.lst"), "old");
    fs.setLocked(at("vedettek.lst"), true);
    fs.addFile(at("beallitasok.cfg"), "old");
    fs.setLocked(at("beallitasok.cfg"), true);  // never reported

    auto failed = save(model);
    EXPECT_EQ(failed, (std::vector<std::string>{at("konyvtarak.lst"), at("vedettek.lst")}));
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].kind, platform::MessageKind::Warning);
    EXPECT_EQ(ui.messages[0].buttons, platform::Buttons::Ok);
    EXPECT_EQ(ui.messages[0].text,
              "A következő állományok mentése nem sikerült:\r\nC:\\Kefelo\\konyvtarak.lst\r\n"
              "C:\\Kefelo\\vedettek.lst\r\n\r\nValószínűleg nincs írási jogunk a következő könyvtárra:\r\nC:\\Kefelo");
    EXPECT_EQ(file("vedettek.lst"), "old");  // the old list survives a failed replace

    for (const char* automatic : {"/a", "/AutoRun"}) {
        ui.messages.clear();
        EXPECT_EQ(save(model, automatic).size(), 2u);
        EXPECT_TRUE(ui.messages.empty()) << automatic;
    }
    ui.messages.clear();
    save(model, "/autorunx");
    EXPECT_EQ(ui.messages.size(), 1u);
}

TEST_F(ConfigSave, FailedDeleteOfTheListFileIsReported) {
    fs.addFile(at("konyvtarak.lst"), "C:\\Munka\r\n");
    config::ConfigModel model = load();
    fs.setLocked(at("konyvtarak.lst"), true);
    model.list_temps.clear();
    EXPECT_EQ(save(model), (std::vector<std::string>{at("konyvtarak.lst")}));
}

TEST_F(ConfigSave, OnlyTheListThatCouldNotBeReadIsLeftAlone) {
    fs.addFile(at("konyvtarak.lst"), "x\r\n");
    fs.addFile(at("vedettek.lst"), "sajat.txt\r\n");
    fs.setLocked(at("vedettek.lst"), true);
    auto model = load();
    fs.setLocked(at("vedettek.lst"), false);
    model.list_temps.clear();
    model.list_protectfiles.items = {"a.txt"};
    EXPECT_TRUE(save(model).empty());
    EXPECT_FALSE(fs.exists(at("konyvtarak.lst")));  // read fine, now empty: deleted as ever
    EXPECT_EQ(file("vedettek.lst"), "sajat.txt\r\n");
    EXPECT_FALSE(readOnly("vedettek.lst"));
    EXPECT_TRUE(readOnly("beallitasok.cfg"));
}

TEST_F(ConfigSave, ASettingsRecordThatCouldNotBeReadIsNotReplacedByDefaults) {
    const std::string record(2120, '\x07');
    fs.addFile(at("beallitasok.cfg"), record);
    fs.setLocked(at("beallitasok.cfg"), true);
    auto model = load();
    fs.setLocked(at("beallitasok.cfg"), false);
    EXPECT_TRUE(save(model).empty());
    EXPECT_EQ(file("beallitasok.cfg"), record);
    EXPECT_TRUE(readOnly("vedettek.lst"));
}

TEST_F(ConfigSave, LongOwnTypesAreCutAfterAWholeMask) {
    auto model = load();
    model.ownTypes = std::string(250, 'A') + "|*.tmp";
    save(model);
    EXPECT_EQ(config::decodeSettingsRecord(file("beallitasok.cfg"))->ownTypes, std::string(250, 'A'));
}
