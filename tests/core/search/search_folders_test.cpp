#include "core/search/search_folders.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "core/search/mask.h"
#include "base/time/datetime.h"
#include "platform/fake/fake_file_system.h"
#include "platform/fake/fake_system.h"
#include "platform/fake/fake_ui.h"

using namespace kefelo;
using search::TSearchFolders;
namespace attr = platform::attr;

namespace {

class Walker : public ::testing::Test {
protected:
    void SetUp() override {
        search.OnProcess = [this](TSearchFolders&, const std::string& dir, int64_t count, int64_t size) {
            entered.push_back(dir);
            totalsOnEntry.emplace_back(count, size);
        };
        search.OnChanged = [this](TSearchFolders&, int64_t count, int64_t size) {
            ++changedCalls;
            changedTotals = {count, size};
        };
    }

    std::vector<std::string> matchedPaths() const {
        std::vector<std::string> paths;
        for (const auto& pack : search.Matches()) paths.push_back(pack.Folder + pack.Name);
        return paths;
    }

    void walk(const std::string& dir, const std::string& mask) {
        search.ScanDir = dir;
        search.FileMask = mask;
        search.Execute();
    }

    platform::fake::FakeFileSystem fs;
    platform::fake::FakeClock clock;
    platform::fake::FakeUi ui;
    TSearchFolders search{fs, clock, ui};

    std::vector<std::string> entered;
    std::vector<std::pair<int64_t, int64_t>> totalsOnEntry;
    int changedCalls = 0;
    std::pair<int64_t, int64_t> changedTotals{-1, -1};
};

using Paths = std::vector<std::string>;
using Totals = std::pair<int64_t, int64_t>;

}  // namespace

TEST_F(Walker, SubFoldersAreWalkedWhereTheyAreMet) {
    fs.addFile("C:\\T\\a.tmp", "aa");
    fs.addFile("C:\\T\\sub\\b.tmp", "bbb");
    fs.addFile("C:\\T\\c.TMP", "c");
    fs.addFile("C:\\T\\d.txt", "dddd");

    walk("C:\\T", "*.tmp");
    EXPECT_EQ(matchedPaths(), (Paths{"C:\\T\\a.tmp", "C:\\T\\sub\\b.tmp", "C:\\T\\c.TMP"}));
    EXPECT_EQ(entered, (Paths{"C:\\T", "C:\\T\\sub"}));
    EXPECT_EQ(totalsOnEntry, (std::vector<Totals>{{0, 0}, {1, 2}}));
    EXPECT_EQ(changedCalls, 1);
    EXPECT_EQ(changedTotals, Totals(3, 6));

    entered.clear();
    walk("C:\\T\\", "*.tmp");
    EXPECT_EQ(entered, (Paths{"C:\\T\\", "C:\\T\\sub"}));
    EXPECT_EQ(search.Matches().size(), 3u);  // the previous walk's records are gone
}

TEST_F(Walker, DriveRootWithOrWithoutBackslash) {
    fs.addFile("C:\\x.tmp");
    fs.addFile("C:\\d\\y.tmp");
    // "C:*.*" would list the current folder of the drive instead of its root.
    fs.setCurrentDirectory("C:\\d");
    for (const char* root : {"C:", "C:\\"}) {
        entered.clear();
        walk(root, "*.tmp");
        EXPECT_EQ(matchedPaths(), (Paths{"C:\\x.tmp", "C:\\d\\y.tmp"})) << root;
        EXPECT_EQ(search.Matches()[0].Folder, "C:\\") << root;
        EXPECT_EQ(entered, (Paths{root, "C:\\d"}));
    }
}

TEST_F(Walker, HiddenSystemAndReadOnlyFilesAreListedWithTheirAttributes) {
    fs.addFile("C:\\H\\h.tmp", "", attr::kHidden | attr::kArchive);
    fs.addFile("C:\\H\\s.tmp", "", attr::kSystem | attr::kHidden | attr::kReadOnly);
    fs.addDirectory("C:\\H\\hid", attr::kDirectory | attr::kHidden | attr::kSystem);
    fs.addFile("C:\\H\\hid\\in.tmp");

    walk("C:\\H", "*");
    ASSERT_EQ(matchedPaths(), (Paths{"C:\\H\\h.tmp", "C:\\H\\s.tmp", "C:\\H\\hid\\in.tmp"}));
    EXPECT_EQ(search.Matches()[0].Attr, attr::kHidden | attr::kArchive);
    EXPECT_EQ(search.Matches()[1].Attr, attr::kSystem | attr::kHidden | attr::kReadOnly);
}

TEST_F(Walker, FoldersAreNeverMatchesAndRecursionCanBeSwitchedOff) {
    fs.addFile("C:\\T\\old.tmp\\in.tmp");
    fs.addFile("C:\\T\\top.tmp");

    walk("C:\\T", "*.tmp");
    EXPECT_EQ(matchedPaths(), (Paths{"C:\\T\\old.tmp\\in.tmp", "C:\\T\\top.tmp"}));

    entered.clear();
    search.DoRecursive = false;
    walk("C:\\T", "*.tmp");
    EXPECT_EQ(matchedPaths(), (Paths{"C:\\T\\top.tmp"}));
    EXPECT_EQ(entered, (Paths{"C:\\T"}));
}

TEST_F(Walker, JunctionsAreNotFollowed) {
    // A junction inside a container can point anywhere; its target must stay untouched.
    fs.addDirectory("C:\\T\\link", attr::kDirectory | attr::kReparsePoint);
    fs.addFile("C:\\T\\link\\elsewhere.tmp");
    fs.addFile("C:\\T\\own.tmp");

    walk("C:\\T", "*.tmp");
    EXPECT_EQ(matchedPaths(), (Paths{"C:\\T\\own.tmp"}));
    EXPECT_EQ(entered, (Paths{"C:\\T"}));
}

TEST_F(Walker, FoldersThatCannotBeListedCountAsEmpty) {
    fs.addFile("C:\\T\\locked\\x.tmp");
    fs.addFile("C:\\T\\after.tmp");
    fs.setListable("C:\\T\\locked", false);

    walk("C:\\T", "*.tmp");
    EXPECT_EQ(matchedPaths(), (Paths{"C:\\T\\after.tmp"}));
    EXPECT_EQ(entered, (Paths{"C:\\T", "C:\\T\\locked"}));

    walk("C:\\missing", "*");
    walk("", "*");
    EXPECT_EQ(changedCalls, 3);
    EXPECT_EQ(changedTotals, Totals(0, 0));
    EXPECT_EQ(entered.back(), "");
}

TEST_F(Walker, InvalidMaskFailsBeforeAnyFolderIsVisited) {
    fs.addFile("C:\\T\\a.tmp", "a");
    walk("C:\\T", "*.tmp");
    ASSERT_EQ(search.CountFiles(), 1);
    const int listCalls = fs.listCalls();
    entered.clear();

    search.FileMask = "*.tmp, *.[";
    try {
        search.Execute();
        FAIL() << "the walk should have failed";
    } catch (const search::InvalidMask& e) {
        EXPECT_STREQ(e.what(), "'*.[' is an invalid mask at (4)");
    }
    EXPECT_TRUE(entered.empty());
    EXPECT_EQ(changedCalls, 1);
    EXPECT_EQ(fs.listCalls(), listCalls);
    EXPECT_EQ(search.CountFiles(), 0);
    EXPECT_EQ(search.SizeOfFiles(), 0);
    EXPECT_TRUE(search.Matches().empty());
}

TEST_F(Walker, EmptyMaskListMatchesNothingAndUpdateListOffKeepsNoRecords) {
    fs.addFile("C:\\T\\sub\\a.tmp", "12345");
    walk("C:\\T", "");
    EXPECT_TRUE(search.Matches().empty());
    EXPECT_EQ(entered, (Paths{"C:\\T", "C:\\T\\sub"}));

    search.UpdateList = false;
    walk("C:\\T", "*");
    EXPECT_TRUE(search.Matches().empty());
    EXPECT_EQ(changedTotals, Totals(1, 5));
}

TEST_F(Walker, SizesAndTotalsHoldFilesOfSeveralGigabytes) {
    const uint64_t threeGiB = 3ull << 30;
    fs.addFileOfSize("C:\\Big\\huge.tmp", threeGiB);
    fs.addFileOfSize("C:\\Big\\sub\\two.tmp", 2ull << 30);

    walk("C:\\Big", "*.tmp");
    ASSERT_EQ(search.Matches().size(), 2u);
    EXPECT_EQ(search.Matches()[0].Size, 3221225472);
    EXPECT_EQ(totalsOnEntry.back(), Totals(1, 3221225472));
    EXPECT_EQ(changedTotals, Totals(2, 5368709120));
}

TEST_F(Walker, TimeIsThePackedLocalTimeOfTheLastWrite) {
    const int64_t utc = timeutil::toFileTime(timeutil::toDateTime({2026, 12, 8, 11, 30, 41, 0}));
    fs.addFile("C:\\T\\a.tmp", "", attr::kArchive, utc);
    fs.addFile("C:\\T\\ancient.tmp", "", attr::kArchive, 0);  // 1601, before DOS dates begin
    clock.utcOffsetTicks = 3600LL * 10'000'000;               // one hour east

    walk("C:\\T", "*.tmp");
    ASSERT_EQ(search.Matches().size(), 2u);
    const uint32_t date = (2026 - 1980) << 9 | 12 << 5 | 8;
    const uint32_t time = 12 << 11 | 30 << 5 | 41 / 2;
    EXPECT_EQ(search.Matches()[0].Time, date << 16 | time);
    EXPECT_EQ(search.Matches()[0].LastWriteUtc, utc);
    EXPECT_EQ(search.Matches()[1].Time, uint32_t{(0 << 9 | 1 << 5 | 1) << 16});
}

// W: a.tmp, d1 (x.tmp, d2 (y.tmp, z.tmp), after.tmp, d3 (q.tmp)), last.tmp
class StoppingWalker : public Walker {
protected:
    void SetUp() override {
        Walker::SetUp();
        for (const char* path : {"C:\\W\\a.tmp", "C:\\W\\d1\\x.tmp", "C:\\W\\d1\\d2\\y.tmp", "C:\\W\\d1\\d2\\z.tmp",
                                 "C:\\W\\d1\\after.tmp", "C:\\W\\d1\\d3\\q.tmp", "C:\\W\\last.tmp"})
            fs.addFile(path, "1234");
        search.ScanDir = "C:\\W";
        search.FileMask = "*.tmp";
    }
};

TEST_F(StoppingWalker, HaltInADeepFolderUnwindsEveryLevel) {
    search.PumpIntervalMs = 0;
    ui.onPump = [this] {
        // The halt button, pressed once the walk has met y.tmp.
        if (search.CountFiles() == 3) search.Stop();
    };
    search.Execute();
    EXPECT_EQ(matchedPaths(), (Paths{"C:\\W\\a.tmp", "C:\\W\\d1\\x.tmp", "C:\\W\\d1\\d2\\y.tmp"}));
    EXPECT_EQ(entered, (Paths{"C:\\W", "C:\\W\\d1", "C:\\W\\d1\\d2"}));
    EXPECT_EQ(changedCalls, 1);
    EXPECT_EQ(changedTotals, Totals(3, 12));
}

TEST_F(StoppingWalker, StopFromOnProcessEndsTheWalk) {
    search.OnProcess = [this](TSearchFolders& sender, const std::string& dir, int64_t, int64_t) {
        entered.push_back(dir);
        if (dir == "C:\\W\\d1") sender.Stop();
    };
    search.Execute();
    EXPECT_EQ(matchedPaths(), (Paths{"C:\\W\\a.tmp"}));
    EXPECT_EQ(entered, (Paths{"C:\\W", "C:\\W\\d1"}));
    EXPECT_EQ(changedCalls, 1);
    EXPECT_EQ(changedTotals, Totals(1, 4));
}

TEST_F(StoppingWalker, StopBeforeExecuteDoesNotCarryOver) {
    search.Stop();
    search.Execute();
    EXPECT_EQ(search.CountFiles(), 7);
}

TEST_F(StoppingWalker, MessagesArePumpedByTimeOrWaitingInput) {
    search.Messages = false;
    search.PumpIntervalMs = 0;
    search.Execute();
    EXPECT_EQ(ui.pumpCount, 0);

    // At interval 0 every fetch of a next entry pumps: the four folders hold 18 entries,
    // the dots included.
    search.Messages = true;
    search.Execute();
    EXPECT_EQ(ui.pumpCount, 18);

    // Time standing still and no input: never.
    ui.pumpCount = 0;
    search.PumpIntervalMs = 15;
    search.Execute();
    EXPECT_EQ(ui.pumpCount, 0);

    // Waiting input is asked for once per clock tick.
    ui.pendingInput = true;
    search.Execute();
    EXPECT_EQ(ui.pumpCount, 0);
    clock.autoAdvanceMs = 1;
    search.Execute();
    EXPECT_EQ(ui.pumpCount, 18);

    // Time running at 5 ms per check: about every third entry.
    ui.pendingInput = false;
    ui.pumpCount = 0;
    clock.autoAdvanceMs = 5;
    search.Execute();
    EXPECT_NEAR(ui.pumpCount, 18 / 3, 1);
    EXPECT_EQ(search.CountFiles(), 7);
}

TEST_F(Walker, OnChangedMayStartTheNextWalk) {
    fs.addFile("C:\\A\\a.tmp", "a");
    fs.addFile("C:\\B\\b1.tmp", "bb");
    fs.addFile("C:\\B\\b2.tmp", "bb");
    std::vector<std::string> log;
    const std::string marker(64, 'm');  // held by the handler, outlives nothing it should not
    search.OnChanged = [&log, marker](TSearchFolders& s, int64_t count, int64_t) {
        log.push_back("end " + std::to_string(count) + " " + s.Matches()[0].Name);
        // The next task: a handler of its own, then the walk, as a chained run does.
        s.OnChanged = [&log](TSearchFolders&, int64_t next, int64_t) { log.push_back("next " + std::to_string(next)); };
        s.ScanDir = "C:\\B";
        s.Execute();
        log.push_back(marker.substr(0, 1));
    };
    walk("C:\\A", "*.tmp");
    EXPECT_EQ(log, (Paths{"end 1 a.tmp", "next 2", "m"}));
    EXPECT_EQ(matchedPaths(), (Paths{"C:\\B\\b1.tmp", "C:\\B\\b2.tmp"}));
    EXPECT_EQ(search.SizeOfFiles(), 4);
}

TEST_F(Walker, WalkStartedFromThePumpLeavesTheRunningWalkIntact) {
    fs.addFile("C:\\A\\s1\\a.tmp");
    fs.addFile("C:\\A\\s2\\b.tmp");
    fs.addFile("C:\\B\\c.tmp");
    search.PumpIntervalMs = 0;
    bool started = false;
    ui.onPump = [&] {
        if (started || entered.size() != 2) return;
        started = true;
        search.ScanDir = "C:\\B";
        search.FileMask = "*.none";
        search.Execute();
    };
    walk("C:\\A", "*.tmp");
    EXPECT_EQ(entered, (Paths{"C:\\A", "C:\\A\\s1", "C:\\B", "C:\\A\\s2"}));
    EXPECT_EQ(search.Matches().back().Folder, "C:\\A\\s2\\");
    EXPECT_EQ(changedCalls, 2);
}
