#pragma once
// The cleaning page as the cleaning run sees it: its lists and its report. The cleaning
// page implements it; core decides when and with what. Grid contents (marks, dates) live
// in the configuration model; the run calls listsChanged() after it changed them.
#include <string>

namespace kefelo::cleaning {

class CleaningLog;

class CleaningPageView {
public:
    virtual ~CleaningPageView() = default;

    // Page 0 of the main page control comes up.
    virtual void showCleaningPage() = 0;
    // The inner page control `pcKefelas`: 0 lists, 1 report.
    virtual void setCleaningPage(int page) = 0;

    virtual void setReportCaption(const std::string& caption) = 0;  // group_report
    virtual void showReportHalt(bool visible) = 0;                  // group_reporthalt
    virtual void showReportButtons(bool visible) = 0;               // group_reportbuttons
    // Clears and hides `memo_cleanreport` for the run.
    virtual void hideLog() = 0;
    // Shows the log at the end of a run; the view copies `log` into the control now.
    virtual void showLog(const CleaningLog& log) = 0;
    // `mUtolsoUrit`, the path being worked on.
    virtual void setLastPathText(const std::string& text) = 0;
    virtual void focusReportButtons() = 0;
    // `buttonautodelbat` through `Gomb`.
    virtual void setAutodelButtonEnabled(bool enabled) = 0;

    // Makes a data row (0 = first row under the header) the current row of `list_projects`.
    virtual void setCurrentTaskRow(int row) = 0;
    // Marks or dates of `list_temps` / `list_projects` changed in the model: redraw them.
    virtual void listsChanged() = 0;
    // `button_tempdiradd` through `Gomb`: manual adding is unlocked by `check_noadd`.
    virtual void setContainerAddEnabled(bool enabled) = 0;
};

}  // namespace kefelo::cleaning
