// A generated autodel.bat run by the real command interpreter, with delayed expansion on
// (as a registry setting can make it for every cmd): in a folder whose name holds a blank,
// "&" and "%", every line deletes its own file and nothing next to it; the batch switches
// the console to the code page it is written in and gives back the one it found.
#include <gtest/gtest.h>
#include <windows.h>

#include <filesystem>
#include <fstream>
#include <iostream>
#include <string>
#include <vector>

#include "base/text/codec.h"
#include "base/text/batch_code_page.h"
#include "cmd_runner.h"
#include "core/cleaning/run_record.h"
#include "core/cleaning/undeletable_batch.h"
#include "platform/win32/wide.h"
#include "platform/win32/win32_platform.h"

using namespace kefelo;
namespace fs = std::filesystem;
using platform::win32::widen;

namespace {

// A drive letter nothing is mapped to: the restore line's copy must land nowhere.
char unusedDrive() {
    const DWORD drives = GetLogicalDrives();
    for (char letter = 'Q'; letter <= 'Y'; ++letter) {
        if (!(drives & (1u << (letter - 'A')))) return letter;
    }
    return 0;
}

class BatchUnderCmd : public ::testing::Test {
protected:
    void SetUp() override {
        wchar_t temp[MAX_PATH];
        GetTempPathW(MAX_PATH, temp);
        root_ = fs::path(temp) / (L"kefelo batch test " + std::to_wstring(GetCurrentProcessId()));
        std::error_code ec;
        fs::remove_all(root_, ec);
        fs::create_directories(root_);
    }
    void TearDown() override {
        std::error_code ec;
        fs::remove_all(root_, ec);
    }
    // A folder with these files, and its path as the program writes it, with "\".
    std::string folderWith(const std::wstring& name, const std::vector<std::string>& files) {
        const fs::path folder = root_ / name;
        fs::create_directories(folder);
        for (const std::string& file : files) std::ofstream(folder / widen(file)) << "x";
        return platform::win32::narrow(folder.wstring()) + "\\";
    }
    // The batch finished and written as a run writes it, then run in its folder.
    std::string runBatch(cleaning::BatchText& batch, const std::string& dir) {
        const char drive = unusedDrive();
        if (drive == 0) return "no unused drive letter";
        batch.finish(dir, drive);
        if (!files_.writeFileAtomic(dir + "autodel.bat", text::encodeLines(batch.lines()))) return "not written";
        return cmdtest::runCmd(widen(dir), L"cmd.exe /v:on /c \"autodel.bat & chcp\"");
    }
    static bool exists(const std::string& dir, const std::string& name) { return fs::exists(widen(dir + name)); }
    static std::string listing(const cleaning::BatchText& batch) {
        std::string text;
        for (const std::string& line : batch.lines()) text += line + "\n";
        return text;
    }

    fs::path root_;
    platform::win32::Win32FileSystem files_;
};

TEST_F(BatchUnderCmd, EveryLineDeletesItsOwnFileAndNothingNextToIt) {
    // Through the form the run picks (the short one where the volume has it).
    const std::vector<std::string> viaRun = {"a&b.tmp", "x%OS%y.tmp", "c^d!(1).tmp"};
    // Long forms, so that the folder's own blank, "&" and "%" are in the lines too.
    const std::vector<std::string> viaLongForm = {"e f&g.tmp", "i%OS%j.tmp", "wow!x!.tmp"};
    // What a line that acted as batch syntax would take instead.
    const std::vector<std::string> bystanders = {"a",          "b.tmp",   "x%PATH%y.tmp", "xWindows_NTy.tmp",
                                                 "cd!(1).tmp", "e f",     "g.tmp",        "iWindows_NTj.tmp",
                                                 "z.tmp",      "wow.tmp", "autoexec"};
    // No short form under Wine: no line at all, where a "?" would take "z.tmp".
    const std::string foreign = "中.tmp";
    std::vector<std::string> all = viaRun;
    all.insert(all.end(), viaLongForm.begin(), viaLongForm.end());
    all.insert(all.end(), bystanders.begin(), bystanders.end());
    all.push_back(foreign);
    all.push_back("autoexec.bat");  // the saved copy the restore lines delete
    const std::string dir = folderWith(L"kefelo 50% & co", all);
    const unsigned found = cmdtest::foundCodePage(widen(dir));

    cleaning::RunRecord record([] { return cleaning::NowTexts{}; });
    record.batch.start(true);
    for (const std::string& name : viaRun) cleaning::addUndeletableToBatch(files_, record, dir + name);
    for (const std::string& name : viaLongForm) ASSERT_TRUE(record.batch.addDelete(dir + name)) << name;
    cleaning::addUndeletableToBatch(files_, record, dir + foreign);
    const bool foreignHasALine = record.log.empty();
    const std::string printed = runBatch(record.batch, dir);

    const std::string context = listing(record.batch) + printed;
    for (const std::string& name : viaRun) EXPECT_FALSE(exists(dir, name)) << name << "\n" << context;
    for (const std::string& name : viaLongForm) EXPECT_FALSE(exists(dir, name)) << name << "\n" << context;
    EXPECT_FALSE(exists(dir, "autoexec.bat"));
    for (const std::string& name : bystanders) EXPECT_TRUE(exists(dir, name)) << name << "\n" << context;
    EXPECT_EQ(exists(dir, foreign), !foreignHasALine);
    if (!foreignHasALine) {
        EXPECT_NE(record.log.text().find("kézzel kell törölni"), std::string::npos);
    }
    // The console the batch ran in has its own code page back.
    EXPECT_EQ(cmdtest::lastCodePage(printed), found) << printed;
}

TEST_F(BatchUnderCmd, SwitchesToTheFilesCodePageAndBackToTheOneItFound) {
    const std::string dir = folderWith(L"code page", {});
    const unsigned found = cmdtest::foundCodePage(widen(dir));
    ASSERT_NE(found, 0u) << "cmd printed no code page";
    ASSERT_NE(found, 1250u) << "the console must start in another code page than the file's (LC_ALL=hu_HU.UTF-8)";

    std::vector<std::string> lines = {"@ECHO OFF"};
    const std::vector<std::string>& codePageSwitch = text::batchCodePageSwitch();
    lines.insert(lines.end(), codePageSwitch.begin(), codePageSwitch.end());
    lines.push_back("chcp");
    lines.push_back(text::batchCodePageRestore());
    cmdtest::writeBatch(widen(dir + "probe.bat"), lines);
    const std::string printed = cmdtest::runCmd(widen(dir), L"cmd.exe /c \"probe.bat & chcp\"");
    EXPECT_NE(printed.find("page: 1250"), std::string::npos) << printed;
    EXPECT_EQ(cmdtest::lastCodePage(printed), found) << printed;
}

// The code page is taken from chcp's sentence, which some languages end with a "."; fed
// those sentences instead of chcp's own, the lines keep the bare number (Windows' chcp
// refuses "850.") and restore the code page it names.
TEST_F(BatchUnderCmd, TakesTheCodePageFromChcpInEveryWording) {
    const std::string dir = folderWith(L"wordings", {});
    std::vector<std::string> lines = {"@ECHO OFF"};
    for (std::string line : text::batchCodePageSwitch()) {
        const size_t chcp = line.find("('chcp')");
        if (chcp != std::string::npos) line.replace(chcp, 8, "('type wording.txt')");
        lines.push_back(line);
    }
    ASSERT_NE(lines[3].find("wording.txt"), std::string::npos) << lines[3];
    lines.push_back("echo [%kefelo_cp%]");
    lines.push_back(text::batchCodePageRestore());
    lines.push_back("chcp");
    cmdtest::writeBatch(widen(dir + "wording.bat"), lines);

    const std::pair<const char*, unsigned> wordings[] = {
        {"Aktive Codepage: 850.", 850},
        {"Active code page: 437", 437},
        {"Page de codes active : 850", 850},
    };
    for (const auto& [wording, codePage] : wordings) {
        std::ofstream(fs::path(widen(dir + "wording.txt")), std::ios::binary) << wording << "\r\n";
        const std::string printed = cmdtest::runCmd(widen(dir), L"cmd.exe /c wording.bat");
        const size_t open = printed.find('[');
        const size_t close = printed.find(']', open);
        ASSERT_NE(close, std::string::npos) << printed;
        const std::string kept = printed.substr(open + 1, close - open - 1);
        EXPECT_EQ(kept.substr(kept.find_first_not_of(' ')), std::to_string(codePage)) << wording << "\n" << printed;
        EXPECT_EQ(cmdtest::lastCodePage(printed), codePage) << wording << "\n" << printed;
    }
}

// Accented names in an accented folder. The run picks the short form where the volume has
// one (every name under Wine), which reads the same in any code page; a long form is read
// as written where cmd follows the switch.
TEST_F(BatchUnderCmd, AccentedNamesDeleteTheirOwnFiles) {
    const std::vector<std::string> viaRun = {"tükör.tmp", "Öt ő!.tmp"};
    const std::vector<std::string> viaLongForm = {"árvíz & 5%.tmp", "Ősz.tmp", "autoexec.bat"};
    // The same names with other accents (or none): other files.
    const std::vector<std::string> bystanders = {"tukor.tmp", "Ot ő!.tmp", "Ít ő!.tmp", "arvíz & 5%.tmp", "Osz.tmp"};
    std::vector<std::string> all = viaRun;
    all.insert(all.end(), viaLongForm.begin(), viaLongForm.end());
    all.insert(all.end(), bystanders.begin(), bystanders.end());
    const std::string dir = folderWith(L"kefel\u0151 \u00e1r", all);
    const bool followsTheSwitch = cmdtest::readsLinesAfterTheSwitchAsWritten(widen(dir));

    cleaning::RunRecord record([] { return cleaning::NowTexts{}; });
    record.batch.start(true);
    for (const std::string& name : viaRun) cleaning::addUndeletableToBatch(files_, record, dir + name);
    EXPECT_TRUE(record.log.empty()) << record.log.text();
    for (const std::string& name : viaLongForm) {
        if (name != "autoexec.bat") {
            ASSERT_TRUE(record.batch.addDelete(dir + name)) << name;
        }
    }
    const std::string printed = runBatch(record.batch, dir);

    const std::string context = listing(record.batch) + printed;
    for (const std::string& name : viaRun) EXPECT_FALSE(exists(dir, name)) << name << "\n" << context;
    for (const std::string& name : bystanders) EXPECT_TRUE(exists(dir, name)) << name << "\n" << context;
    if (followsTheSwitch) {
        for (const std::string& name : viaLongForm) EXPECT_FALSE(exists(dir, name)) << name << "\n" << context;
    } else {
        std::cout << "[ NOTE     ] this cmd reads every batch line in the OEM code page, whatever chcp set: "
                     "the accented long forms are not checked\n";
    }
}

}  // namespace
