#pragma once
// "autodel.bat": finishing and writing the batch of undeletable files, and the three
// tool-page operations on it (view, save elsewhere, register for the next start).
#include <functional>
#include <string>
#include <string_view>

#include "core/cleaning/batch_text.h"
#include "core/cleaning/cleaning_log.h"
#include "platform/file_system.h"
#include "platform/shell.h"
#include "platform/system_info.h"
#include "platform/ui_services.h"

namespace kefelo::cleaning {

inline constexpr std::string_view kAutodelName = "autodel.bat";

struct AutodelEnv {
    platform::FileSystem& fs;
    platform::SystemInfo& sys;
    platform::UiServices& ui;
    platform::Shell& shell;
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
    // Makes the Windows drive's autoexec.bat call autodel.bat, saves the configuration and,
    // unless in diagnostic mode, restarts Windows. When the call could not be written it
    // says so and stops there: no save, no restart.
    void registerForNextStart(const std::function<void()>& saveConfiguration, bool diagnosticMode);

    std::string autodelPath() const { return env_.programDirectory + std::string(kAutodelName); }

private:
    bool guard();
    char windowsDrive() const;
    bool writeBatch(const BatchText& batch);

    AutodelEnv env_;
    bool runEnded_ = false;
};

}  // namespace kefelo::cleaning
