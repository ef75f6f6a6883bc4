#pragma once
// A program directory on the fake platform with the batch operations over it.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "core/cleaning/autodel_operations.h"
#include "core/cleaning/batch_text.h"
#include "core/cleaning/cleaning_log.h"
#include "platform/fake/fake_file_system.h"
#include "platform/fake/fake_shell.h"
#include "platform/fake/fake_system.h"
#include "platform/fake/fake_ui.h"

namespace kefelo::cleaningtest {

class AutodelTest : public ::testing::Test {
protected:
    platform::fake::FakeFileSystem fs;
    platform::fake::FakeSystemInfo sys;
    platform::fake::FakeUi ui;
    platform::fake::FakeShell shell;
    platform::fake::FakeRegistry registry;
    cleaning::BatchText batch;
    cleaning::CleaningLog log;
    bool alerts = true;
    std::string dir = "C:\\Kefelo\\";
    std::unique_ptr<cleaning::AutodelOperations> ops;

    AutodelTest() {
        fs.addDirectory("C:\\Kefelo");
        fs.addDirectory("C:\\WINDOWS");
        useProgramDirectory(dir);
    }

    void useProgramDirectory(const std::string& programDir) {
        dir = programDir;
        ops = std::make_unique<cleaning::AutodelOperations>(
            cleaning::AutodelEnv{fs, sys, ui, shell, registry, batch, log, dir, [this] { return alerts; }});
    }

    std::string at(const std::string& name) const { return dir + name; }
    std::string file(const std::string& path) const { return fs.content(path).value_or("<missing>"); }
    bool readOnly(const std::string& path) {
        auto a = fs.getAttributes(path);
        return a && (*a & platform::attr::kReadOnly);
    }
    std::vector<std::string> texts() const {
        std::vector<std::string> out;
        for (const auto& m : ui.messages) out.push_back(m.text);
        return out;
    }

    // A run that could not delete these files (short paths) has ended.
    void runWith(const std::vector<std::string>& shortPaths) {
        ops->mBatKezd(1);
        for (const auto& p : shortPaths) batch.addDelete(p);
        ops->mBatKezd(0);
        ops->setRunEnded();
    }
};

}  // namespace kefelo::cleaningtest
