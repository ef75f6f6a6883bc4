#include "core/session/session.h"

#include "core/app/directory_handover.h"
#include "core/app/program_texts.h"
#include "core/cleaning/list_refresh.h"
#include "core/cleaning/log_files.h"
#include "core/config/config_load.h"
#include "core/containers/grid_sort.h"
#include "core/integration/windows_info.h"

namespace kefelo::session {

Session::Session(const SessionContext& context, app::ShellViews views)
    : ctx_(context),
      ntFamily_(context.platform.sys.platformId() >= 2),
      status_(views.status),
      walker_(context.platform),
      shell_(views, app::ShellContext{context.platform, context.commandLine, context.programDirectory,
                                      context.fileVersion, config_, masks_, walker_.Tag, [this] { walker_.Stop(); },
                                      [this] { showCleaningLists(); }, [this] { haltOperation(); }}),
      cleaningView_(shell_, context.fileVersion),
      record_([this] { return cleaning::nowTexts(ctx_.platform.clock, ctx_.platform.sys); }),
      autodel_(cleaning::AutodelEnv{context.platform.fs, context.platform.sys, context.platform.ui, context.shell,
                                    context.platform.registry, record_.batch, record_.log, context.programDirectory,
                                    [this] { return config_.check_viewalerts; }}),
      foundFilesAutodel_(context.platform.fs, autodel_),
      typeLists_(masks_, context.platform.ui),
      taskEditors_(config_.list_projects, typeLists_, masks_, context.platform.fs, context.platform.ui, context.shell),
      run_(cleaning::CleaningRunContext{context.platform, config_, walker_, context.commandLine, status_,
                                        shell_.frame(), cleaningView_, record_, autodel_, context.programDirectory,
                                        context.fileVersion, ntFamily_, &context.shell}),
      history_(context.platform.fs, context.platform.ui, context.programDirectory),
      options_(integration::OptionsPageModel::Context{
          config_, context.platform.registry, context.platform.ui, context.platform.sys.executablePath(),
          [this](bool on) { walker_.DoRecursive = on; }, [this](bool on) { cleaningView_.setContainerAddEnabled(on); },
          // A refused registry write is reported like any other error, except where a box
          // would stop an automatic run.
          [this](const std::string& text) {
              if (!ctx_.commandLine.isAutomatic()) {
                  ctx_.platform.ui.message(platform::MessageKind::Error, platform::Buttons::Ok, text);
              }
          },
          integration::GetWindowsLanguage(context.platform.sys, integration::kLanguageAbbreviation)}),
      discovery_(containers::DiscoveryContext{context.platform, config_, walker_, context.commandLine, discoveryView_,
                                              status_, shell_.frame(),
                                              [this](const std::string& line) { shell_.console.TesztBe(line); }}),
      search_(search::SearchContext{context.platform, config_, typeLists_, walker_, context.commandLine, searchView_,
                                    status_, shell_.frame(), context.fileVersion}) {
    walker_.OnProcess = [this](search::TSearchFolders&, const std::string& dir, int64_t countFiles, int64_t) {
        walkerProcess(dir, countFiles);
    };
    walker_.OnChanged = [this](search::TSearchFolders&, int64_t, int64_t) { walkerChanged(); };
    run_.beepSuppressed = [this] { return search_.beepSuppressed; };
    run_.runEnded = [this](bool halted) { recordRun(halted); };
    run_.showPreview = [this](cleaning::RunPreview preview) {
        search_.showCleaningPreview(std::move(preview.files), static_cast<int64_t>(preview.keptFresh.size()));
    };
    search_.shell = &context.shell;
    search_.undeletables = &foundFilesAutodel_;
}

void Session::walkerProcess(const std::string& dir, int64_t countFiles) {
    if (ctx_.commandLine.isAutomatic()) frame().setSplashPath(ctx_.platform.fs.shortPath(dir), dir);
    switch (walker_.Tag) {
        case app::Activity::Cleaning:
            run_.SearchFoldersProcess(dir);
            break;
        case app::Activity::FileSearch:
            search_.SearchFoldersProcess(dir, countFiles);
            break;
        case app::Activity::ContainerSearch:
            discovery_.SearchFoldersProcess(dir);
            break;
        default:  // idle, or an operation that is no walk
            break;
    }
}

void Session::walkerChanged() {
    frame().setTrayHint(app::programTitle(ctx_.fileVersion));
    switch (walker_.Tag) {
        case app::Activity::Cleaning:
            run_.SearchFoldersChanged(walker_);
            break;
        case app::Activity::FileSearch:
            search_.SearchFoldersChanged();
            break;
        case app::Activity::ContainerSearch:
            discovery_.SearchFoldersChanged();
            break;
        default:  // idle, or an operation that is no walk
            break;
    }
}

void Session::startAutomaticRun() {
    automaticRun_ = true;
    run_.button_begincleanClick();
    automaticRun_ = false;
}

void Session::recordRun(bool halted) {
    cleaning::RunEntry entry;
    entry.when = ctx_.platform.clock.now();
    // Only the run the start-up began is automatic; one started from the tray afterwards,
    // even while it is still on the call stack, is the user's.
    entry.kind = automaticRun_ ? cleaning::RunKind::Automatic : cleaning::RunKind::Manual;
    automaticRun_ = false;
    entry.deletedFiles = record_.deletedFiles;
    entry.bytesFreed = record_.runTotal;
    entry.undeletable = static_cast<int64_t>(record_.undeletable.size());
    entry.halted = halted;
    history_.record(entry, ctx_.commandLine.isAutomatic());
}

void Session::haltOperation() {
    if (run_.running()) {
        run_.button_reporthaltClick();
    } else if (walker_.Tag == app::Activity::FileSearch) {
        search_.button_searchhaltClick();
    } else if (discovery_.running() && discovery_.caption() == containers::kHaltCaption) {
        discovery_.button_initialClick();
    }
    // Any other operation notices the code is no longer its own at its next step.
    walker_.Stop();
    walker_.Tag = app::Activity::Idle;
}

bool Session::loadConfiguration(int screenWidth, int screenHeight) {
    const bool updated = shell_.FormCreate(screenWidth, screenHeight);
    containers::sortRows(config_.list_temps, containers::kLoadedContainerOrder);
    containers::sortRows(config_.list_projects, containers::kLoadedTaskOrder);
    walker_.DoRecursive = config_.check_resursivesearchmode;
    options_.applyStoredSettings();
    history_.load();
    return updated;
}

void Session::refreshLists() {
    cleaning::refreshContainerList(config_.list_temps, ctx_.platform);
    cleaning::refreshTaskList(config_.list_projects, ctx_.platform.fs);
    cleaningView_.listsChanged();
}

std::optional<std::string> Session::receiveHandover(std::string_view payload) {
    return app::receiveHandover(ctx_.platform.fs, ctx_.programDirectory, payload, walker_.Tag);
}

void Session::searchHandedOver(const std::string& path) {
    if (walker_.Tag != app::Activity::Idle) return;
    if (!path.empty() && ctx_.platform.fs.directoryExists(path) && shell_.ntFamily) {
        frame().showTrayBalloon(app::searchBalloonTitle(ctx_.fileVersion), app::searchBalloonText(path));
    }
    search_.directoryHandover(path);
}

std::string Session::zipTargetDirectory() {
    config::applyZipDirectoryDefault(config_, ctx_.platform.fs, ctx_.programDirectory);
    return config_.zipDirectory;
}

}  // namespace kefelo::session
