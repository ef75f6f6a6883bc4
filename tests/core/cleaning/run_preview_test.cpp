// The preview of a cleaning run against the run itself, the age rule, and the run that
// sends its files to the Recycle Bin.
#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>
#include <vector>

#include "core/cleaning/run_file_rule.h"
#include "core/cleaning/run_fixture.h"
#include "base/text/codec.h"
#include "base/time/datetime.h"

using namespace kefelo;
using cleaning::RunFileVerdict;
namespace attr = platform::attr;

namespace {

using PathSet = std::set<std::string>;

class RunPreviewTest : public cleaningtest::RunTest {
protected:
    // The clock stands at 2026-12-08 12:00; these are UTC ticks hours before it.
    int64_t hoursAgo(double hours) { return timeutil::toFileTime(clock.current - hours / 24.0); }

    // Every file of the fake disk, not reaching through links.
    PathSet allFiles() {
        PathSet out;
        std::vector<std::string> folders{"C:"};
        while (!folders.empty()) {
            const std::string folder = folders.back();
            folders.pop_back();
            auto listing = fs.list(folder + "\\*.*");
            if (!listing) continue;
            platform::DirEntry entry;
            while (listing->next(entry)) {
                if (entry.name == "." || entry.name == "..") continue;
                const std::string path = folder + "\\" + entry.name;
                if (!(entry.attributes & attr::kDirectory)) {
                    out.insert(text::asciiUpper(path));
                } else if (!(entry.attributes & attr::kReparsePoint)) {
                    folders.push_back(path);
                }
            }
        }
        return out;
    }

    // A tree that meets every guard: protected names, hidden, system and read-only files,
    // a fresh file, links out of a container and out of a task's location, a guarded
    // container, a task given without a full path, an inactive row and a task walking a
    // container again.
    void buildTree() {
        config.keepFreshHours = 24;
        const int64_t old = hoursAgo(72);
        fs.addFile("C:\\Temp\\a.tmp", "a", attr::kArchive, old);
        fs.addFile("C:\\Temp\\hidden.tmp", "h", attr::kHidden, old);
        fs.addFile("C:\\Temp\\system.tmp", "s", attr::kSystem | attr::kReadOnly, old);
        fs.addFile("C:\\Temp\\keep.dat", "k", attr::kArchive, old);
        fs.addFile("C:\\Temp\\fresh.tmp", "f", attr::kArchive, hoursAgo(2));
        fs.addFile("C:\\Temp\\sub\\deeper\\b.log", "b", attr::kArchive, old);
        fs.addFile("C:\\Temp\\sub\\KEEP.DAT", "k", attr::kArchive, old);
        fs.addFile("C:\\Data\\precious.doc", "p", attr::kArchive, old);
        fs.addLink("C:\\Temp\\link", "C:\\Data");
        fs.addFile("C:\\root.tmp", "r", attr::kArchive, old);
        fs.addFile("C:\\Off\\off.tmp", "o", attr::kArchive, old);
        fs.addFile("C:\\Work\\x.bak", "x", attr::kArchive, old);
        fs.addFile("C:\\Work\\y.txt", "y", attr::kArchive, old);
        fs.addFile("C:\\Work\\keep.dat", "k", attr::kArchive, old);
        fs.addFile("C:\\Work\\new.bak", "n", attr::kArchive, hoursAgo(1));
        fs.addFile("C:\\Work\\in\\z.BAK", "z", attr::kHidden, old);
        fs.addFile("C:\\Other\\w.bak", "w", attr::kArchive, old);
        fs.addLink("C:\\Work\\out", "C:\\Other");
        addContainer("C:\\Temp");
        addContainer("C:\\");
        addContainer("C:\\Off", config::Mark::Inactive);
        addTask("C:\\Work", "*.bak|*.dat");
        addTask("Work", "*.bak");
        addTask("C:\\Temp", "*.tmp");
    }

    PathSet previewed(const cleaning::RunPreview& preview) {
        PathSet out;
        for (const auto& f : preview.files) EXPECT_TRUE(out.insert(text::asciiUpper(f.Folder + f.Name)).second);
        return out;
    }
};

TEST_F(RunPreviewTest, TheRunDeletesExactlyWhatThePreviewListed) {
    buildTree();
    const PathSet before = allFiles();

    const std::optional<cleaning::RunPreview> preview = run->previewRun();
    ASSERT_TRUE(preview);
    EXPECT_EQ(allFiles(), before) << "the preview touched the disk";
    EXPECT_EQ(Search.Tag, app::Activity::Idle);
    const PathSet listed = previewed(*preview);
    EXPECT_EQ(listed, (PathSet{"C:\\TEMP\\A.TMP", "C:\\TEMP\\HIDDEN.TMP", "C:\\TEMP\\SYSTEM.TMP",
                               "C:\\TEMP\\SUB\\DEEPER\\B.LOG", "C:\\WORK\\X.BAK", "C:\\WORK\\IN\\Z.BAK"}));
    const PathSet fresh{"C:\\TEMP\\FRESH.TMP", "C:\\WORK\\NEW.BAK"};
    EXPECT_EQ(PathSet(preview->keptFresh.begin(), preview->keptFresh.end()), fresh);

    run->button_begincleanClick();
    PathSet gone;
    const PathSet after = allFiles();
    std::set_difference(before.begin(), before.end(), after.begin(), after.end(), std::inserter(gone, gone.end()));
    EXPECT_EQ(gone, listed);
    EXPECT_EQ(record.deletedFiles, static_cast<int64_t>(listed.size()));
    EXPECT_EQ(PathSet(record.keptFresh.begin(), record.keptFresh.end()), fresh);
    const auto lines = logLines();
    EXPECT_EQ(std::count(lines.begin(), lines.end(),
                         " - Az utolsó 24 órában módosított, ezért megtartott állományok száma: 2 db."),
              1);
}

TEST_F(RunPreviewTest, APreviewShowsItsFilesAndAHaltedOneShowsNothing) {
    buildTree();
    std::vector<size_t> shown;
    run->showPreview = [&](cleaning::RunPreview preview) { shown.push_back(preview.files.size()); };
    run->button_previewClick();
    EXPECT_EQ(shown, std::vector<size_t>{6});

    // A quit in the middle takes the code back, as the session's halt does.
    ui.onPump = [this] {
        Search.Stop();
        Search.Tag = app::Activity::Idle;
    };
    run->button_previewClick();
    EXPECT_EQ(shown.size(), 1u);
    EXPECT_TRUE(fs.exists("C:\\Temp\\a.tmp"));
}

TEST(RunFileRule, KeepsProtectedFreshAndFolderEntries) {
    config::ConfigModel config;
    config.list_protectfiles.items = {"keep.dat"};
    const int64_t now = 1'000'000'000'000'000;
    const int64_t hour = 36'000'000'000;
    const cleaning::RunFileRule rule(config, now, 3);
    EXPECT_EQ(rule.judge("a.tmp", attr::kHidden | attr::kSystem, now - 3 * hour), RunFileVerdict::Delete);
    EXPECT_EQ(rule.judge("a.tmp", attr::kArchive, now - 3 * hour + 1), RunFileVerdict::TooFresh);
    EXPECT_EQ(rule.judge("a.tmp", attr::kArchive, now + hour), RunFileVerdict::TooFresh);
    EXPECT_EQ(rule.judge("KEEP.DAT", attr::kArchive, 0), RunFileVerdict::Protected);
    EXPECT_EQ(rule.judge("d", attr::kDirectory | attr::kReparsePoint, 0), RunFileVerdict::NotAFile);
    const cleaning::RunFileRule off(config, now, 0);
    EXPECT_EQ(off.judge("a.tmp", attr::kArchive, now + hour), RunFileVerdict::Delete);
}

// The bin takes the files in batches; what it refuses stays, listed and explained, and no
// batch line would delete it for good after all.
TEST_F(RunPreviewTest, TheRunSendsBatchesToTheBinAndKeepsWhatItRefuses) {
    config.check_recyclerun = true;
    for (int i = 0; i < 300; ++i) fs.addFile("C:\\Temp\\f" + std::to_string(i) + ".tmp", "x");
    fs.addFile("C:\\Temp\\sub\\nobin.tmp", "n");
    fs.addFile("C:\\Work\\t.bak", "t");
    fs.addFile("D:\\Work\\u.bak", "u");
    shell.noBinPrefixes = {"C:\\Temp\\sub\\", "D:\\"};
    addContainer("C:\\Temp");
    addTask("C:\\Work", "*.bak");
    addTask("D:\\Work", "*.bak");

    run->button_begincleanClick();

    EXPECT_EQ(shell.recycled.size(), 301u);
    EXPECT_EQ(shell.recycleCalls, 5);  // 256 + 44 from the folder, the sub-folder, each task
    EXPECT_FALSE(fs.exists("C:\\Temp\\f0.tmp"));
    EXPECT_TRUE(fs.exists("C:\\Temp\\sub\\nobin.tmp"));
    EXPECT_TRUE(fs.exists("D:\\Work\\u.bak"));
    EXPECT_EQ(run->totals().filesDeleted, 301);
    EXPECT_EQ(run->totals().undeletable, 2);
    EXPECT_EQ(record.undeletable.size(), 2u);
    for (const std::string& line : record.batch.lines()) EXPECT_EQ(line.find("nobin"), std::string::npos) << line;
    const auto lines = logLines();
    EXPECT_NE(std::find(lines.begin(), lines.end(),
                        " ! C:\\Temp\\sub\\nobin.tmp  (1 bájt) - nem került a Lomtárba (ezen a meghajtón nincs "
                        "Lomtár), ezért megmaradt."),
              lines.end());
    EXPECT_NE(std::find(lines.begin(), lines.end(), " - A Lomtárba helyezett állományok száma: 301 db."), lines.end());
    EXPECT_TRUE(fs.exists("C:\\Temp\\sub")) << "a folder with a kept file is not removed";
}

}  // namespace
