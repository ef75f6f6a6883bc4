#include "core/integration/run_key.h"

#include <gtest/gtest.h>

#include "platform/fake/fake_system.h"

using namespace kefelo;
using platform::RegistryRoot;

namespace {

const std::string kKey = "Software\\Microsoft\\Windows\\CurrentVersion\\Run";

std::optional<std::string> runValue(platform::fake::FakeRegistry& registry) {
    return registry.readString(RegistryRoot::CurrentUser, kKey, "Kefeló");
}

TEST(RunKey, PresentWhileEitherOptionIsOnAndGoneWhenBothAreOff) {
    platform::fake::FakeRegistry registry;
    config::ConfigModel config;
    const std::string exe = "C:\\Program Files\\Kefelo\\kefelo.exe";

    config.checked_startupwithwindows = true;
    EXPECT_TRUE(integration::checked_startupwithwindowsClick(config, registry, exe));
    // Quoted, so that the blank cannot make Windows start "C:\Program.exe".
    EXPECT_EQ(runValue(registry), "\"C:\\Program Files\\Kefelo\\kefelo.exe\" /a");

    config.check_autorun = true;
    config.checked_startupwithwindows = false;
    EXPECT_TRUE(integration::checked_startupwithwindowsClick(config, registry, exe));
    EXPECT_EQ(runValue(registry), "\"C:\\Program Files\\Kefelo\\kefelo.exe\" /a");

    config.check_autorun = false;
    EXPECT_TRUE(integration::checked_startupwithwindowsClick(config, registry, exe));
    EXPECT_FALSE(runValue(registry));
    // Nothing to delete is no failure.
    EXPECT_TRUE(integration::checked_startupwithwindowsClick(config, registry, exe));
}

TEST(RunKey, FollowsTheCurrentExecutablePath) {
    platform::fake::FakeRegistry registry;
    config::ConfigModel config;
    config.check_autorun = true;
    integration::checked_startupwithwindowsClick(config, registry, "C:\\Old\\kefelo.exe");
    integration::checked_startupwithwindowsClick(config, registry, "D:\\New\\kefelo.exe");
    EXPECT_EQ(runValue(registry), "\"D:\\New\\kefelo.exe\" /a");
}

TEST(RunKey, RemovalTakesTheOldUnquotedFormAsWellAsTheNew) {
    for (const char* data :
         {"C:\\Program Files\\Kefelo\\kefelo.exe /a", "\"C:\\Program Files\\Kefelo\\kefelo.exe\" /a"}) {
        platform::fake::FakeRegistry registry;
        registry.writeString(RegistryRoot::CurrentUser, kKey, "Kefeló", data);
        registry.writeString(RegistryRoot::CurrentUser, kKey, "Other", "other.exe");
        EXPECT_TRUE(integration::removeStartWithWindows(registry));
        EXPECT_FALSE(runValue(registry)) << data;
        EXPECT_EQ(registry.readString(RegistryRoot::CurrentUser, kKey, "Other"), "other.exe");
    }
}

}  // namespace
