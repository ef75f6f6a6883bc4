#include <gtest/gtest.h>

#include "config_files_fixture.h"
#include "core/config/list_file.h"
#include "base/text/codec.h"
#include "base/time/datetime.h"

using namespace kefelo;
using config::Mark;

namespace {

config::ListFileRows parse(std::string_view bytes) { return config::parseListFile(text::decodeLines(bytes)); }

std::vector<std::string> paths(const config::ContainerGrid& grid) {
    std::vector<std::string> out;
    for (const auto& row : grid.rows) out.push_back(row.path);
    return out;
}

std::vector<std::string> locations(const config::TaskGrid& grid) {
    std::vector<std::string> out;
    for (const auto& row : grid.rows) out.push_back(row.location + "|" + row.masks);
    return out;
}

}  // namespace

TEST(ListFileParse, SectionsAreSplitByAnyLineShorterThanTwoCharacters) {
    // Only containers: no "*" needed.
    auto only = parse("|C:\\WINDOWS\\TEMP\r\nD:\\Cache\r\n");
    EXPECT_EQ(paths(only.containers), (std::vector<std::string>{"C:\\WINDOWS\\TEMP", "D:\\Cache"}));
    EXPECT_EQ(only.containers.rows[0].mark, Mark::Active);
    EXPECT_EQ(only.containers.rows[1].mark, Mark::Inactive);
    EXPECT_EQ(only.tasks.rows.size(), 1u);
    EXPECT_TRUE(only.tasks.rows[0].location.empty());

    // "*" first: no containers, and the grid keeps its one blank row.
    auto starFirst = parse("*\r\nC:\\Munka>*.TMP\r\n");
    EXPECT_EQ(paths(starFirst.containers), (std::vector<std::string>{""}));
    EXPECT_EQ(locations(starFirst.tasks), (std::vector<std::string>{"C:\\Munka|*.TMP"}));

    // An empty line, a single letter or a lone accented letter end the containers too;
    // mixed line ends are all accepted.
    for (const char* separator : {"\r\n", "x", "\xF5"}) {
        SCOPED_TRACE(separator);
        auto split = parse(std::string("C:\\A\nC:\\B\r") + separator + "\rC:\\C>*.BAK\r\nC:\\D>*.OLD");
        EXPECT_EQ(paths(split.containers), (std::vector<std::string>{"C:\\A", "C:\\B"}));
        EXPECT_EQ(locations(split.tasks), (std::vector<std::string>{"C:\\C|*.BAK", "C:\\D|*.OLD"}));
    }
    // Two characters are a container already, even when one is a bar.
    EXPECT_EQ(paths(parse("|Q\r\n\xF5x\r\n").containers), (std::vector<std::string>{"Q", "őx"}));
}

TEST(ListFileParse, TaskLinesSplitAtTheFirstGreaterThanSign) {
    auto rows = parse("*\r\n|C:\\Munka>*.TMP|*.~*\r\nnoarrow\r\nC:\\X>a>b\r\n");
    ASSERT_EQ(rows.tasks.rows.size(), 3u);
    EXPECT_EQ(rows.tasks.rows[0].location, "C:\\Munka");
    EXPECT_EQ(rows.tasks.rows[0].masks, "*.TMP|*.~*");
    EXPECT_EQ(rows.tasks.rows[0].mark, Mark::Active);
    EXPECT_EQ(rows.tasks.rows[1].location, "");
    EXPECT_EQ(rows.tasks.rows[1].masks, "noarrow");
    EXPECT_EQ(rows.tasks.rows[2].location, "C:\\X");
    EXPECT_EQ(rows.tasks.rows[2].masks, "a>b");
    EXPECT_EQ(rows.tasks.rows[2].mark, Mark::Inactive);
}

TEST(ListFileParse, TrailingTaskWithoutLocationIsDroppedUnlessItIsTheOnlyRow) {
    auto dropped = parse("*\r\nC:\\A>*.TMP\r\n|>*.BAK\r\n");
    EXPECT_EQ(locations(dropped.tasks), (std::vector<std::string>{"C:\\A|*.TMP"}));

    auto only = parse("*\r\n|>*.BAK\r\n");
    ASSERT_EQ(only.tasks.rows.size(), 1u);
    EXPECT_EQ(only.tasks.rows[0].location, "");
    EXPECT_EQ(only.tasks.rows[0].masks, "*.BAK");

    // In the middle it stays; only the last row is looked at.
    auto middle = parse("*\r\n|>*.BAK\r\nC:\\A>*.TMP\r\n");
    EXPECT_EQ(locations(middle.tasks), (std::vector<std::string>{"|*.BAK", "C:\\A|*.TMP"}));
}

TEST(ListFileFormat, WritesMarksSectionsAndSkipsWhatCannotBeReadBack) {
    config::ContainerGrid containers;
    containers.rows = {{Mark::Active, "x", "C:\\WINDOWS\\TEMP"},
                       {Mark::Inactive, "x", "D:\\Cache"},
                       {Mark::None, "0", "E:\\Gone"},
                       {Mark::None, "", ""},
                       {Mark::Inactive, "", "Q"}};  // one character: would end the section
    config::TaskGrid tasks;
    tasks.rows = {{Mark::None, "", "*.OLD"},
                  {Mark::None, "", ""},
                  {Mark::Active, "C:\\Munka", "*.TMP"},
                  {Mark::None, "", "*.X"}};  // after the last location: would drop on reading
    EXPECT_EQ(
        config::formatListFile(containers, tasks),
        (std::vector<std::string>{"|C:\\WINDOWS\\TEMP", "D:\\Cache", "E:\\Gone", "*", ">*.OLD", "|C:\\Munka>*.TMP"}));

    // No located task: no task section at all.
    config::TaskGrid blank;
    blank.rows = {{Mark::None, "", "*.OLD"}};
    EXPECT_EQ(config::formatListFile(containers, blank).back(), "E:\\Gone");
    EXPECT_TRUE(config::formatListFile(config::ContainerGrid{}, config::TaskGrid{}).empty());
}

using ListFileLoad = cfgtest::ConfigFilesTest;

TEST_F(ListFileLoad, MarksFollowTheDiskAndContainersShowTheirLocalDate) {
    // 2026-12-08 23:30 UTC; two hours east of UTC it is already the 9th.
    const int64_t lateEvening = timeutil::toFileTime(timeutil::toDateTime({2026, 12, 8, 23, 30}));
    clock.utcOffsetTicks = 2LL * 3600 * 10'000'000;
    fs.addDirectory("C:\\WINDOWS\\TEMP", platform::attr::kDirectory, lateEvening);
    fs.addDirectory("D:\\Cache", platform::attr::kDirectory, lateEvening);
    fs.addDirectory("C:\\Munka");
    fs.addFile(at("konyvtarak.lst"),
               "|C:\\WINDOWS\\TEMP\r\nD:\\Cache\r\n|E:\\Gone\r\n*\r\n|C:\\Munka>*.TMP\r\nC:\\Munka>*.BAK\r\n"
               "|C:\\Nincs>*.OLD\r\nC:\\Nincs>*.~*\r\n");
    sys.shortDate = "yyyy. MM. dd.";
    auto model = load();

    const auto& c = model.list_temps.rows;
    ASSERT_EQ(c.size(), 3u);
    EXPECT_EQ(c[0].mark, Mark::Active);
    EXPECT_EQ(c[0].modified, "2026. 12. 09.");
    EXPECT_EQ(c[1].mark, Mark::Inactive);
    EXPECT_EQ(c[2].mark, Mark::None);  // an active container whose folder is gone
    EXPECT_EQ(c[2].modified, "0");
    EXPECT_EQ(c[2].path, "E:\\Gone");
    EXPECT_GE(ui.pumpCount, 3);

    const auto& t = model.list_projects.rows;
    ASSERT_EQ(t.size(), 4u);
    EXPECT_EQ(t[0].mark, Mark::Active);
    EXPECT_EQ(t[1].mark, Mark::Inactive);
    EXPECT_EQ(t[2].mark, Mark::None);
    EXPECT_EQ(t[3].mark, Mark::None);
    EXPECT_FALSE(model.firstRunScreen);
}

TEST_F(ListFileLoad, DateFormatFollowsTheRegionalSettings) {
    fs.addDirectory("C:\\Temp", platform::attr::kDirectory,
                    timeutil::toFileTime(timeutil::toDateTime({2025, 3, 7, 10, 0})));
    fs.addFile(at("konyvtarak.lst"), "C:\\Temp\r\n");
    sys.shortDate = "M/d/yyyy";
    EXPECT_EQ(load().list_temps.rows[0].modified, "3/7/2025");
}

TEST_F(ListFileLoad, UnreadableFileLeavesBothListsBlankWithoutAMessage) {
    fs.addFile(at("konyvtarak.lst"), "C:\\Temp\r\n*\r\nC:\\A>*.TMP\r\n");
    fs.setLocked(at("konyvtarak.lst"), true);
    auto locked = load();
    ASSERT_EQ(locked.list_temps.rows.size(), 1u);
    EXPECT_TRUE(locked.list_temps.rows[0].path.empty());
    ASSERT_EQ(locked.list_projects.rows.size(), 1u);
    EXPECT_TRUE(locked.list_projects.rows[0].location.empty());
    EXPECT_TRUE(locked.listFileUnreadable);
    EXPECT_TRUE(ui.messages.empty());
    fs.setLocked(at("konyvtarak.lst"), false);
    EXPECT_FALSE(load().listFileUnreadable);
}

TEST_F(ListFileLoad, FirstRunScreenOnlyWithoutBothFiles) {
    EXPECT_TRUE(load().firstRunScreen);
    fs.addFile(at("vedettek.lst"), "a.b\r\n");
    EXPECT_TRUE(load().firstRunScreen);
    fs.addFile(at("beallitasok.cfg"), "short");  // unreadable, but it exists
    EXPECT_FALSE(load().firstRunScreen);
}

TEST_F(ListFileLoad, ProtectedNamesComeFromTheFileOrTheDefaults) {
    auto fresh = load();
    EXPECT_EQ(fresh.list_protectfiles.items, (std::vector<std::string>{"data.bak", "opa11.bak", "readme.txt"}));

    fs.addFile(at("vedettek.lst"), text::utf8ToCp1250("árvíz.txt\rx\n\r\nlast"));
    EXPECT_EQ(load().list_protectfiles.items, (std::vector<std::string>{"árvíz.txt", "x", "", "last"}));

    // Unreadable: the file is marked to be left alone (the window tells the user), and the
    // session still spares the usual names.
    fs.setLocked(at("vedettek.lst"), true);
    auto failed = load();
    EXPECT_EQ(failed.list_protectfiles.items, fresh.list_protectfiles.items);
    EXPECT_TRUE(failed.protectedFileUnreadable);
    EXPECT_FALSE(failed.listFileUnreadable);
    EXPECT_TRUE(ui.messages.empty());
}
