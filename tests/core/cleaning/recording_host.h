#pragma once
// A main window for the cleaning run that only remembers what it was told.
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "core/app/null_views.h"
#include "core/cleaning/cleaning_log.h"
#include "core/cleaning/cleaning_page_view.h"

namespace kefelo::cleaningtest {

class RecordingHost : public apptest::NullStatusLine, public apptest::NullMainFrame, public cleaning::CleaningPageView {
public:
    bool visible = true;
    int page = 0;
    int cleaningPage = 0;
    std::string trayCleanCaption = "Takarítás";
    std::string reportCaption;
    bool reportHaltVisible = false;
    bool reportButtonsVisible = true;
    bool logVisible = true;
    int logShownCount = 0;
    std::string shownLog;  // the text the view copied
    std::string lastPath;
    std::vector<int> currentTaskRows;
    bool autodelEnabled = false;
    std::string status = "previous status";
    std::vector<std::string> statusHistory;
    bool centred = false;
    bool blinking = false;
    int blinkTag = -1;
    std::string trayHint;
    std::vector<std::pair<std::string, std::string>> balloons;
    std::vector<std::pair<std::string, std::string>> splashPaths;  // label, hint
    bool wasVisible = false;
    bool quittingNow = false;
    // What happened at the end of a run, in order: "popUp", "restore", "searchVege",
    // "taskbar", "trayIcon", "hideSplash", "beep", "quit", "focus".
    std::vector<std::string> events;
    std::function<void()> onQuit;

    bool mainWindowVisible() override { return visible; }
    void showCleaningPage() override { page = 0; }
    void setCleaningPage(int p) override { cleaningPage = p; }
    void setTrayCleanCaption(const std::string& caption) override { trayCleanCaption = caption; }
    void setReportCaption(const std::string& caption) override { reportCaption = caption; }
    void showReportHalt(bool v) override { reportHaltVisible = v; }
    void showReportButtons(bool v) override { reportButtonsVisible = v; }
    void hideLog() override {
        logVisible = false;
        shownLog.clear();
    }
    void showLog(const cleaning::CleaningLog& log) override {
        logVisible = true;
        ++logShownCount;
        shownLog = log.text();
    }
    void setLastPathText(const std::string& text) override { lastPath = text; }
    void focusReportButtons() override { events.push_back("focus"); }
    void setAutodelButtonEnabled(bool enabled) override { autodelEnabled = enabled; }
    void setCurrentTaskRow(int row) override { currentTaskRows.push_back(row); }
    void listsChanged() override {}
    void setContainerAddEnabled(bool) override {}
    std::string statusText() override { return status; }
    void setStatusText(const std::string& text) override {
        status = text;
        statusHistory.push_back(text);
    }
    void setStatusCentred(bool c) override { centred = c; }
    void startBlinking(int tag) override {
        blinking = true;
        blinkTag = tag;
    }
    void stopBlinking() override { blinking = false; }
    void setTrayHint(const std::string& hint) override { trayHint = hint; }
    void showTrayBalloon(const std::string& title, const std::string& text) override {
        balloons.emplace_back(title, text);
    }
    void showTrayIcon() override { events.push_back("trayIcon"); }
    void showApplicationTaskbarWindow() override { events.push_back("taskbar"); }
    void setSplashPath(const std::string& label, const std::string& hint) override {
        splashPaths.emplace_back(label, hint);
    }
    void hideSplash() override { events.push_back("hideSplash"); }
    bool windowWasVisible() override { return wasVisible; }
    void setWindowWasVisible(bool v) override { wasVisible = v; }
    void popUp() override { events.push_back("popUp"); }
    void restoreFromTray() override { events.push_back("restore"); }
    void searchVege() override { events.push_back("searchVege"); }
    bool quitting() override { return quittingNow; }
    void beep() override { events.push_back("beep"); }
    void quit() override {
        events.push_back("quit");
        if (onQuit) onQuit();
    }
};

}  // namespace kefelo::cleaningtest
