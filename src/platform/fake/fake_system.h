#pragma once
// Settable system facts, registry and clock for tests.
#include <map>
#include <optional>
#include <string>
#include <tuple>

#include "platform/clock.h"
#include "platform/registry.h"
#include "platform/system_info.h"

namespace kefelo::platform::fake {

class FakeSystemInfo : public SystemInfo {
public:
    std::string windowsDir = "C:\\WINDOWS";
    std::string temp = "C:\\Users\\user\\Temp\\";
    int platform = 2;
    WindowsVersion version{10, 0};
    bool administrator = true;
    std::string language = "HUN";
    std::string shortDate = "yyyy. MM. dd.";
    std::string longTime = "H:mm:ss";
    std::string decimal = ",";
    std::map<SpecialFolder, std::string> folders;
    std::string exePath = "C:\\Kefelo\\kefelo.exe";
    std::optional<std::string> profilesDir = "C:\\Users";
    std::optional<std::string> userPrograms = "C:\\Users\\user\\AppData\\Local\\Programs";

    std::string windowsDirectory() override { return windowsDir; }
    std::string tempPath() override { return temp; }
    int platformId() override { return platform; }
    WindowsVersion windowsVersion() override { return version; }
    bool isAdministrator() override { return administrator; }
    std::string languageAbbreviation() override { return language; }
    // Locale texts by kind; kind 3 falls back to `language`.
    std::map<unsigned, std::string> locale;
    std::string localeInfo(unsigned kind) override;
    std::string shortDateFormat() override { return shortDate; }
    std::string longTimeFormat() override { return longTime; }
    std::string decimalSeparator() override { return decimal; }
    std::optional<std::string> specialFolder(SpecialFolder folder) override;
    std::string executablePath() override { return exePath; }
    std::optional<std::string> profilesDirectory() override { return profilesDir; }
    std::optional<std::string> userProgramsDirectory() override { return userPrograms; }
};

class FakeRegistry : public Registry {
public:
    // Every write refused, as for a user without the rights.
    bool refuseWrites = false;
    std::optional<std::string> readString(RegistryRoot root, const std::string& key, const std::string& name) override;
    bool writeString(RegistryRoot root, const std::string& key, const std::string& name,
                     const std::string& value) override;
    bool deleteValue(RegistryRoot root, const std::string& key, const std::string& name) override;
    bool deleteKey(RegistryRoot root, const std::string& key) override;
    bool keyExists(RegistryRoot root, const std::string& key) override;

private:
    // Keys compare without regard to case; a key exists once created even without values.
    std::map<std::tuple<int, std::string>, std::map<std::string, std::string>> keys_;
};

class FakeClock : public Clock {
public:
    timeutil::TDateTime current = 46364.5;  // 2026-12-08 12:00
    uint64_t ticks = 0;
    // Added to `ticks` on every tickMs() call, so time-sliced code sees time pass.
    uint64_t autoAdvanceMs = 0;
    int64_t utcOffsetTicks = 0;

    timeutil::TDateTime now() override { return current; }
    uint64_t tickMs() override {
        ticks += autoAdvanceMs;
        return ticks;
    }
    int64_t utcToLocal(int64_t utcTicks) override { return utcTicks + utcOffsetTicks; }
};

}  // namespace kefelo::platform::fake
