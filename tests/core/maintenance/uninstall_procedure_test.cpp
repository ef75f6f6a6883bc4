#include "core/maintenance/uninstall_procedure.h"
#include "base/text/batch_code_page.h"

#include <gtest/gtest.h>

#include <algorithm>

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
    EXPECT_EQ(batch(), text::encodeLines(maintenance::uninstallBatchLines("kefelo.exe", true)));
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

TEST(UninstallBatch, WorksInItsOwnFolderQuotesNamesRetriesBoundedAndDeletesItselfLast) {
    const auto lines = maintenance::uninstallBatchLines("KEF%1~1.EXE", true);
    EXPECT_EQ(lines[0], "@Echo OFF");
    EXPECT_EQ(lines[5], "cd /d \"%~dp0\"");
    EXPECT_EQ(lines[8], "del \"KEF%%1~1.EXE\" /q");
    EXPECT_NE(std::find(lines.begin(), lines.end(), "attrib -r \"autodel.bat\""), lines.end());
    EXPECT_NE(std::find(lines.begin(), lines.end(), "if not exist \"KEF%%1~1.EXE\" goto done"), lines.end());
    EXPECT_EQ(lines.back(), "del \"uninstall.bat\" /q");
    // Every deletion names a quoted bare file name, and nothing else is deleted.
    int deletes = 0;
    for (const std::string& line : lines) {
        if (line.rfind("del ", 0) != 0) continue;
        ++deletes;
        EXPECT_EQ(line[4], '"') << line;
        EXPECT_EQ(line.find('\\'), std::string::npos) << line;
    }
    EXPECT_EQ(deletes, 11);

    const auto old = maintenance::uninstallBatchLines("kefelo.exe", false);
    for (const std::string& line : old) EXPECT_EQ(line.find("/q"), std::string::npos) << line;
}

// The switch comes right after the first line; the restore cannot be last, as nothing
// after the script's own deletion is read, so it comes just before that.
TEST(UninstallBatch, SwitchesTheCodePageOnNtOnlyAndRestoresItBeforeDeletingItself) {
    const auto lines = maintenance::uninstallBatchLines("kefeló.exe", true);
    const std::vector<std::string>& switching = text::batchCodePageSwitch();
    ASSERT_GT(lines.size(), switching.size() + 3);
    EXPECT_TRUE(std::equal(switching.begin(), switching.end(), lines.begin() + 1));
    EXPECT_EQ(lines[lines.size() - 2], text::batchCodePageRestore());
    EXPECT_EQ(lines.back(), "del \"uninstall.bat\" /q");
    EXPECT_EQ(std::count(lines.begin(), lines.end(), text::batchCodePageRestore()), 1);

    // command.com knows neither setlocal nor for /f.
    const auto nineX = maintenance::uninstallBatchLines("kefelo.exe", false);
    EXPECT_EQ(std::search(nineX.begin(), nineX.end(), switching.begin(), switching.end()), nineX.end());
    EXPECT_EQ(std::find(nineX.begin(), nineX.end(), text::batchCodePageRestore()), nineX.end());
}

}  // namespace
