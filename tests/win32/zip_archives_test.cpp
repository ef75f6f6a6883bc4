// The libzip writer and reader on real files: what the ZIP window relies on when it keeps
// an old archive, cuts a run short, or decides that a source may be deleted.
#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <filesystem>
#include <fstream>

#include "platform/win32/wide.h"
#include "platform/win32/win32_zip_archives.h"
#include "platform/win32/win32_zip_reader.h"

using namespace kefelo;

namespace {

class Win32Zip : public ::testing::Test {
protected:
    std::filesystem::path dir;
    platform::win32::Win32ZipArchives archives;

    Win32Zip() {
        wchar_t temp[MAX_PATH];
        GetTempPathW(MAX_PATH, temp);
        dir = std::filesystem::path(temp) / L"kefelo zip próba";
        std::filesystem::remove_all(dir);
        std::filesystem::create_directories(dir);
    }
    ~Win32Zip() override {
        std::error_code ec;
        std::filesystem::remove_all(dir, ec);
    }
    std::string write(const std::wstring& name, const std::string& bytes) {
        std::ofstream(dir / name, std::ios::binary) << bytes;
        return path(name);
    }
    std::string path(const std::wstring& name) const { return platform::win32::narrow((dir / name).wstring()); }
    std::string read(const std::wstring& name) const {
        std::ifstream in(dir / name, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    }
    static std::function<std::string(size_t)> counted() {
        return [](size_t n) { return "files: " + std::to_string(n); };
    }
};

TEST_F(Win32Zip, EntriesReadBackWithTheSourcesSizeAndCrc) {
    const std::string a = write(L"a.tmp", std::string(50000, 'a'));
    const std::string b = write(L"ő.tmp", "árvíztűrő");
    auto writer = archives.create(path(L"out.zip"));
    ASSERT_TRUE(writer);
    EXPECT_EQ(writer->addFile(a, "d/a.tmp"), platform::ZipAddResult::Stored);
    EXPECT_EQ(writer->addFile(b, "d/ő.tmp"), platform::ZipAddResult::Stored);
    EXPECT_EQ(writer->addFile(path(L"missing.tmp"), "d/missing.tmp"), platform::ZipAddResult::Skipped);
    const auto result = writer->close({}, counted());
    ASSERT_TRUE(result.ok);
    EXPECT_EQ(result.kept, 2u);

    const auto checks = archives.readBack(path(L"out.zip"), {});
    ASSERT_TRUE(checks);
    ASSERT_EQ(checks->size(), 2u);
    EXPECT_EQ((*checks)[1].name, "d/ő.tmp");
    for (size_t i = 0; i < 2; ++i) {
        const auto digest = archives.digest(i == 0 ? a : b);
        ASSERT_TRUE(digest);
        EXPECT_TRUE((*checks)[i].intact);
        EXPECT_EQ((*checks)[i].size, digest->size);
        EXPECT_EQ((*checks)[i].crc, digest->crc);
    }

    // Asked after every entry whether to go on: a stop after the first leaves no result.
    int asked = 0;
    EXPECT_FALSE(archives.readBack(path(L"out.zip"), [&asked] { return ++asked < 1; }));
    EXPECT_EQ(asked, 1);
}

TEST_F(Win32Zip, SpoiledDataDoesNotReadBackIntact) {
    const std::string a = write(L"a.tmp", std::string(4000, 'x') + std::string(4000, 'y'));
    auto writer = archives.create(path(L"out.zip"));
    writer->addFile(a, "a.tmp");
    ASSERT_TRUE(writer->close({}, counted()).ok);
    std::string bytes = read(L"out.zip");
    // The deflated data follows the 30-byte local header, the name and the extra field.
    const size_t data = 30 + static_cast<unsigned char>(bytes[26]) + static_cast<unsigned char>(bytes[28]) +
                        256 * static_cast<unsigned char>(bytes[29]);
    bytes[data + 2] = static_cast<char>(bytes[data + 2] ^ 0x55);
    write(L"out.zip", bytes);
    const auto checks = archives.readBack(path(L"out.zip"), {});
    ASSERT_TRUE(checks);
    ASSERT_EQ(checks->size(), 1u);
    EXPECT_FALSE((*checks)[0].intact);
}

TEST_F(Win32Zip, CancelWhileWritingKeepsTheEntriesBeforeIt) {
    std::string big;
    for (int i = 0; big.size() < 2'000'000; ++i) big += std::to_string(i * 7919) + " ";
    for (const wchar_t* name : {L"0.tmp", L"1.tmp", L"2.tmp"}) write(name, big);
    auto writer = archives.create(path(L"out.zip"));
    for (const wchar_t* name : {L"0.tmp", L"1.tmp", L"2.tmp"})
        writer->addFile(path(name), platform::win32::narrow(name));
    std::vector<double> shown;
    const auto result = writer->close(
        [&shown](double fraction) {
            shown.push_back(fraction);
            return fraction < 0.4;  // stopped in the second entry
        },
        counted());
    EXPECT_GT(shown.size(), 3u);
    // Finishing the cut archive does not send the progress bar back to the start.
    EXPECT_TRUE(std::is_sorted(shown.begin(), shown.end()));
    ASSERT_TRUE(result.ok);
    EXPECT_TRUE(result.cancelled);
    EXPECT_EQ(result.kept, 1u);
    const auto checks = archives.readBack(path(L"out.zip"), {});
    ASSERT_TRUE(checks);
    ASSERT_EQ(checks->size(), 1u);
    EXPECT_EQ((*checks)[0].name, "0.tmp");
    EXPECT_TRUE((*checks)[0].intact);
    EXPECT_NE(read(L"out.zip").find("files: 1"), std::string::npos);
}

TEST_F(Win32Zip, AnOldFileStaysUntilTheNewArchiveIsComplete) {
    write(L"out.zip", "old archive");
    const std::string a = write(L"a.tmp", "data");
    auto writer = archives.create(path(L"out.zip"));
    writer->addFile(a, "a.tmp");
    std::filesystem::remove(dir / L"a.tmp");  // the source goes before the write
    EXPECT_FALSE(writer->close({}, counted()).ok);
    EXPECT_EQ(read(L"out.zip"), "old archive");

    // Nothing stored: an empty archive with its comment replaces it, not nothing at all.
    writer = archives.create(path(L"out.zip"));
    const auto result = writer->close({}, counted());
    ASSERT_TRUE(result.ok);
    const std::string bytes = read(L"out.zip");
    EXPECT_EQ(bytes.substr(0, 4), std::string("PK\x05\x06", 4));
    EXPECT_EQ(bytes.substr(22), "files: 0");
    const auto checks = archives.readBack(path(L"out.zip"), {});
    ASSERT_TRUE(checks);
    EXPECT_TRUE(checks->empty());
}

// The update unpacks through the reader: names as stored, whole contents, a damaged entry
// refused, anything that is not an archive not opened, and no handle left behind.
TEST_F(Win32Zip, ReaderReturnsWhatTheWriterStoredAndRefusesDamage) {
    const std::string big = std::string(4000, 'x') + std::string(4000, 'y');
    const std::string a = write(L"a.tmp", big);
    const std::string b = write(L"ő.tmp", "árvíztűrő");
    auto writer = archives.create(path(L"out.zip"));
    writer->addFile(a, "a.tmp");
    writer->addFile(b, "d/ő.tmp");
    ASSERT_TRUE(writer->close({}, counted()).ok);

    platform::win32::Win32ZipReader reader;
    {
        auto archive = reader.open(path(L"out.zip"));
        ASSERT_TRUE(archive);
        ASSERT_EQ(archive->entries().size(), 2u);
        EXPECT_EQ(archive->entries()[0].name, "a.tmp");
        EXPECT_EQ(archive->entries()[0].size, big.size());
        EXPECT_EQ(archive->entries()[1].name, "d/ő.tmp");
        EXPECT_FALSE(archive->entries()[1].directory);
        EXPECT_EQ(archive->read(0), big);
        EXPECT_EQ(archive->read(1), "árvíztűrő");
        EXPECT_FALSE(archive->read(2));
    }
    // Closed with the object: the update deletes new.zip right after unpacking.
    EXPECT_TRUE(DeleteFileW((dir / L"out.zip").c_str()));

    writer = archives.create(path(L"out.zip"));
    writer->addFile(a, "a.tmp");
    ASSERT_TRUE(writer->close({}, counted()).ok);
    std::string bytes = read(L"out.zip");
    const size_t data = 30 + static_cast<unsigned char>(bytes[26]) + static_cast<unsigned char>(bytes[28]) +
                        256 * static_cast<unsigned char>(bytes[29]);
    bytes[data + 2] = static_cast<char>(bytes[data + 2] ^ 0x55);
    write(L"out.zip", bytes);
    auto spoiled = reader.open(path(L"out.zip"));
    ASSERT_TRUE(spoiled);
    EXPECT_FALSE(spoiled->read(0));

    EXPECT_FALSE(reader.open(write(L"not.zip", "this is not an archive")));
    EXPECT_FALSE(reader.open(path(L"missing.zip")));
}

}  // namespace
