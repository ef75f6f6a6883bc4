#pragma once
// "autodel.bat": finishing and writing the batch of undeletable files, and the three
// tool-page operations on it (view, save elsewhere, register for the next start).
#include <functional>
#include <vector>
#include <string>
#include <string_view>

#include "core/cleaning/batch_text.h"
#include "core/cleaning/cleaning_log.h"
#include "platform/file_system.h"
#include "platform/registry.h"
#include "platform/shell.h"
#include "platform/system_info.h"
#include "platform/ui_services.h"

namespace kefelo::cleaning {

inline constexpr std::string_view kAutodelName = "autodel.bat";
// Where the per-user registration of autodel.bat is kept: run once at the next logon.
inline constexpr std::string_view kRunOnceKey = "Software\\Microsoft\\Windows\\CurrentVersion\\RunOnce";
inline constexpr std::string_view kRunOnceValue = "Kefelo autodel.bat";

// How the files of autodel.bat are deleted at the next start of the computer.
enum class AutodelWay {
    // Windows 9x: autoexec.bat calls the batch before Windows loads.
    AutoexecBat,
    // The NT family, an administrator's process: the system deletes each file at its next
    // start, before any program can hold it.
    DeleteAtRestart,
    // The NT family without those rights: the batch runs once at the user's next logon.
    RunAtLogon,
};

// The files the "del " lines of a batch name, in order, as written (quotes taken off and
// doubled "%" made single); lines that name no single full path are left out.
std::vector<std::string> batchDeletePaths(const std::vector<std::string>& lines);

struct AutodelEnv {
    platform::FileSystem& fs;
    platform::SystemInfo& sys;
    platform::UiServices& ui;
    platform::Shell& shell;
    platform::Registry& registry;
    BatchText& batch;              // mBAT
    CleaningLog& log;              // the report the batch note goes into
    std::string programDirectory;  // with trailing "\"
    // check_viewalerts at the moment of asking.
    std::function<bool()> viewAlerts;
};

class AutodelOperations {
public:
    explicit AutodelOperations(AutodelEnv env) : env_(std::move(env)) {}

    // 1: a new batch text with its header. 0: the restore lines and the closing block; when
    // the batch holds entries it is written read-only to the program directory and the
    // log gets its note. Returns whether the batch holds entries and was written.
    bool mBatKezd(int mode);
    // mBatKezd(0) for a batch text of its own (the found-files deletion's, which must not
    // disturb a run's): finished, and written when it holds entries, with the warning when
    // that fails unless the caller says it in its own words. The log gets no note.
    bool finishAndWrite(BatchText& batch, bool warnOnFailure = true);
    bool ntFamily() const;

    // Set when a run has ended (and when the found-files deletion wrote the batch); the
    // three operations below refuse before that.
    void setRunEnded() { runEnded_ = true; }
    bool runEnded() const { return runEnded_; }

    // Opens the program directory's autodel.bat in Notepad.
    void view();
    // Copies it to a folder the user picks, asking before replacing a file there.
    void saveElsewhere();
    // 0: go on (no such file, or replace it); 1: it was opened for a look first; 2: cancel.
    int FileMehet(const std::string& target);
    // The way registerForNextStart takes on this system and with these rights.
    AutodelWay way() const;
    // Registers the files of autodel.bat for the next start of the computer (the way
    // above), then, when the user asked for it and not in diagnostic mode, saves the
    // configuration and restarts Windows. When the registration failed it says so and
    // stops there: no save, no restart.
    void registerForNextStart(const std::function<void()>& saveConfiguration, bool diagnosticMode);

    std::string autodelPath() const { return env_.programDirectory + std::string(kAutodelName); }

private:
    bool guard();
    bool registerInAutoexec();
    // The NT family's ways; false after telling the user why nothing is to restart for.
    bool registerOnNt(AutodelWay way, bool& restart);
    bool isSavedStartupCopy(const std::string& path);
    char windowsDrive() const;
    bool writeBatch(const BatchText& batch);

    AutodelEnv env_;
    bool runEnded_ = false;
};

}  // namespace kefelo::cleaning
