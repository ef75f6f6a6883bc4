#pragma once
// The one answer to "would the cleaning run delete this file?". The run asks it before each
// delete and the preview before each listed row, so the preview can never show less than
// the run then takes. The walk itself (which folders, which masks, no link followed) is the
// same code in both; this decides the single file the walk met.
#include <cstdint>
#include <string_view>

#include "core/config/config_model.h"
#include "core/config/protected_names.h"
#include "platform/clock.h"

namespace kefelo::cleaning {

enum class RunFileVerdict {
    Delete,
    NotAFile,   // a folder or a link to one: emptied or passed over by the walk, never deleted as a file
    Protected,  // its name is on the protected list
    TooFresh,   // modified within the hours the user wants temp files kept
};

// Hidden, system and read-only files are deleted like any other (the run clears those
// bits first); a link to a file is a file here, and deleting it removes only the link.
class RunFileRule {
public:
    // `nowUtc` in FILETIME ticks; `keepFreshHours` 0 switches the age test off.
    RunFileRule(const config::ConfigModel& config, int64_t nowUtc, int32_t keepFreshHours);

    RunFileVerdict judge(std::string_view name, uint32_t attributes, int64_t lastWriteUtc) const;

private:
    config::ProtectionTest isProtected_;
    // Files written after this moment are kept; INT64_MAX when the age test is off.
    int64_t freshFrom_;
};

// The rule as the cleaning run and its preview apply it: the age option of the settings,
// measured from now.
RunFileRule runFileRule(const config::ConfigModel& config, platform::Clock& clock);

}  // namespace kefelo::cleaning
