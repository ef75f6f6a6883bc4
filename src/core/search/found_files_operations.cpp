// The search page model's commands that act on the found files: delete and move the
// active files, and the current row's items of the context menu.
#include "core/search/found_files_operations.h"

#include <algorithm>
#include <deque>
#include <memory>

#include "base/text/codec.h"
#include "base/text/format.h"
#include "core/app/busy_guard.h"
#include "core/config/list_file.h"
#include "core/search/message_pump.h"
#include "core/search/move_log.h"
#include "core/search/recycle_batch.h"
#include "core/search/search_page_model.h"

namespace kefelo::search {
namespace {
using config::Mark;
using platform::Answer;
using platform::Buttons;
using platform::MessageKind;

// Longer paths are refused before Notepad, a program or Explorer is started with them.
constexpr size_t kLaunchPathLimit = 1000;

size_t characterCount(std::string_view s) {
    size_t count = 0;
    for (size_t pos = 0; pos < s.size(); ++count) text::nextCodePoint(s, pos);
    return count;
}

std::string quoted(std::string_view path) { return "\"" + std::string(path) + "\""; }

std::string grouped(int64_t bytes) { return text::Ezredel(text::toDecimal(bytes)); }

// Runs the queue when due and shows the label's progress about as often.
class OperationPump {
public:
    OperationPump(platform::Clock& clock, platform::UiServices& ui, uint64_t intervalMs, std::function<void()> show)
        : clock_(clock),
          pump_(clock, ui, intervalMs),
          intervalMs_(intervalMs),
          show_(std::move(show)),
          lastShownMs_(clock.tickMs()) {}

    void step() {
        const uint64_t now = clock_.tickMs();
        if (now - lastShownMs_ >= intervalMs_) {
            show_();
            lastShownMs_ = now;
        }
        pump_.pumpWhenDue();
    }

private:
    platform::Clock& clock_;
    MessagePump pump_;
    uint64_t intervalMs_;
    std::function<void()> show_;
    uint64_t lastShownMs_;
};

}  // namespace

bool activeFilesActionable(std::string_view label) { return !label.starts_with("0") && !label.starts_with("["); }

std::string protectQuestion(std::string_view name) {
    return "Ön a következő nevű állomány védettségét kérte:\r\n" + std::string(name) +
           "\r\n\r\nEz azt jelenti, hogy a Kefeló program az ilyen nevű állományokon átugrik, tehát nem ajánlja fel "
           "törölhetőnek, illetve a Tárolóürítésnél ilyen nevű állományt nem távolít el.\r\n\r\n(A Kefeló egy "
           "listában tárolja a védett állományok neveit, a listát a \"Beállítások\" panelen tudja "
           "karbantartani)\r\n\r\nVédetté teszi a kijelölt állomány-nevet?";
}

bool SearchPageModel::activeFilesActionable() const {
    return !operating_ && found.holdsResults() && search::activeFilesActionable(label_findselect);
}

// The questions at the end are part of the operation: closing them activates the main
// window, and the refresh that would bring must not replace the result just shown.
void SearchPageModel::beginOperation() {
    operating_ = true;
    list_findsEnabled = group_findselectEnabled = false;
    changed();
}

void SearchPageModel::endOperation() {
    list_findsEnabled = group_findselectEnabled = true;
    // The rows left still count for the buttons; the label keeps the result.
    found.recount();
    ctx_.view.foundFilesChanged();
    changed();
}

std::string notRecycledMessage(size_t count, const char* reason) {
    return std::to_string(count) + " kijelölt állományt a Lomtár nem fogadott el (" + reason +
           "), ezért nem töröltem őket: bent maradnak a \"Talált állományok\" listájában kipipálva.";
}

void SearchPageModel::button_findsselectdeleteClick() {
    if (!activeFilesActionable() || app::FutValami(activity(), ctx_.platform.ui)) return;
    platform::Platform& p = ctx_.platform;
    if (ctx_.config.check_viewalerts &&
        p.ui.message(MessageKind::Confirmation, Buttons::YesNo, kDeleteQuestion) != Answer::Yes)
        return;
    // From here to the last question nothing may start beside it or replace the list:
    // a hand-over is answered busy, and a quit stops the loop.
    const app::BusyScope busy(ctx_.Search.Tag, app::Activity::FoundFilesDelete);
    if (!busy.owns()) return;

    int64_t freed = 0;
    label_findselectBold = true;
    group_findselect = kFreedCaption;
    const auto freedText = [&freed] { return "[ " + grouped(freed) + " bájt. ]"; };
    label_findselect = freedText();
    beginOperation();

    std::vector<std::string> batchLines;
    std::vector<char> removed(found.size());
    const uint64_t generation = found.generation();
    // Into the bin: the rows wait in the batch, in the order they were added, until the
    // shell has answered for them.
    std::deque<size_t> waiting;
    size_t notRecycled = 0;
    platform::Recycling firstRefusal = platform::Recycling::Refused;
    std::unique_ptr<RecycleBatch> recycle;
    if (ctx_.config.check_recyclefound && shell) {
        recycle = std::make_unique<RecycleBatch>(*shell, [&](const RecycleBatch::Item& item, platform::Recycling outcome) {
            const size_t i = waiting.front();
            waiting.pop_front();
            if (outcome == platform::Recycling::Recycled) {
                removed[i] = 1;
                freed += item.size;
                label_findselect = freedText();
            } else if (notRecycled++ == 0) {
                firstRefusal = outcome;
            }
        });
    }
    OperationPump pump(p.clock, p.ui, PumpIntervalMs, [this] { changed(); });
    for (size_t i = 0; i < removed.size(); ++i) {
        pump.step();
        // What the queue ran emptied or replaced the list: its row numbers are gone.
        if (found.generation() != generation || !busy.owns()) break;
        if (found.row(i).mark != Mark::Active) continue;
        const std::string path = found.fullPath(i);
        if (recycle) {
            const std::optional<platform::DirEntry> entry = p.fs.find(path);
            if (!entry) continue;  // gone meanwhile: nothing to take back
            waiting.push_back(i);
            recycle->add({path, static_cast<int64_t>(entry->size), entry->attributes});
            continue;
        }
        const std::optional<uint32_t> attributes = p.fs.getAttributes(path);
        if (attributes) p.fs.setAttributes(path, 0);
        const std::optional<platform::DirEntry> entry = p.fs.find(path);
        if (p.fs.deleteFile(path)) {
            removed[i] = 1;
            freed += entry ? static_cast<int64_t>(entry->size) : 0;
            label_findselect = freedText();
            continue;
        }
        if (attributes) p.fs.setAttributes(path, *attributes);
        if (!p.fs.fileExists(path) || !undeletables) continue;
        if (std::optional<std::string> line = undeletables->deleteLine(path)) batchLines.push_back(std::move(*line));
    }
    if (recycle) recycle->settle(found.generation() == generation && busy.owns());
    if (found.generation() == generation) found.removeRows(removed);
    endOperation();

    if (!batchLines.empty() && p.ui.message(MessageKind::Confirmation, Buttons::YesNo, kQueueQuestion) == Answer::Yes)
        queueUndeletables(batchLines);
    if (notRecycled > 0) {
        p.ui.message(MessageKind::Warning, Buttons::Ok, notRecycledMessage(notRecycled, recyclingRefusalText(firstRefusal)));
    }

    foundHint_ = found.holdsResults() ? kFoundHint : kNothingLeftToDeleteHint;
    showList();
    if (found.holdsResults()) {
        found.currentRow = 0;
        ctx_.view.focusFoundFiles();
    }
    operating_ = false;
    changed();
}

void SearchPageModel::queueUndeletables(const std::vector<std::string>& lines) {
    platform::UiServices& ui = ctx_.platform.ui;
    if (!undeletables->batchExists()) {
        undeletables->writeNewBatch(lines);
        return;
    }
    switch (ui.message(MessageKind::Confirmation, Buttons::YesNoCancel, kExtendQuestion)) {
        case Answer::Yes:
            if (!undeletables->extendBatch(lines)) ui.message(MessageKind::Error, Buttons::Ok, kExtendFailed);
            break;
        case Answer::No:
            undeletables->writeNewBatch(lines);
            break;
        default:
            break;
    }
}

void SearchPageModel::button_findsselectmoveClick() {
    if (!activeFilesActionable() || app::FutValami(activity(), ctx_.platform.ui)) return;
    platform::Platform& p = ctx_.platform;
    const std::optional<std::string> chosen = p.ui.chooseFolder(kMovePickerTitle, location.text);
    if (!chosen || chosen->empty()) return;
    const app::BusyScope busy(ctx_.Search.Tag, app::Activity::FoundFilesMove);
    if (!busy.owns()) return;
    std::string target = *chosen;
    if (target.back() != '\\') target += '\\';

    MoveLog log(*chosen);
    int64_t moved = 0;
    std::vector<std::string> sourceRoots;
    beginOperation();
    std::vector<char> removed(found.size());
    const uint64_t generation = found.generation();
    OperationPump pump(p.clock, p.ui, PumpIntervalMs, [this] { changed(); });
    for (size_t i = 0; i < removed.size(); ++i) {
        pump.step();
        if (found.generation() != generation || !busy.owns()) break;
        const FoundFile& row = found.row(i);
        if (row.mark != Mark::Active) continue;
        const std::string path = found.fullPath(i);
        const std::string destination = target + row.name;
        // A file moved onto itself stays where it was, and must stay listed.
        if (!text::equalsNoCase(path, destination) && p.fs.moveFile(path, destination)) {
            removed[i] = 1;
            moved += row.size;
            log.moved(path);
            const std::optional<std::string> root = volumeRootOf(path);
            if (root && std::none_of(sourceRoots.begin(), sourceRoots.end(),
                                     [&](const std::string& r) { return text::equalsNoCase(r, *root); }))
                sourceRoots.push_back(*root);
        } else if (p.fs.fileExists(path)) {
            log.notMoved(path);
        }
    }
    if (found.generation() == generation) found.removeRows(removed);
    endOperation();

    std::string message = log.summary(target);
    if (log.hasFailures()) {
        foundHint_ = kMoveFailedHint;
        message += "\r\n";
    }
    group_findselect = kMovedCaption;
    label_findselectBold = true;
    label_findselect = "[ " + grouped(moved) + " bájt ]";
    changed();

    const std::string targetRoot = volumeRootOf(target).value_or(target);
    message += diskReport(sourceRoots, targetRoot, [&p](const std::string& root) { return p.fs.diskSpace(root); });

    const std::string logPath = target + moveLogName(p.clock.now());
    if (p.ui.message(MessageKind::Information, Buttons::YesNo, moveLogQuestion(message, log.hasFailures(), logPath)) ==
        Answer::Yes) {
        if (p.fs.writeFileAtomic(logPath, text::utf8ToCp1250(log.text()))) {
            p.fs.setAttributes(logPath, platform::attr::kReadOnly);
            if (characterCount(logPath) > kLaunchPathLimit) {
                p.ui.message(MessageKind::Error, Buttons::Ok, kPathTooLong);
            } else if (shell) {
                shell->executeFile("notepad.exe", quoted(logPath), "", true);
            }
        } else if (ctx_.config.check_viewalerts) {
            p.ui.message(MessageKind::Warning, Buttons::Ok, moveLogWriteFailed(logPath, target));
        }
    }
    found.currentRow = 0;
    operating_ = false;
    changed();
}

void SearchPageModel::rowCommand(RowCommand command) {
    if (operating_ || !FoundFilesMenu::rowItemsEnabled(found)) return;
    switch (command) {
        case RowCommand::OpenInNotepad:
            return openCurrentRow(false);
        case RowCommand::Run:
            return openCurrentRow(true);
        case RowCommand::OpenFolder:
            return openCurrentFolder();
        case RowCommand::Protect:
            return menuitem_searchfilenametoprotectClick();
        case RowCommand::Properties:
            return showCurrentProperties();
    }
}

// The file's attributes stay as they are: a read-only file opens read-only.
void SearchPageModel::openCurrentRow(bool run) {
    if (!found.validRow(found.currentRow) || !shell) return;
    const std::string path = found.fullPath(static_cast<size_t>(found.currentRow));
    if (characterCount(path) > kLaunchPathLimit) {
        ctx_.platform.ui.message(MessageKind::Error, Buttons::Ok, kPathTooLong);
        return;
    }
    if (run) {
        shell->executeFile(path, "", "", true);
    } else {
        shell->executeFile("notepad.exe", quoted(path), "", true);
    }
}

void SearchPageModel::openCurrentFolder() {
    if (!found.validRow(found.currentRow) || !shell) return;
    const std::string& folder = found.folderText(static_cast<size_t>(found.currentRow));
    if (characterCount(folder) + 1 > kLaunchPathLimit) {
        ctx_.platform.ui.message(MessageKind::Error, Buttons::Ok, kFolderTooLong);
        return;
    }
    // A drive's root needs its backslash; any other folder goes without, since a quoted
    // argument ending in a backslash would escape its closing quote.
    const bool driveRoot = folder.size() == 2 && folder[1] == ':';
    shell->executeFile("explorer.exe", driveRoot ? folder + "\\" : quoted(folder), "", true);
}

void SearchPageModel::showCurrentProperties() {
    const std::optional<std::string> path = found.rowHint(found.currentRow);
    if (!path || !shell || !ctx_.platform.fs.fileExists(*path)) return;
    shell->propertiesDialog(*path);
}

void SearchPageModel::menuitem_searchfilenametoprotectClick() {
    if (operating_ || !found.validRow(found.currentRow)) return;
    const std::string name = found.row(static_cast<size_t>(found.currentRow)).name;
    if (config::refuseUnstorable(ctx_.platform.ui, name)) return;
    std::vector<std::string>& names = ctx_.config.list_protectfiles.items;
    const bool ask = ctx_.config.check_viewalerts || (!names.empty() && names.back() == "opa11.bak");
    if (ask &&
        ctx_.platform.ui.message(MessageKind::Confirmation, Buttons::YesNo, protectQuestion(name)) != Answer::Yes)
        return;
    if (!config::isProtected(names, name)) names.push_back(name);

    // The rows the next search would leave out go now, by the same test.
    const config::ProtectionTest isProtected({name});
    std::vector<char> removed(found.size());
    for (size_t i = 0; i < found.size(); ++i) removed[i] = isProtected(found.row(i).name) ? 1 : 0;
    found.removeRows(removed);
    ctx_.view.foundFilesChanged();
    if (pruneZipUndeletables) pruneZipUndeletables();

    label_findsabout = found.foundSummary();
    foundHint_ = found.holdsResults() ? kProtectedFoundHint : kNothingLeftHint;
    sgTfrissites();
}

}  // namespace kefelo::search
