#include "core/maintenance/uninstall_procedure.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "base/text/batch_code_page.h"
#include "base/text/codec.h"
#include "core/integration/explorer_verb.h"
#include "core/integration/run_key.h"
#include "core/maintenance/update_rules.h"
#include "platform/fake/fake_platform.h"
#include "platform/fake/fake_shell_links.h"

using namespace kefelo;
using platform::Answer;
using platform::MessageKind;

namespace {
constexpr const char* kDir = "C:\\Program Files\\Kefelo\\";
constexpr const char* kExe = "C:\\Program Files\\Kefelo\\kefelo.exe";
const std::string kRunKey(integration::kRunKey), kRunName(integration::kRunValueName);
const std::string kVerb(integration::kVerbKey);

class RecordingHost : public maintenance::UninstallHost {
public:
    std::vector<std::string> events;
    bool visible = false;
    void markActionsMenu(bool marked) override { events.push_back(marked ? "mark" : "unmark"); }
    bool mainWindowVisible() override { return visible; }
    void showMainWindowInFront() override { events.push_back("show"); }
    void terminate() override { events.push_back("terminate"); }
};

class Uninstall : public ::testing::Test, public platform::fake::FakePlatform {
protected:
    Uninstall() {
        fs.addFile(kExe, "", platform::attr::kReadOnly);
        fs.setShortName("C:\\Program Files", "PROGRA~1");
        fs.addFile(std::string(kDir) + "beallitasok.cfg", "", platform::attr::kReadOnly);
        fs.addFile(std::string(kDir) + "vedettek.lst", "", platform::attr::kReadOnly);
        registry.writeString(platform::RegistryRoot::CurrentUser, kRunKey, kRunName,
                             "\"" + std::string(kExe) + "\" /a");
        registry.writeString(platform::RegistryRoot::CurrentUser, kVerb, "", "Ellenőrzés a Kefeló-val");
        links.folders = {{platform::KnownFolder::Desktop, "C:\\Asztal"}};
        links.create("C:\\Asztal\\Kefeló.lnk", {kExe, "", kDir, ""});
        links.create("C:\\Asztal\\Kefeló - Takarítás.lnk", {"D:\\Masik\\kefelo.exe", "/autorun", "D:\\Masik\\", ""});
    }
    bool run(app::Activity activity = app::Activity::Idle) {
        return maintenance::button_uninstallClick(host, {platform, shell, links, kExe, kDir, activity, {}});
    }
    bool verbThere() { return registry.keyExists(platform::RegistryRoot::CurrentUser, kVerb); }
    std::string batch() { return fs.content(std::string(kDir) + "uninstall.bat").value_or(""); }

    RecordingHost host;
    platform::fake::FakeShellLinks links;
};

TEST_F(Uninstall, AnyRefusalLeavesEverythingInPlace) {
    for (auto answers : {std::deque<Answer>{Answer::No}, std::deque<Answer>{Answer::Yes, Answer::No},
                         std::deque<Answer>{Answer::Yes, Answer::Yes, Answer::Cancel}}) {
        ui.answers = answers;
        host.events.clear();
        EXPECT_FALSE(run());
        EXPECT_EQ(host.events.front(), "mark");
        EXPECT_EQ(host.events.back(), "unmark");
        EXPECT_TRUE(registry.readString(platform::RegistryRoot::CurrentUser, kRunKey, kRunName));
        EXPECT_TRUE(verbThere());
        EXPECT_EQ(links.files().size(), 2u);
        EXPECT_EQ(fs.getAttributes(kExe), platform::attr::kReadOnly);
        EXPECT_FALSE(fs.exists(std::string(kDir) + "uninstall.bat"));
    }
    EXPECT_TRUE(shell.executed.empty());
}

TEST_F(Uninstall, BusyProgramRefusesBeforeAsking) {
    EXPECT_FALSE(run(app::Activity::Cleaning));
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].kind, MessageKind::Warning);
    EXPECT_TRUE(host.events.empty());
}

TEST_F(Uninstall, ConfirmedRunClearsAttributesRemovesEntriesStartsTheScriptAndEnds) {
    fs.addDirectory(std::string(kDir) + "Zipped");
    ui.answers = {Answer::Yes, Answer::Yes, Answer::Yes};
    EXPECT_TRUE(run());
    ASSERT_EQ(ui.messages.size(), 3u);
    EXPECT_EQ(ui.messages[2].kind, MessageKind::Confirmation);
    EXPECT_EQ(ui.messages[2].text, maintenance::uninstallDirectoryQuestion(kDir, true));
    EXPECT_NE(ui.messages[2].text.find("(C:\\Program Files\\Kefelo) az esetleg"), std::string::npos);
    EXPECT_NE(ui.messages[2].text.find("Zipped könyvtár"), std::string::npos);

    EXPECT_EQ(host.events, (std::vector<std::string>{"mark", "show", "terminate"}));
    EXPECT_FALSE(verbThere());
    // Only the shortcut that leads to this executable goes.
    ASSERT_EQ(links.files().size(), 1u);
    EXPECT_EQ(links.files().begin()->first, "C:\\Asztal\\Kefeló - Takarítás.lnk");
    EXPECT_EQ(fs.getAttributes(kExe), platform::attr::kNormal);
    EXPECT_EQ(fs.getAttributes(std::string(kDir) + "vedettek.lst"), platform::attr::kNormal);
    EXPECT_FALSE(registry.readString(platform::RegistryRoot::CurrentUser, kRunKey, kRunName));
    ASSERT_EQ(shell.executed.size(), 2u);
    EXPECT_EQ(shell.executed[0], (platform::fake::ExecutedFile{"C:\\Program Files\\Kefelo", "", "", true}));
    EXPECT_EQ(shell.executed[1], (platform::fake::ExecutedFile{std::string(kDir) + "uninstall.bat", "", "", false}));
    // Named through the 8.3 form of the folder, so it runs from wherever it is started.
    const std::string lines = batch();
    EXPECT_NE(lines.find("\r\ndel \"C:\\PROGRA~1\\Kefelo\\kefelo.exe\" /q\r\n"), std::string::npos) << lines;
    EXPECT_NE(lines.find("\r\ndel \"C:\\PROGRA~1\\Kefelo\\uninstall.bat\" /q\r\n"), std::string::npos) << lines;
}

// Another copy's start, verb and autodel.bat call stay; this program's own leftovers go,
// each by its exact name.
TEST_F(Uninstall, OnlyThisProgramsEntriesAndLeftoversGo) {
    const std::string other = "\"D:\\Masik\\kefelo.exe\"";
    registry.writeString(platform::RegistryRoot::CurrentUser, kRunKey, kRunName, other + " /a");
    registry.writeString(platform::RegistryRoot::CurrentUser, kVerb + "\\command", "", other + " \"%1\"");
    registry.writeString(platform::RegistryRoot::LocalMachine, kVerb, "", "Ellenőrzés a Kefeló-val");
    registry.writeString(platform::RegistryRoot::LocalMachine, kVerb + "\\command", "",
                         std::string(kExe) + " \"%1\"");
    for (const char* name : {"beallitasok.cfg.1234-5.tmp", "konyvtarak.lst.77-0.tmp", "beallitasok.cfg.notes.tmp",
                             "sajat.1-2.tmp"}) {
        fs.addFile(std::string(kDir) + name, "x");
    }
    fs.addDirectory("C:\\WINDOWS");
    fs.addFile("C:\\autoexec.bat",
               text::encodeLines({"@echo off", "\"C:\\PROGRA~1\\Kefelo\\autodel.bat\"", "C:\\Program Files\\Kefelo\\autodel.bat",
                                  "\"D:\\Masik\\autodel.bat\""}));
    ui.answers = {Answer::Yes, Answer::Yes, Answer::No};
    EXPECT_TRUE(run());

    EXPECT_EQ(registry.readString(platform::RegistryRoot::CurrentUser, kRunKey, kRunName), other + " /a");
    EXPECT_TRUE(verbThere());
    EXPECT_FALSE(registry.keyExists(platform::RegistryRoot::LocalMachine, kVerb));
    EXPECT_FALSE(fs.exists(std::string(kDir) + "beallitasok.cfg.1234-5.tmp"));
    EXPECT_FALSE(fs.exists(std::string(kDir) + "konyvtarak.lst.77-0.tmp"));
    EXPECT_TRUE(fs.exists(std::string(kDir) + "beallitasok.cfg.notes.tmp"));
    EXPECT_TRUE(fs.exists(std::string(kDir) + "sajat.1-2.tmp"));
    EXPECT_EQ(text::decodeLines(fs.content("C:\\autoexec.bat").value_or("")),
              (std::vector<std::string>{"@echo off", "\"D:\\Masik\\autodel.bat\""}));
    const std::string lines = batch();
    for (const char* name : {"update.bat", "info.txt", "autoexec.bat"}) {
        EXPECT_NE(lines.find("\r\ndel \"C:\\PROGRA~1\\Kefelo\\" + std::string(name) + "\" /q\r\n"), std::string::npos)
            << name;
    }
}

TEST_F(Uninstall, FailedScriptIsReportedButTheProgramStillEnds) {
    host.visible = true;
    ui.answers = {Answer::Yes, Answer::Yes, Answer::No};
    shell.accept = false;
    EXPECT_TRUE(run());
    EXPECT_EQ(ui.messages.back().kind, MessageKind::Error);
    EXPECT_EQ(ui.messages.back().text, "Hiba történt az eltávolítás során");
    EXPECT_EQ(host.events, (std::vector<std::string>{"mark", "terminate"}));
}

TEST_F(Uninstall, AProgramDirectoryNoLineCanNameGetsNoScript) {
    // Not in Windows-1250, and no 8.3 form to fall back on.
    const std::string dir = "C:\\k\xe2\x98\x83\\";
    fs.addFile(dir + "kefelo.exe", "");
    ui.answers = {Answer::Yes, Answer::Yes, Answer::No};
    EXPECT_TRUE(maintenance::button_uninstallClick(
        host, {platform, shell, links, dir + "kefelo.exe", dir, app::Activity::Idle, {}}));
    EXPECT_FALSE(fs.exists(dir + "uninstall.bat"));
    EXPECT_EQ(ui.messages.back().text, "Hiba történt az eltávolítás során");
    EXPECT_TRUE(shell.executed.empty());
}

const maintenance::BatchProgram kProgram{"C:\\x 100% & y\\", "C:\\x 100% & y\\KEF%1~1.EXE", "kefelő 100%.exe"};

TEST(UninstallBatch, NamesEveryFileByItsFullPathRetriesBoundedAndDeletesItselfLast) {
    const auto lines = maintenance::uninstallBatchLines(kProgram, true);
    ASSERT_TRUE(lines);
    const std::string folder = "\"C:\\x 100%% & y\\";
    const size_t first = text::batchCodePageSwitch().size() + 1;
    // Nothing happens unless the program directory still holds the script and the program.
    EXPECT_EQ((*lines)[first], "if not exist " + folder + "uninstall.bat\" goto quit");
    EXPECT_EQ((*lines)[first + 1], "if not exist " + folder + "KEF%%1~1.EXE\" goto quit");
    EXPECT_NE(std::find(lines->begin(), lines->end(), "attrib -r " + folder + "autodel.bat\""), lines->end());
    EXPECT_NE(std::find(lines->begin(), lines->end(), "if not exist " + folder + "KEF%%1~1.EXE\" goto done"),
              lines->end());
    // Every deletion names a quoted full path, and nothing else is deleted.
    int deletes = 0;
    for (const std::string& line : *lines) {
        EXPECT_EQ(line.find("%~"), std::string::npos) << line;
        EXPECT_NE(line.rfind("cd ", 0), 0u) << line;
        if (line.rfind("del ", 0) != 0) continue;
        ++deletes;
        EXPECT_EQ(line.substr(4, folder.size()), folder) << line;
    }
    EXPECT_EQ(deletes, static_cast<int>(maintenance::uninstalledFileNames().size()) + 2);
    EXPECT_EQ(lines->end()[-3], "del " + folder + "uninstall.bat\" /q");

    const auto old = maintenance::uninstallBatchLines({"C:\\X\\", "C:\\X\\KEFELO.EXE", "kefelo.exe"}, false);
    ASSERT_TRUE(old);
    for (const std::string& line : *old) EXPECT_EQ(line.find("/q"), std::string::npos) << line;
    // command.com reads no accent as written.
    EXPECT_FALSE(maintenance::uninstallBatchLines({"C:\\Kefeló\\", "C:\\Kefeló\\kefelo.exe", "kefelo.exe"}, false));
}

// The switch comes right after the first line; the code page goes back before the script
// deletes itself (nothing after that is read) and where it leaves without doing anything.
TEST(UninstallBatch, SwitchesTheCodePageOnNtOnlyAndRestoresItOnEveryWayOut) {
    const auto lines = maintenance::uninstallBatchLines(kProgram, true);
    ASSERT_TRUE(lines);
    const std::vector<std::string>& switching = text::batchCodePageSwitch();
    ASSERT_GT(lines->size(), switching.size() + 3);
    EXPECT_TRUE(std::equal(switching.begin(), switching.end(), lines->begin() + 1));
    EXPECT_EQ(lines->end()[-4], text::batchCodePageRestore());
    EXPECT_EQ(lines->end()[-2], ":quit");
    EXPECT_EQ(lines->back(), text::batchCodePageRestore());

    // command.com knows neither setlocal nor for /f.
    const auto nineX = maintenance::uninstallBatchLines({"C:\\X\\", "C:\\X\\KEFELO.EXE", "kefelo.exe"}, false);
    ASSERT_TRUE(nineX);
    EXPECT_EQ(std::search(nineX->begin(), nineX->end(), switching.begin(), switching.end()), nineX->end());
    EXPECT_EQ(std::find(nineX->begin(), nineX->end(), text::batchCodePageRestore()), nineX->end());
}

}  // namespace
