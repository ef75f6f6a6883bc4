// What every FileSystem must do, checked against the fake natively and against the real
// Windows calls under Wine, so that core tests on the fake mean something on Windows.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <vector>

#include "base/text/codec.h"
#include "base/time/datetime.h"
#include "platform/contract_env.h"

using namespace kefelo;
using platform::attr::kArchive;
using platform::attr::kDirectory;
using platform::attr::kHidden;
using platform::attr::kNormal;
using platform::attr::kReadOnly;
using platform::attr::kSystem;

namespace {

class FileSystemContract : public ::testing::Test {
protected:
    std::unique_ptr<contract::ContractEnv> env = contract::makeContractEnv();
    platform::FileSystem& fs = env->fs();
    std::string root = env->root();

    std::string at(const std::string& name) const { return root + "\\" + name; }

    std::vector<platform::DirEntry> listAll(const std::string& pattern) {
        std::vector<platform::DirEntry> out;
        auto listing = fs.list(pattern);
        if (!listing) {
            ADD_FAILURE() << "cannot list " << pattern << ", error " << fs.lastError();
            return out;
        }
        platform::DirEntry e;
        while (listing->next(e)) out.push_back(e);
        return out;
    }
    std::vector<std::string> namesOf(const std::vector<platform::DirEntry>& entries) {
        std::vector<std::string> names;
        for (const auto& e : entries) names.push_back(e.name);
        return names;
    }
    // Names as a sorted list, for comparisons that must not depend on the volume's order.
    std::vector<std::string> sortedNames(const std::string& pattern) {
        auto names = namesOf(listAll(pattern));
        std::sort(names.begin(), names.end());
        return names;
    }
};

TEST_F(FileSystemContract, ListingReportsEveryEntryOnceWithDotsFirst) {
    env->makeFile(at("a.txt"), "hello");
    env->makeFile(at("Árvíztűrő.TMP"), "");
    ASSERT_TRUE(fs.createDirectory(at("sub")));

    auto entries = listAll(root + "\\*.*");
    ASSERT_EQ(entries.size(), 5u);
    EXPECT_EQ(entries[0].name, ".");
    EXPECT_EQ(entries[1].name, "..");
    EXPECT_TRUE(entries[0].attributes & kDirectory);
    EXPECT_TRUE(entries[1].attributes & kDirectory);

    std::map<std::string, platform::DirEntry> byName;
    for (const auto& e : entries) EXPECT_TRUE(byName.emplace(e.name, e).second) << e.name << " reported twice";
    ASSERT_TRUE(byName.count("a.txt"));
    ASSERT_TRUE(byName.count("Árvíztűrő.TMP"));
    ASSERT_TRUE(byName.count("sub"));
    EXPECT_EQ(byName["a.txt"].size, 5u);
    EXPECT_FALSE(byName["a.txt"].attributes & kDirectory);
    EXPECT_TRUE(byName["sub"].attributes & kDirectory);
    EXPECT_EQ(byName["sub"].size, 0u);
    // Stamped in this century: the FILETIME epoch and units are handled right.
    EXPECT_GT(timeutil::fromFileTime(byName["a.txt"].lastWriteUtc), timeutil::toDateTime({2020, 1, 1}));

    EXPECT_EQ(sortedNames(root + "\\*"), sortedNames(root + "\\*.*"));
}

TEST_F(FileSystemContract, ListingFiltersByMaskAndTellsMissingFromEmpty) {
    env->makeFile(at("one.txt"), "");
    env->makeFile(at("two.log"), "");
    ASSERT_TRUE(fs.createDirectory(at("empty")));

    EXPECT_EQ(namesOf(listAll(root + "\\*.TXT")), std::vector<std::string>{"one.txt"});
    EXPECT_TRUE(namesOf(listAll(root + "\\*.none")).empty());
    EXPECT_EQ(sortedNames(at("empty") + "\\*.*"), (std::vector<std::string>{".", ".."}));

    EXPECT_EQ(fs.list(at("missing") + "\\*.*"), nullptr);
    EXPECT_EQ(fs.lastError(), 3u);
    EXPECT_EQ(fs.list(at("missing\\deeper") + "\\*.*"), nullptr);
    EXPECT_EQ(fs.lastError(), 3u);
}

TEST_F(FileSystemContract, DriveRootListsNoDotEntries) {
    std::string driveRoot = root.substr(0, 3);
    for (const auto& name : namesOf(listAll(driveRoot + "*.*"))) {
        EXPECT_NE(name, ".");
        EXPECT_NE(name, "..");
    }
}

TEST_F(FileSystemContract, AttributesStickAndShowInListingAndFind) {
    env->makeFile(at("f.dat"), "x");
    ASSERT_TRUE(fs.setAttributes(at("f.dat"), kHidden | kSystem | kArchive));
    EXPECT_EQ(fs.getAttributes(at("f.dat")), kHidden | kSystem | kArchive);
    auto found = fs.find(at("f.dat"));
    ASSERT_TRUE(found);
    EXPECT_EQ(found->attributes & (kHidden | kSystem), kHidden | kSystem);
    for (const auto& e : listAll(root + "\\*.*")) {
        if (e.name == "f.dat") {
            EXPECT_EQ(e.attributes & (kHidden | kSystem), kHidden | kSystem);
        }
    }

    // Clearing takes every bit away (Windows then reports "normal", Wine "archive");
    // a folder keeps its directory bit.
    ASSERT_TRUE(fs.setAttributes(at("f.dat"), 0));
    EXPECT_EQ(fs.getAttributes(at("f.dat")).value_or(kHidden) & (kReadOnly | kHidden | kSystem), 0u);
    ASSERT_TRUE(fs.createDirectory(at("d")));
    ASSERT_TRUE(fs.setAttributes(at("d"), kHidden));
    EXPECT_EQ(fs.getAttributes(at("d")), kHidden | kDirectory);

    EXPECT_FALSE(fs.getAttributes(at("nothing.txt")));
    EXPECT_EQ(fs.lastError(), 2u);
    EXPECT_FALSE(fs.getAttributes(at("no folder\\nothing.txt")));
    EXPECT_EQ(fs.lastError(), 3u);
    EXPECT_FALSE(fs.setAttributes(at("nothing.txt"), 0));
    EXPECT_EQ(fs.lastError(), 2u);
}

TEST_F(FileSystemContract, ExistenceTellsFilesFromFolders) {
    env->makeFile(at("f.txt"), "");
    ASSERT_TRUE(fs.createDirectory(at("d")));
    EXPECT_TRUE(fs.fileExists(at("f.txt")));
    EXPECT_FALSE(fs.directoryExists(at("f.txt")));
    EXPECT_TRUE(fs.directoryExists(at("d")));
    EXPECT_TRUE(fs.directoryExists(at("d") + "\\"));
    EXPECT_FALSE(fs.fileExists(at("d")));
    EXPECT_TRUE(fs.directoryExists(root.substr(0, 3)));
    EXPECT_FALSE(fs.fileExists(at("none")));
    EXPECT_FALSE(fs.directoryExists(at("none")));
    // Letter case does not matter, accented letters included.
    env->makeFile(at("Ősz.txt"), "");
    EXPECT_TRUE(fs.fileExists(at("ŐSZ.TXT")));
    EXPECT_TRUE(fs.fileExists(at("ősz.txt")));
}

TEST_F(FileSystemContract, ReadOnlyFileCannotBeDeletedUntilCleared) {
    env->makeFile(at("ro.txt"), "keep");
    ASSERT_TRUE(fs.setAttributes(at("ro.txt"), kReadOnly));
    EXPECT_FALSE(fs.deleteFile(at("ro.txt")));
    EXPECT_EQ(fs.lastError(), 5u);
    EXPECT_TRUE(fs.fileExists(at("ro.txt")));

    ASSERT_TRUE(fs.setAttributes(at("ro.txt"), kNormal));
    EXPECT_TRUE(fs.deleteFile(at("ro.txt")));
    EXPECT_FALSE(fs.fileExists(at("ro.txt")));

    EXPECT_FALSE(fs.deleteFile(at("ro.txt")));
    EXPECT_EQ(fs.lastError(), 2u);
}

TEST_F(FileSystemContract, LockedFileRefusesDeleteMoveReadAndReplace) {
    env->makeFile(at("busy.txt"), "old");
    env->lock(at("busy.txt"));
    EXPECT_FALSE(fs.deleteFile(at("busy.txt")));
    EXPECT_EQ(fs.lastError(), 32u);
    EXPECT_FALSE(fs.moveFile(at("busy.txt"), at("moved.txt")));
    EXPECT_EQ(fs.lastError(), 32u);
    EXPECT_FALSE(fs.readFile(at("busy.txt")));
    EXPECT_EQ(fs.lastError(), 32u);
    // A rename over an open file is refused as access denied, not as a sharing violation.
    EXPECT_FALSE(fs.writeFileAtomic(at("busy.txt"), "new"));
    EXPECT_EQ(fs.lastError(), 5u);
    // Clearing attributes before a delete still works on a file in use.
    EXPECT_TRUE(fs.setAttributes(at("busy.txt"), kNormal));

    env->unlock(at("busy.txt"));
    EXPECT_EQ(fs.readFile(at("busy.txt")), "old");
    EXPECT_FALSE(fs.fileExists(at("moved.txt")));
    EXPECT_TRUE(fs.deleteFile(at("busy.txt")));
}

TEST_F(FileSystemContract, FoldersAreCreatedAndRemovedOnlyWhenEmpty) {
    ASSERT_TRUE(fs.createDirectory(at("d")));
    EXPECT_FALSE(fs.createDirectory(at("d")));
    EXPECT_EQ(fs.lastError(), 183u);
    EXPECT_FALSE(fs.createDirectory(at("no\\such")));
    EXPECT_EQ(fs.lastError(), 3u);

    env->makeFile(at("d\\inner.txt"), "");
    EXPECT_FALSE(fs.removeDirectory(at("d")));
    EXPECT_EQ(fs.lastError(), 145u);
    EXPECT_FALSE(fs.deleteFile(at("d")));
    EXPECT_EQ(fs.lastError(), 5u);
    EXPECT_FALSE(fs.removeDirectory(at("d\\inner.txt")));
    EXPECT_TRUE(fs.fileExists(at("d\\inner.txt")));

    ASSERT_TRUE(fs.deleteFile(at("d\\inner.txt")));
    EXPECT_TRUE(fs.removeDirectory(at("d")));
    EXPECT_FALSE(fs.directoryExists(at("d")));
    EXPECT_FALSE(fs.removeDirectory(at("d")));
    EXPECT_EQ(fs.lastError(), 2u);
}

TEST_F(FileSystemContract, MoveRenamesFilesAndFolders) {
    env->makeFile(at("a.txt"), "A");
    env->makeFile(at("b.txt"), "B");
    ASSERT_TRUE(fs.createDirectory(at("sub")));

    ASSERT_TRUE(fs.moveFile(at("a.txt"), at("sub\\renamed.txt")));
    EXPECT_FALSE(fs.fileExists(at("a.txt")));
    EXPECT_EQ(fs.readFile(at("sub\\renamed.txt")), "A");

    EXPECT_FALSE(fs.moveFile(at("b.txt"), at("sub\\renamed.txt")));
    EXPECT_EQ(fs.lastError(), 183u);
    EXPECT_EQ(fs.readFile(at("sub\\renamed.txt")), "A");
    EXPECT_FALSE(fs.moveFile(at("gone.txt"), at("x.txt")));
    EXPECT_EQ(fs.lastError(), 2u);
    EXPECT_FALSE(fs.moveFile(at("b.txt"), at("no such\\b.txt")));
    EXPECT_EQ(fs.lastError(), 3u);

    ASSERT_TRUE(fs.moveFile(at("sub"), at("Mappa")));
    EXPECT_EQ(fs.readFile(at("Mappa\\renamed.txt")), "A");
    EXPECT_FALSE(fs.directoryExists(at("sub")));

    // A change of letter case alone is no clash with an existing file. (Windows shows the
    // new case afterwards; Wine keeps the old one, so the name is not compared.)
    ASSERT_TRUE(fs.moveFile(at("b.txt"), at("B.TXT")));
    EXPECT_EQ(fs.readFile(at("b.txt")), "B");
}

TEST_F(FileSystemContract, CopyKeepsBytesAndAttributesAndHonoursFailIfExists) {
    env->makeFile(at("src.bin"), std::string("a\0b\r\n", 5));
    env->makeFile(at("dst.bin"), "old");
    ASSERT_TRUE(fs.setAttributes(at("src.bin"), kHidden | kArchive));

    EXPECT_FALSE(fs.copyFile(at("src.bin"), at("dst.bin"), true));
    EXPECT_EQ(fs.lastError(), 80u);
    EXPECT_EQ(fs.readFile(at("dst.bin")), "old");

    ASSERT_TRUE(fs.copyFile(at("src.bin"), at("dst.bin"), false));
    EXPECT_EQ(fs.readFile(at("dst.bin")), std::string("a\0b\r\n", 5));
    ASSERT_TRUE(fs.copyFile(at("src.bin"), at("new.bin"), true));
    EXPECT_EQ(fs.getAttributes(at("new.bin")).value_or(0) & kHidden, kHidden);
    EXPECT_EQ(fs.readFile(at("src.bin")), std::string("a\0b\r\n", 5));

    // Protected targets are not overwritten.
    ASSERT_TRUE(fs.setAttributes(at("dst.bin"), kReadOnly));
    EXPECT_FALSE(fs.copyFile(at("src.bin"), at("dst.bin"), false));
    EXPECT_EQ(fs.lastError(), 5u);
    ASSERT_TRUE(fs.setAttributes(at("dst.bin"), kHidden));
    EXPECT_FALSE(fs.copyFile(at("src.bin"), at("dst.bin"), false));
    EXPECT_EQ(fs.lastError(), 5u);
    ASSERT_TRUE(fs.setAttributes(at("dst.bin"), kNormal));
    EXPECT_FALSE(fs.copyFile(at("dst.bin"), at("dst.bin"), false));
    EXPECT_EQ(fs.lastError(), 32u);

    EXPECT_FALSE(fs.copyFile(at("none.bin"), at("x.bin"), false));
    EXPECT_EQ(fs.lastError(), 2u);
    EXPECT_FALSE(fs.fileExists(at("x.bin")));
}

TEST_F(FileSystemContract, AtomicWriteReplacesWholeContentAndLeavesNothingBeside) {
    ASSERT_TRUE(fs.writeFileAtomic(at("list.lst"), "first version, long\r\n"));
    EXPECT_EQ(fs.readFile(at("list.lst")), "first version, long\r\n");
    ASSERT_TRUE(fs.writeFileAtomic(at("list.lst"), std::string("\xF5\0x", 3)));
    EXPECT_EQ(fs.readFile(at("list.lst")), std::string("\xF5\0x", 3));
    ASSERT_TRUE(fs.writeFileAtomic(at("empty.lst"), ""));
    EXPECT_EQ(fs.readFile(at("empty.lst")), "");
    EXPECT_EQ(sortedNames(root + "\\*.*"), (std::vector<std::string>{".", "..", "empty.lst", "list.lst"}));

    EXPECT_FALSE(fs.writeFileAtomic(at("missing\\x.lst"), "x"));
    EXPECT_EQ(fs.lastError(), 3u);
}

TEST_F(FileSystemContract, AtomicWriteRefusesReadOnlyTargetAndKeepsIt) {
    env->makeFile(at("cfg.bin"), "settings");
    ASSERT_TRUE(fs.setAttributes(at("cfg.bin"), kReadOnly));
    EXPECT_FALSE(fs.writeFileAtomic(at("cfg.bin"), "other"));
    EXPECT_EQ(fs.lastError(), 5u);
    EXPECT_EQ(fs.readFile(at("cfg.bin")), "settings");
    EXPECT_EQ(sortedNames(root + "\\*.*"), (std::vector<std::string>{".", "..", "cfg.bin"}));

    ASSERT_TRUE(fs.setAttributes(at("cfg.bin"), kNormal));
    EXPECT_TRUE(fs.writeFileAtomic(at("cfg.bin"), "other"));
    EXPECT_EQ(fs.readFile(at("cfg.bin")), "other");
}

TEST_F(FileSystemContract, PiecewiseWriteShowsOnlyWhenCommittedAndLeavesNothingWhenDropped) {
    env->makeFile(at("new.zip"), "old archive");
    {
        auto writer = fs.beginAtomicWrite(at("new.zip"));
        ASSERT_TRUE(writer);
        ASSERT_TRUE(writer->write("first piece, "));
        ASSERT_TRUE(writer->write(std::string("\0second", 7)));
        // Until the commit the target is the old file and the new bytes lie beside it.
        EXPECT_EQ(fs.readFile(at("new.zip")), "old archive");
        EXPECT_EQ(listAll(root + "\\*.*").size(), 4u);
        ASSERT_TRUE(writer->commit());
        EXPECT_FALSE(writer->commit());
    }
    EXPECT_EQ(fs.readFile(at("new.zip")), std::string("first piece, \0second", 20));
    EXPECT_EQ(sortedNames(root + "\\*.*"), (std::vector<std::string>{".", "..", "new.zip"}));

    {
        auto writer = fs.beginAtomicWrite(at("new.zip"));
        ASSERT_TRUE(writer);
        ASSERT_TRUE(writer->write("never wanted"));
    }
    EXPECT_EQ(fs.readFile(at("new.zip")), std::string("first piece, \0second", 20));
    EXPECT_EQ(sortedNames(root + "\\*.*"), (std::vector<std::string>{".", "..", "new.zip"}));
}

TEST_F(FileSystemContract, PiecewiseWriteRefusesAMissingFolderAndAReadOnlyTarget) {
    EXPECT_FALSE(fs.beginAtomicWrite(at("missing\\new.zip")));
    EXPECT_EQ(fs.lastError(), 3u);

    env->makeFile(at("kept.zip"), "kept");
    ASSERT_TRUE(fs.setAttributes(at("kept.zip"), kReadOnly));
    EXPECT_FALSE(fs.beginAtomicWrite(at("kept.zip")));
    EXPECT_EQ(fs.lastError(), 5u);

    // Protected while the bytes were on their way: the commit refuses, nothing is left beside.
    ASSERT_TRUE(fs.setAttributes(at("kept.zip"), kNormal));
    auto writer = fs.beginAtomicWrite(at("kept.zip"));
    ASSERT_TRUE(writer);
    ASSERT_TRUE(writer->write("other"));
    ASSERT_TRUE(fs.setAttributes(at("kept.zip"), kReadOnly));
    EXPECT_FALSE(writer->commit());
    EXPECT_EQ(fs.lastError(), 5u);
    EXPECT_EQ(fs.readFile(at("kept.zip")), "kept");
    EXPECT_EQ(sortedNames(root + "\\*.*"), (std::vector<std::string>{".", "..", "kept.zip"}));
    ASSERT_TRUE(fs.setAttributes(at("kept.zip"), kNormal));
}

TEST_F(FileSystemContract, ReadingFailsForMissingFilesAndFolders) {
    EXPECT_FALSE(fs.readFile(at("missing.txt")));
    EXPECT_EQ(fs.lastError(), 2u);
    EXPECT_FALSE(fs.readFile(at("no dir\\missing.txt")));
    EXPECT_EQ(fs.lastError(), 3u);
    ASSERT_TRUE(fs.createDirectory(at("d")));
    EXPECT_FALSE(fs.readFile(at("d")));
}

TEST_F(FileSystemContract, SizesAreSixtyFourBit) {
    const uint64_t size = 3ull << 30;  // 3 GiB
    env->makeBigFile(at("big.iso"), size);
    auto found = fs.find(at("big.iso"));
    ASSERT_TRUE(found);
    EXPECT_EQ(found->size, size);
    for (const auto& e : listAll(root + "\\*.*")) {
        if (e.name == "big.iso") {
            EXPECT_EQ(e.size, size);
        }
    }
    // A whole-file read refuses it instead of trying to hold 3 GiB.
    EXPECT_FALSE(fs.readFile(at("big.iso")));
    EXPECT_EQ(fs.lastError(), 8u);
}

TEST_F(FileSystemContract, FindReportsTheStoredNameAndAttributes) {
    env->makeFile(at("Árvíztűrő Tükör.TXT"), "12345678");
    auto found = fs.find(at("árvíztűrő tükör.txt"));
    ASSERT_TRUE(found);
    EXPECT_EQ(found->name, "Árvíztűrő Tükör.TXT");
    EXPECT_EQ(found->size, 8u);
    EXPECT_TRUE(found->attributes & kArchive);

    ASSERT_TRUE(fs.createDirectory(at("Mappa")));
    auto dir = fs.find(at("MAPPA"));
    ASSERT_TRUE(dir);
    EXPECT_EQ(dir->name, "Mappa");
    EXPECT_TRUE(dir->attributes & kDirectory);

    EXPECT_FALSE(fs.find(at("nincs.txt")));
    EXPECT_EQ(fs.lastError(), 2u);
}

TEST_F(FileSystemContract, AnyNameCanBeWrittenListedAndDeleted) {
    const std::vector<std::string> names = {"Árvíztűrő tükörfúrógép.txt",   "ŐŰ őű.TMP", "mosoly \xF0\x9F\x98\x80.txt",
                                            "\xE6\x97\xA5\xE6\x9C\xAC.doc", "a.b.c.txt", "~$lock.docx"};
    for (const auto& name : names) ASSERT_TRUE(fs.writeFileAtomic(at(name), name)) << name;
    auto listed = sortedNames(root + "\\*.*");
    for (const auto& name : names) {
        EXPECT_EQ(std::count(listed.begin(), listed.end(), name), 1) << name;
        EXPECT_EQ(fs.readFile(at(name)), name);
        EXPECT_TRUE(fs.deleteFile(at(name))) << name;
    }
    EXPECT_EQ(sortedNames(root + "\\*.*"), (std::vector<std::string>{".", ".."}));
}

TEST_F(FileSystemContract, PathsLongerThanTheOldLimitWork) {
    std::string dir = root;
    const std::string segment(40, 'm');
    while (dir.size() < 300) {
        dir += "\\" + segment;
        ASSERT_TRUE(fs.createDirectory(dir)) << dir.size() << " error " << fs.lastError();
    }
    const std::string file = dir + "\\mély.txt";
    ASSERT_TRUE(fs.writeFileAtomic(file, "deep"));
    EXPECT_EQ(fs.readFile(file), "deep");
    EXPECT_TRUE(fs.fileExists(file));
    EXPECT_EQ(sortedNames(dir + "\\*.*"), (std::vector<std::string>{".", "..", "mély.txt"}));
    ASSERT_TRUE(fs.setAttributes(file, kReadOnly));
    EXPECT_FALSE(fs.deleteFile(file));
    ASSERT_TRUE(fs.setAttributes(file, kNormal));
    EXPECT_TRUE(fs.deleteFile(file));
    while (dir != root) {
        ASSERT_TRUE(fs.removeDirectory(dir)) << fs.lastError();
        dir.resize(dir.find_last_of('\\'));
    }
}

TEST_F(FileSystemContract, ShortPathUsesTheAliasAndFallsBackToTheInput) {
    ASSERT_TRUE(fs.createDirectory(at("Hosszú mappanév")));
    const std::string longPath = at("Hosszú mappanév\\hosszú állománynév.text");
    env->makeFile(longPath, "x");
    env->provideShortName(at("Hosszú mappanév"));
    env->provideShortName(longPath);

    std::string shortened = fs.shortPath(longPath);
    ASSERT_NE(shortened, longPath);
    std::string alias = shortened.substr(shortened.find_last_of('\\') + 1);
    EXPECT_LE(alias.size(), 12u);
    EXPECT_EQ(alias.find(' '), std::string::npos);
    auto viaAlias = fs.find(shortened);
    ASSERT_TRUE(viaAlias) << shortened;
    EXPECT_EQ(viaAlias->name, "hosszú állománynév.text");
    EXPECT_TRUE(text::equalsNoCase(fs.find(longPath)->shortName, alias));

    EXPECT_EQ(fs.shortPath(at("nincs ilyen állomány.txt")), at("nincs ilyen állomány.txt"));
}

TEST_F(FileSystemContract, CurrentDirectoryResolvesRelativePaths) {
    std::string before = fs.currentDirectory();
    ASSERT_TRUE(fs.createDirectory(at("cwd")));
    env->makeFile(at("cwd\\here.txt"), "h");
    ASSERT_TRUE(fs.setCurrentDirectory(at("cwd")));
    EXPECT_TRUE(text::equalsNoCase(fs.currentDirectory(), at("cwd")));
    EXPECT_TRUE(fs.fileExists("here.txt"));
    EXPECT_EQ(fs.readFile("..\\cwd\\here.txt"), "h");

    EXPECT_FALSE(fs.setCurrentDirectory(at("nowhere")));
    EXPECT_EQ(fs.lastError(), 2u);
    EXPECT_FALSE(fs.setCurrentDirectory(at("cwd\\here.txt")));
    EXPECT_EQ(fs.lastError(), 267u);
    EXPECT_TRUE(text::equalsNoCase(fs.currentDirectory(), at("cwd")));

    // The process holds its current folder open.
    ASSERT_TRUE(fs.deleteFile(at("cwd\\here.txt")));
    EXPECT_FALSE(fs.removeDirectory(at("cwd")));
    EXPECT_EQ(fs.lastError(), 32u);
    ASSERT_TRUE(fs.setCurrentDirectory(before));
    EXPECT_TRUE(fs.removeDirectory(at("cwd")));
}

// Windows reads all of these as the same folder; the safeguards rely on the fake doing so.
TEST_F(FileSystemContract, OtherSpellingsReachTheSameFolder) {
    env->makeFile(at("a.txt"), "a");
    for (const std::string& spelling :
         {"\\\\?\\" + root, root + "\\", root + "\\.", root + "\\nowhere\\..", "\\\\?\\" + at("a.txt")}) {
        EXPECT_TRUE(fs.getAttributes(spelling)) << spelling;
    }
    EXPECT_TRUE(fs.directoryExists("\\\\?\\" + root));
    EXPECT_EQ(sortedNames("\\\\?\\" + root + "\\*.*"), (std::vector<std::string>{".", "..", "a.txt"}));
    std::string slashed = root;
    std::replace(slashed.begin(), slashed.end(), '\\', '/');
    EXPECT_TRUE(fs.directoryExists(slashed + "/"));
    EXPECT_TRUE(fs.directoryExists(root.substr(0, 2) + "/"));
}

// The location guard compares identities, so a link above a folder must not hide it.
TEST_F(FileSystemContract, IdentityIsTheSameThroughALinkAndDiffersBetweenFolders) {
    ASSERT_TRUE(fs.createDirectory(at("Valódi")));
    ASSERT_TRUE(fs.createDirectory(at("Valódi\\Belső")));
    env->makeFolderLink(at("Hivatkozás"), at("Valódi"));

    const auto direct = fs.identify(at("Valódi\\Belső"));
    const auto linked = fs.identify(at("Hivatkozás\\Belső"));
    const auto outer = fs.identify(at("Valódi"));
    ASSERT_TRUE(direct && linked && outer);
    EXPECT_EQ(linked->volumeSerial, direct->volumeSerial);
    EXPECT_EQ(linked->fileId, direct->fileId);
    EXPECT_NE(outer->fileId, direct->fileId);
    EXPECT_TRUE(text::equalsNoCase(direct->finalPath, at("Valódi\\Belső"))) << direct->finalPath;
    EXPECT_TRUE(text::equalsNoCase(linked->finalPath, direct->finalPath)) << linked->finalPath;
    // The link itself is reported as one, not as the folder it leads to.
    const auto attributes = fs.getAttributes(at("Hivatkozás"));
    ASSERT_TRUE(attributes);
    EXPECT_TRUE(*attributes & platform::attr::kReparsePoint);

    EXPECT_FALSE(fs.identify(at("Nincs ilyen")));
}

TEST_F(FileSystemContract, TheTestDriveIsAFixedDiskWithSpace) {
    std::string driveRoot = root.substr(0, 3);
    char letter = static_cast<char>(std::toupper(static_cast<unsigned char>(driveRoot[0])));
    EXPECT_TRUE(fs.logicalDrives() & (1u << (letter - 'A')));
    EXPECT_EQ(fs.driveType(driveRoot), platform::DriveType::Fixed);
    auto space = fs.diskSpace(driveRoot);
    ASSERT_TRUE(space);
    EXPECT_GT(space->total, 0u);
    EXPECT_LE(space->totalFree, space->total);
    EXPECT_LE(space->freeToCaller, space->totalFree);
    EXPECT_TRUE(fs.volumeLabel(driveRoot));

    // A letter with no drive behind it answers with failures, not a system box.
    for (char missing = 'Z'; missing > 'D'; --missing) {
        if (fs.logicalDrives() & (1u << (missing - 'A'))) continue;
        const std::string none = std::string(1, missing) + ":\\";
        EXPECT_EQ(fs.driveType(none), platform::DriveType::NoRootDir);
        EXPECT_FALSE(fs.diskSpace(none));
        EXPECT_FALSE(fs.volumeLabel(none));
        break;
    }
}

}  // namespace
