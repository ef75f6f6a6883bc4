#pragma once
// A program directory on the fake platform, for the loading and saving tests.
#include <gtest/gtest.h>

#include <string>

#include "core/config/config_load.h"
#include "core/config/config_save.h"
#include "platform/fake/fake_platform.h"

namespace kefelo::cfgtest {

class ConfigFilesTest : public ::testing::Test, protected platform::fake::FakePlatform {
protected:
    static constexpr const char* kDir = "C:\\Kefelo\\";

    std::vector<std::string> console;

    ConfigFilesTest() { fs.addDirectory("C:\\Kefelo"); }

    static std::string at(const char* name) { return std::string(kDir) + name; }

    config::LoadContext loadContext() {
        return config::LoadContext{platform, kDir, 1024, 768,
                                   [this](const std::string& line) { console.push_back(line); }};
    }
    config::SaveContext saveContext(std::string firstParameter = "") {
        return config::SaveContext{platform, kDir, std::move(firstParameter), {}};
    }
    config::ConfigModel load() {
        config::ConfigModel model;
        config::loadConfiguration(model, loadContext());
        return model;
    }
    std::string file(const char* name) const { return fs.content(at(name)).value_or("<missing>"); }
};

}  // namespace kefelo::cfgtest
