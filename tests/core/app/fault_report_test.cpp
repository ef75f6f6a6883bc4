#include "core/app/fault_report.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace kefelo;
using app::FaultSource;

namespace {

struct Outlets {
    std::vector<std::string> console, boxes;
    app::FaultReporter reporter;
    Outlets() {
        reporter.console = [this](const std::string& line) { console.push_back(line); };
        reporter.showError = [this](const std::string& text) { boxes.push_back(text); };
    }
};

}  // namespace

TEST(FaultReport, AFailedCommandIsToldToTheConsoleAndInABox) {
    Outlets o;
    o.reporter.report(FaultSource::UserCommand, "ablak: KefeloMain, uzenet: 0x0111", "vector::at");
    EXPECT_EQ(o.console, std::vector<std::string>{"! Varatlan hiba (ablak: KefeloMain, uzenet: 0x0111): vector::at !"});
    EXPECT_EQ(o.boxes, std::vector<std::string>{
                           "A művelet váratlan hiba miatt megszakadt:\r\nvector::at\r\n\r\nA program tovább fut."});
}

TEST(FaultReport, PaintingTimersAndAutomaticRunsNeverGetABox) {
    Outlets o;
    for (int i = 0; i < 3; ++i) o.reporter.report(FaultSource::Background, "WM_PAINT", "rossz");
    EXPECT_EQ(o.console.size(), 3u);
    EXPECT_TRUE(o.boxes.empty());

    o.reporter.quiet = true;
    o.reporter.report(FaultSource::UserCommand, "WM_COMMAND", "rossz");
    EXPECT_EQ(o.console.size(), 4u);
    EXPECT_TRUE(o.boxes.empty());
}

TEST(FaultReport, FaultsWhileTheBoxIsOpenOrTheLineIsWrittenDoNotStack) {
    Outlets o;
    // The box's own message loop runs the command again, and it fails again.
    o.reporter.showError = [&](const std::string& text) {
        o.boxes.push_back(text);
        o.reporter.report(FaultSource::UserCommand, "WM_COMMAND", "megint");
    };
    o.reporter.report(FaultSource::UserCommand, "WM_COMMAND", "elso");
    EXPECT_EQ(o.boxes.size(), 1u);
    EXPECT_EQ(o.console.size(), 2u);
    // Once it is closed, the next failed command is told again.
    o.reporter.showError = [&](const std::string& text) { o.boxes.push_back(text); };
    o.reporter.report(FaultSource::UserCommand, "WM_COMMAND", "harmadik");
    EXPECT_EQ(o.boxes.size(), 2u);

    // Writing the console line fails in turn: that fault is dropped, the box still comes.
    o.reporter.console = [&](const std::string& line) {
        o.console.push_back(line);
        o.reporter.report(FaultSource::Background, "WM_PAINT", "a konzolban");
    };
    o.reporter.report(FaultSource::UserCommand, "WM_COMMAND", "negyedik");
    EXPECT_EQ(o.console.size(), 4u);
    EXPECT_EQ(o.boxes.size(), 3u);
}
