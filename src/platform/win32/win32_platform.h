#pragma once
// The real Windows implementations of the platform interfaces (W functions; UTF-8 is
// converted at this boundary only).
#include <memory>
#include <string>

#include "platform/clipboard.h"
#include "platform/clock.h"
#include "platform/file_system.h"
#include "platform/registry.h"
#include "platform/system_info.h"

namespace kefelo::platform::win32 {

class Win32FileSystem : public FileSystem {
public:
    std::unique_ptr<Listing> list(const std::string& pattern) override;
    std::optional<DirEntry> find(const std::string& path) override;
    std::optional<uint32_t> getAttributes(const std::string& path) override;
    bool setAttributes(const std::string& path, uint32_t attributes) override;
    bool fileExists(const std::string& path) override;
    bool directoryExists(const std::string& path) override;
    bool deleteFile(const std::string& path) override;
    bool removeDirectory(const std::string& path) override;
    bool createDirectory(const std::string& path) override;
    bool moveFile(const std::string& from, const std::string& to) override;
    bool copyFile(const std::string& from, const std::string& to, bool failIfExists) override;
    bool deleteAtRestart(const std::string& path) override;
    std::optional<FolderIdentity> identify(const std::string& path) override;
    std::string shortPath(const std::string& path) override;
    std::optional<std::string> readFile(const std::string& path) override;
    bool writeFileAtomic(const std::string& path, const std::string& bytes) override;
    std::unique_ptr<AtomicWriter> beginAtomicWrite(const std::string& path) override;
    std::string currentDirectory() override;
    bool setCurrentDirectory(const std::string& path) override;
    uint32_t logicalDrives() override;
    DriveType driveType(const std::string& root) override;
    std::optional<DiskSpace> diskSpace(const std::string& root) override;
    std::optional<std::string> volumeLabel(const std::string& root) override;
    uint32_t lastError() override;

private:
    uint32_t lastError_ = 0;
};

class Win32SystemInfo : public SystemInfo {
public:
    std::string windowsDirectory() override;
    std::string tempPath() override;
    int platformId() override;
    WindowsVersion windowsVersion() override;
    bool isAdministrator() override;
    std::string languageAbbreviation() override;
    std::string localeInfo(unsigned kind) override;
    std::string shortDateFormat() override;
    std::string longTimeFormat() override;
    std::string decimalSeparator() override;
    std::optional<std::string> specialFolder(SpecialFolder folder) override;
    std::string executablePath() override;
    std::optional<std::string> profilesDirectory() override;
    std::optional<std::string> userProgramsDirectory() override;
};

class Win32Registry : public Registry {
public:
    std::optional<std::string> readString(RegistryRoot root, const std::string& key, const std::string& name) override;
    bool writeString(RegistryRoot root, const std::string& key, const std::string& name,
                     const std::string& value) override;
    bool deleteValue(RegistryRoot root, const std::string& key, const std::string& name) override;
    bool deleteKey(RegistryRoot root, const std::string& key) override;
    bool keyExists(RegistryRoot root, const std::string& key) override;
};

class Win32Clock : public Clock {
public:
    timeutil::TDateTime now() override;
    uint64_t tickMs() override;
    int64_t utcToLocal(int64_t utcTicks) override;
};

class Win32Clipboard : public Clipboard {
public:
    std::optional<std::string> text() override;
    bool setText(const std::string& text) override;
};

}  // namespace kefelo::platform::win32
