#pragma once
// A cleaning run wired as the main window wires it, over the fake platform.
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "core/cleaning/recording_host.h"
#include "core/app/command_line.h"
#include "core/cleaning/autodel_operations.h"
#include "core/cleaning/cleaning_run.h"
#include "core/cleaning/log_files.h"
#include "core/cleaning/run_record.h"
#include "core/config/config_model.h"
#include "core/search/search_folders.h"
#include "base/text/codec.h"
#include "platform/fake/fake_platform.h"

namespace kefelo::cleaningtest {

inline constexpr const char* kNow = "2026. 12. 08.  12:00:00";

class RunTest : public ::testing::Test, protected platform::fake::FakePlatform {
protected:
    config::ConfigModel config;
    app::CommandLine commandLine;
    RecordingHost host;
    search::TSearchFolders Search{platform};
    cleaning::RunRecord record{[this] { return cleaning::nowTexts(clock, sys); }};
    std::unique_ptr<cleaning::AutodelOperations> autodel;
    std::unique_ptr<cleaning::CleaningRun> run;
    const std::string dir = "C:\\Kefelo\\";

    RunTest() {
        fs.addDirectory("C:\\Kefelo");
        fs.addDirectory("C:\\WINDOWS");
        config.list_protectfiles.items = {"keep.dat"};
        Search.PumpIntervalMs = 0;
        Search.OnProcess = [this](search::TSearchFolders& s, const std::string& d, int64_t, int64_t) {
            if (s.Tag == app::Activity::Cleaning) run->SearchFoldersProcess(d);
        };
        Search.OnChanged = [this](search::TSearchFolders& s, int64_t, int64_t) {
            if (s.Tag == app::Activity::Cleaning) run->SearchFoldersChanged(s);
        };
        rebuild();
    }

    // Starts over with another command line (the run mode).
    void rebuild(std::vector<std::string> params = {}) {
        commandLine = app::CommandLine(std::move(params));
        autodel = std::make_unique<cleaning::AutodelOperations>(cleaning::AutodelEnv{
            fs, sys, ui, shell, registry, record.batch, record.log, dir, [this] { return config.check_viewalerts; }});
        run = std::make_unique<cleaning::CleaningRun>(
            cleaning::CleaningRunContext{platform, config, Search, commandLine, host, host, host, record, *autodel, dir,
                                         "3.2.1.0", sys.platform >= 2, &shell});
        run->PumpIntervalMs = 0;
    }

    void addContainer(const std::string& path, config::Mark mark = config::Mark::Active) {
        auto& rows = config.list_temps.rows;
        if (!rows.front().path.empty()) rows.emplace_back();
        rows.back() = {mark, "", path};
    }
    void addTask(const std::string& location, const std::string& masks, config::Mark mark = config::Mark::Active) {
        auto& rows = config.list_projects.rows;
        if (!rows.front().location.empty()) rows.emplace_back();
        rows.back() = {mark, location, masks};
    }

    // Halts the run at the first message pump for which `when` holds.
    void haltWhen(std::function<bool()> when) {
        ui.onPump = [this, when] {
            if (run->running() && when()) run->button_reporthaltClick();
        };
    }

    std::vector<std::string> logLines() const { return record.log.lines(); }
    std::vector<std::string> messageTexts() const {
        std::vector<std::string> out;
        for (const auto& m : ui.messages) out.push_back(m.text);
        return out;
    }
    std::optional<uint32_t> attributesOf(const std::string& path) { return fs.getAttributes(path); }
    std::vector<std::string> fileLines(const std::string& path) const {
        return text::decodeLines(fs.content(path).value_or(""));
    }
    // The colour of the log run that holds this text.
    cleaning::LogColour colourOf(const std::string& text) const {
        for (const auto& r : record.log.runs()) {
            if (r.text.find(text) != std::string::npos) return r.colour;
        }
        ADD_FAILURE() << "not in the log: " << text;
        return cleaning::LogColour::Black;
    }
};

}  // namespace kefelo::cleaningtest
