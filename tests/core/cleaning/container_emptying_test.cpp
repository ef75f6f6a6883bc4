#include "core/cleaning/container_emptying.h"

#include <gtest/gtest.h>

#include <string>

#include "core/cleaning/run_fixture.h"
#include "core/search/message_pump.h"

using namespace kefelo;
namespace attr = platform::attr;

namespace {

class ContainerEmptyingTest : public cleaningtest::RunTest {
protected:
    search::MessagePump pump{clock, ui, 0};
    cleaning::ContainerEmptying emptying{
        {fs, pump, Search, host, host, config, commandLine}, record, cleaning::EmptyingMode::CleaningRun};

    void SetUp() override { Search.Tag = app::Activity::Cleaning; }
};

// The system stores empty their folders: nothing is logged or collected, but the folders
// are emptied all the same, whatever page shows.
TEST_F(ContainerEmptyingTest, SystemStoresAreEmptiedWithoutLogOrCollection) {
    cleaning::ContainerEmptying stores{
        {fs, pump, Search, host, host, config, commandLine}, record, cleaning::EmptyingMode::SystemStores};
    host.page = 0;  // the cleaning page on screen changes nothing
    Search.Tag = app::Activity::SystemStores;
    fs.addFileOfSize("C:\\Store\\a.lnk", 10);
    fs.addFileOfSize("C:\\Store\\locked.lnk", 1, attr::kReadOnly);
    fs.setLocked("C:\\Store\\locked.lnk", true);
    fs.addFileOfSize("C:\\Store\\sub\\b.lnk", 20);
    record.currentContainerRoot = "C:\\Store";

    stores.emptyContainer("C:\\Store\\", "*.*", true);

    EXPECT_EQ(fs.namesIn("C:\\Store"), (std::vector<std::string>{"locked.lnk"}));
    EXPECT_EQ(attributesOf("C:\\Store\\locked.lnk"), attr::kReadOnly);
    EXPECT_TRUE(record.log.empty());
    EXPECT_TRUE(record.undeletable.empty());
    EXPECT_TRUE(record.batch.lines().empty());
    // Only the top level counts here.
    EXPECT_EQ(record.containerTotal, 10);
    EXPECT_EQ(record.deletedFiles, 1);
}

TEST_F(ContainerEmptyingTest, TheSameUndeletableFileIsListedOnceButBatchedEachTime) {
    fs.addFileOfSize("C:\\Temp\\l.tmp", 4);
    fs.setLocked("C:\\Temp\\l.tmp", true);

    emptying.emptyContainer("C:\\Temp\\", "*.*", false);
    emptying.emptyContainer("C:\\Temp\\", "*.*", false);

    EXPECT_EQ(record.undeletable, (std::vector<std::string>{"  C:\\Temp\\l.tmp  (4 bájt )"}));
    EXPECT_EQ(record.batch.lines(), (std::vector<std::string>{"del \"C:\\Temp\\l.tmp\"", "del \"C:\\Temp\\l.tmp\""}));
}

TEST_F(ContainerEmptyingTest, SubFolderEmptyingRemovesTheFolderButNeverTheContainerRoot) {
    fs.addFileOfSize("C:\\Upd\\KB1\\x.dll", 1);
    fs.addDirectory("C:\\Upd\\KB2");
    record.currentContainerRoot = "C:\\Upd\\KB2";

    emptying.emptySubFolder("C:\\Upd\\KB1\\");
    emptying.emptySubFolder("C:\\Upd\\KB2");

    EXPECT_FALSE(fs.exists("C:\\Upd\\KB1"));
    EXPECT_TRUE(fs.exists("C:\\Upd\\KB2"));
    EXPECT_EQ(record.log.lines(), (std::vector<std::string>{"C:\\Upd\\KB1\\x.dll  (1 bájt )",
                                                            "(C:\\Upd\\KB1 könyvtár eltávolítva.)"}));
}

}  // namespace
