#pragma once
// Page 1 of `pcKefelas`: the report of a cleaning run. The group `group_report` holds the
// current path `mUtolsoUrit` and the rich-text log `memo_cleanreport`; below it either the
// halt group or the buttons group; beside it the colour legend.
#include <functional>
#include <string>

#include "core/cleaning/cleaning_log.h"
#include "ui/cleaning/run_chart.h"
#include "ui/common/dialog.h"
#include "ui/common/gdi.h"
#include "ui/controls/sel_button.h"

namespace kefelo::ui {

class CleaningReportView : public PageDialog {
public:
    struct Callbacks {
        std::function<void()> halt;                  // "Megszakít"
        std::function<void()> runEnd;                // "Rendben"
        std::function<void()> repeat;                // "Ismétlés"
        std::function<void()> save;                  // "Naplózás"
        std::function<void()> autodel;               // "autodel.bat"
        std::function<std::string()> printJobTitle;  // "Nyomtatás"
    };

    bool create(HINSTANCE instance, HWND parent, Callbacks callbacks);

    void setCaption(const std::string& caption);
    void showHalt(bool visible);
    void showButtons(bool visible);
    // Clears the log and hides it while a run writes into the model.
    void hideLog();
    // Copies the whole log in, shows it and leaves the caret at its end.
    void showLog(const cleaning::CleaningLog& log);
    void setLastPathText(const std::string& text);
    void focusButtons();
    void focusLog();
    void setAutodelEnabled(bool enabled);
    SelButton* button(int id) { return buttons_.find(id); }
    bool printLog(const std::string& jobTitle);
    // The chart of what the latest runs freed, under the colour legend.
    void setRunChart(RunChartData data);

protected:
    INT_PTR handleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    void initialize() override;
    // (Re)creates the empty log control in the place of the old one.
    void createLog();
    void layout() override;
    bool drawItem(LPARAM item) override;
    void onButton(int id);

    Callbacks callbacks_;
    HWND log_ = nullptr;
    bool logVisible_ = true;
    bool haltVisible_ = false;
    bool buttonsVisible_ = true;
    SelButtons buttons_;
    RunChartData chart_;
};

}  // namespace kefelo::ui
