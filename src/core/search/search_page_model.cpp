#include "core/search/search_page_model.h"

#include <algorithm>

#include "core/app/busy_guard.h"
#include "core/app/program_texts.h"
#include "core/app/run_decision.h"
#include "core/search/message_pump.h"
#include "base/text/codec.h"
#include "base/text/format.h"

namespace kefelo::search {
namespace {
using platform::Buttons;
using platform::MessageKind;

// The blinking text of a search.
constexpr int kBlinkSearch = 1;

bool idleCaption(const std::string& caption) { return caption.starts_with("Á"); }
}  // namespace

SearchPageModel::SearchPageModel(const SearchContext& context)
    : location(context.config.edit_searchpath, context.platform.fs, context.platform.ui), ctx_(context) {
    found.shortDatePicture = ctx_.platform.sys.shortDateFormat();
    ctx_.lists.foundFilesSelection = [this](config::SelectionCommand command) {
        switch (command) {
            case config::SelectionCommand::All:
                return markingCommand(config::MarkingCommand::SelectAll);
            case config::SelectionCommand::None:
                return markingCommand(config::MarkingCommand::ClearAll);
            case config::SelectionCommand::Invert:
                return markingCommand(config::MarkingCommand::Invert);
        }
    };
}

SearchPageModel::~SearchPageModel() { ctx_.lists.foundFilesSelection = nullptr; }

app::Activity SearchPageModel::activity() const { return ctx_.Search.Tag; }
void SearchPageModel::setActivity(app::Activity activity) { ctx_.Search.Tag = activity; }
bool SearchPageModel::searching() const { return activity() == app::Activity::FileSearch; }

bool SearchPageModel::operationButtonsEnabled() const {
    return list_findsShown && !progressShown && found.holdsResults() && found.activeCount() > 0;
}

std::string SearchPageModel::elapsedNow() const { return elapsedText(startTime_, ctx_.platform.clock.now()); }

void SearchPageModel::edit_searchpathEnter() {
    group_findselect = kActiveCaption;
    button_searchbeginClick();
}

void SearchPageModel::button_searchbeginClick() {
    platform::UiServices& ui = ctx_.platform.ui;
    SearchView& view = ctx_.view;
    if (activity() != app::Activity::Idle) {
        ui.message(MessageKind::Warning, Buttons::Ok, kAlreadySearching);
        return;
    }
    group_findselect = kActiveCaption;
    if (!idleCaption(button_searchbegin)) return;
    const auto& types = ctx_.lists.list_searchext.items;
    if (types.empty()) {
        ui.message(MessageKind::Information, Buttons::Ok, kNoTypes);
        return;
    }
    if (std::none_of(types.begin(), types.end(), [](const config::CheckItem& item) { return item.ticked; })) {
        ui.message(MessageKind::Information, Buttons::Ok, kNoTypeTicked);
        return;
    }
    location.driveLetterToDrive();
    if (location.text.empty() || !ctx_.platform.fs.directoryExists(location.text)) {
        ui.message(MessageKind::Information, Buttons::Ok, kNoLocation);
        return;
    }

    TSearchFolders& walker = ctx_.Search;
    walker.ClearMatches();
    setActivity(app::Activity::FileSearch);
    location.tag = 1;
    location.edit_searchpathChange();

    button_searchbegin = button_searchhalt = kHaltCaption;
    pcKereses = search_results;
    group_findselectEnabled = false;
    ctx_.status.startBlinking(kBlinkSearch);
    ctx_.status.setStatusCentred(true);
    memo_findfileactualpath.clear();
    beepSuppressed = false;
    found.resetActiveTotals();
    label_findselectBold = false;
    label_findselect = label_findsabout = kEmptySummary;
    group_findsabout = kSuspectCaption;
    found.clear();
    view.foundFilesChanged();

    const std::string masks = config::searchMaskString(ctx_.lists.list_searchext);
    startTime_ = ctx_.platform.clock.now();
    walker.ClearMatches();
    walker.FileMask = masks;
    walker.ScanDir = location.text;
    walker.DoRecursive = ctx_.config.check_resursivesearchmode;

    group_finds = kSearchingCaption;
    list_findsShown = list_findsEnabled = false;
    progressShown = true;
    check_autorefreshEnabled = false;
    changed();
    view.showSearchPage();
    ctx_.frame.repaint();
    ctx_.status.setStatusText(kSearchingStatus);
    lastProgressMs_ = ctx_.platform.clock.tickMs();

    try {
        walker.Execute();
    } catch (const InvalidMask& error) {
        endAfterInvalidMask(error);
    }
}

void SearchPageModel::SearchFoldersProcess(const std::string& dir, int64_t countFiles) {
    if (!searching()) return;
    memo_findfileactualpath = text::asciiUpper(dir);
    label_findsabout = text::Ezredel(text::toDecimal(countFiles)) + " db";
    // Showing every folder would cost more than walking it: the view catches up when due.
    const uint64_t now = ctx_.platform.clock.tickMs();
    if (now - lastProgressMs_ < ProgressIntervalMs) return;
    lastProgressMs_ = now;
    ctx_.frame.setTrayHint(searchingTrayHint(ctx_.fileVersion, dir));
    changed();
}

void SearchPageModel::showList() {
    progressShown = false;
    list_findsShown = true;
}

void SearchPageModel::SearchFoldersChanged() {
    if (!searching()) return;
    SearchView& view = ctx_.view;
    platform::Platform& p = ctx_.platform;
    ctx_.frame.setTrayHint(app::programTitle(ctx_.fileVersion));
    view.showSearchPage();

    const config::ProtectionTest isProtected(ctx_.config.list_protectfiles.items);
    found.fill(ctx_.Search.TakeMatches(), isProtected, p.clock);
    sorting.reset();
    view.foundFilesChanged();
    label_findsabout = found.foundSummary();
    group_findsabout = kFoundCaption;

    if (!idleCaption(button_searchbegin)) {
        button_searchbegin = kBeginCaption;
        edit_searchpathEnabled = group_findselectEnabled = list_findsEnabled = true;
        group_finds = resultsCaption(location.text, elapsedNow());
        button_searchhalt = kBackCaption;
        showList();
        ctx_.status.setStatusCentred(false);
        ctx_.status.stopBlinking();
        if (app::isDirectoryStart(p.fs, ctx_.commandLine) && !ctx_.frame.mainWindowVisible())
            ctx_.frame.restoreFromTray();
        ctx_.frame.hideBalloon();
        check_autorefreshEnabled = true;
    }

    if (found.holdsResults()) {
        foundHint_ = kFoundHint;
        found.currentRow = static_cast<int>(found.size()) - 1;
    } else {
        foundHint_ = ctx_.config.check_resursivesearchmode ? kNothingFoundHint : kNothingFoundNotRecursiveHint;
        found.currentRow = 0;
    }
    changed();
    if (ctx_.view.searchPageShown()) ctx_.status.setStatusText(foundHint_);
    if (ctx_.commandLine.isAutoRun()) ctx_.frame.quit();
    ctx_.status.setStatusText(" Befejeződött a keresés. " + foundHint_ + ".");
    ctx_.frame.repaint();
    ctx_.frame.searchVege();

    ctx_.status.setStatusCentred(false);
    ctx_.status.stopBlinking();
    setActivity(app::Activity::Idle);
}

void SearchPageModel::showCleaningPreview(std::vector<TFilePack> files, int64_t keptFresh) {
    if (activity() != app::Activity::Idle) return;
    const config::ProtectionTest isProtected(ctx_.config.list_protectfiles.items);
    found.fill(std::move(files), isProtected, ctx_.platform.clock);
    sorting.reset();
    found.resetActiveTotals();
    label_findselectBold = false;
    label_findselect = kEmptySummary;
    label_findsabout = found.foundSummary();
    group_findsabout = kFoundCaption;
    group_finds = kPreviewCaption;
    button_searchbegin = kBeginCaption;
    button_searchhalt = kBackCaption;
    pcKereses = search_results;
    showList();
    edit_searchpathEnabled = group_findselectEnabled = list_findsEnabled = check_autorefreshEnabled = true;
    foundHint_ = found.holdsResults() ? kFoundHint : kPreviewEmptyHint;
    found.currentRow = 0;
    ctx_.view.foundFilesChanged();
    ctx_.view.showSearchPage();
    changed();
    ctx_.status.setStatusText(previewStatus(found.foundCount(), keptFresh));
}

void SearchPageModel::button_searchhaltClick() {
    SearchView& view = ctx_.view;
    beepSuppressed = true;
    // The walker is shared: its stop is for a search only, never for a cleaning run.
    if (searching()) ctx_.Search.Stop();
    if (button_searchhalt.starts_with("V")) {
        pcKereses = search_settings;
        location.select(0);
        // The results are gone for good: the next search fills a new list.
        found.clear();
        view.foundFilesChanged();
        changed();
        return;
    }
    showList();
    ctx_.frame.repaint();
    group_finds = resultsCaption(location.text, elapsedNow());
    button_searchbegin = kBeginCaption;
    edit_searchpathEnabled = list_findsEnabled = group_findselectEnabled = true;
    ctx_.status.setStatusCentred(false);
    ctx_.status.stopBlinking();
    button_searchhalt = kBackCaption;
    if (searching()) ctx_.Search.Stop();
    check_autorefreshEnabled = true;
    changed();
}

bool SearchPageModel::escapePressed() {
    if (!ctx_.view.searchPageShown() || pcKereses != search_results) return false;
    button_searchhaltClick();
    return true;
}

// Back to the settings with nothing running and nothing disabled.
void SearchPageModel::returnToIdle() {
    setActivity(app::Activity::Idle);
    ctx_.status.stopBlinking();
    ctx_.status.setStatusCentred(false);
    ctx_.status.setStatusText("");
    ctx_.frame.setTrayHint(app::programTitle(ctx_.fileVersion));
    button_searchbegin = kBeginCaption;
    button_searchhalt = kBackCaption;
    pcKereses = search_settings;
    group_finds = kFindsCaption;
    group_findsabout = kFoundCaption;
    label_findsabout = kEmptySummary;
    memo_findfileactualpath.clear();
    showList();
    list_findsEnabled = group_findselectEnabled = edit_searchpathEnabled = check_autorefreshEnabled = true;
    changed();
}

void SearchPageModel::endAfterInvalidMask(const InvalidMask& error) {
    returnToIdle();
    ctx_.platform.ui.message(MessageKind::Error, Buttons::Ok, invalidMaskMessage(error.mask(), error.position()));
}

void SearchPageModel::directoryHandover(const std::string& path) {
    // A search or a run that started meanwhile keeps the walker.
    if (activity() != app::Activity::Idle) return;
    ctx_.view.showSearchPage();
    pcKereses = search_settings;
    location.setText(path);
    config::TypeLists& lists = ctx_.lists;
    for (auto& item : lists.list_searchcategory.items) item.ticked = true;
    lists.list_searchcategoryClickCheck();
    for (auto& item : lists.list_searchext.items) item.ticked = true;
    changed();
    location.edit_searchpathChange();
    button_searchbeginClick();
}

void SearchPageModel::refreshFoundFiles(bool details) {
    // A refresh runs the queue, which may bring another activation: one refresh at a time.
    if (!found.holdsResults() || ctx_.commandLine.isAutomatic() || refreshing_ || operating_) return;
    refreshing_ = true;
    SearchView& view = ctx_.view;
    platform::Platform& p = ctx_.platform;
    ctx_.frame.setHourglassCursor(true);
    list_findsEnabled = false;
    foundHint_ = kRefreshingHint;
    changed();
    ctx_.status.setStatusText(kRefreshingHint);

    MessagePump pump(p.clock, p.ui, PumpIntervalMs);
    // By index: what the queue runs may empty or refill the list.
    for (size_t i = 0; i < found.size(); ++i) {
        found.refreshRow(i, p.fs, p.clock, details);
        pump.pumpWhenDue();
    }

    list_findsEnabled = true;
    view.foundFilesChanged();
    sgTfrissites();
    foundHint_.clear();
    ctx_.status.setStatusText("");
    if (ctx_.view.searchPageShown() && pcKereses == search_results) {
        view.focusFoundFiles();
        rowClicked(found.currentRow);
    }
    changed();
    ctx_.frame.setHourglassCursor(false);
    refreshing_ = false;
}

void SearchPageModel::check_autorefreshClick(bool ticked) {
    check_autorefresh = ticked;
    if (ticked) refreshFoundFiles(true);
}

void SearchPageModel::sgTfrissites() {
    label_findselectBold = false;
    group_findselect = kActiveCaption;
    found.recount();
    label_findselect = found.activeSummary();
    changed();
}

void SearchPageModel::markingCommand(config::MarkingCommand command) {
    found.mark(command);
    ctx_.view.foundFilesChanged();
    sgTfrissites();
}

bool SearchPageModel::contextMenuOpening() {
    if (!FoundFilesMenu::opens(found)) return false;
    ctx_.lists.openPopup(config::list_number::kFoundFiles);
    return true;
}

void SearchPageModel::selectByItem(size_t item) {
    if (!found.holdsResults()) return;
    menu.selectBy(found, item);
    ctx_.view.foundFilesChanged();
    sgTfrissites();
    ctx_.view.focusFoundFiles();
}

void SearchPageModel::toggleCurrentRow(bool listFocused) {
    if (!listFocused || !found.toggle(found.currentRow)) return;
    ctx_.view.foundFilesChanged();
    sgTfrissites();
}

void SearchPageModel::rowClicked(int row) {
    if (found.validRow(row)) found.currentRow = row;
    const std::optional<std::string> hint = found.rowHint(row);
    if (!hint) return;
    foundHint_ = *hint;
    ctx_.status.setStatusText(*hint);
    changed();
}

void SearchPageModel::titleClick(int column, bool rightButton) {
    if (sorting.titleClick(found, column, rightButton)) ctx_.view.foundFilesChanged();
}

void SearchPageModel::legendColourChosen(RowColour kind, Rgb colour) {
    legend.setColour(kind, colour);
    ctx_.view.foundFilesChanged();
}

void SearchPageModel::legendRightClick() {
    if (legend.resetAsked(ctx_.platform.ui, ctx_.config.check_viewalerts)) ctx_.view.foundFilesChanged();
}

}  // namespace kefelo::search
