#include "core/cleaning/run_file_rule.h"

#include <limits>

#include "base/time/datetime.h"
#include "platform/file_system.h"

namespace kefelo::cleaning {

namespace {
constexpr int64_t kTicksPerHour = 36'000'000'000;
}  // namespace

RunFileRule::RunFileRule(const config::ConfigModel& config, int64_t nowUtc, int32_t keepFreshHours)
    : isProtected_(config.list_protectfiles.items), freshFrom_(std::numeric_limits<int64_t>::max()) {
    if (keepFreshHours > 0) freshFrom_ = nowUtc - keepFreshHours * kTicksPerHour;
}

RunFileVerdict RunFileRule::judge(std::string_view name, uint32_t attributes, int64_t lastWriteUtc) const {
    if (attributes & platform::attr::kDirectory) return RunFileVerdict::NotAFile;
    if (isProtected_(name)) return RunFileVerdict::Protected;
    // A time in the future (a clock put back, a file from another machine) is fresh too:
    // nothing tells how old it really is.
    if (lastWriteUtc > freshFrom_) return RunFileVerdict::TooFresh;
    return RunFileVerdict::Delete;
}

RunFileRule runFileRule(const config::ConfigModel& config, platform::Clock& clock) {
    // The clock tells local time; the listing's times are UTC. The offset of now is good
    // for a rule counted in whole hours.
    const int64_t local = timeutil::toFileTime(clock.now());
    const int64_t nowUtc = local - (clock.utcToLocal(local) - local);
    return RunFileRule(config, nowUtc, config.keepFreshHours);
}

}  // namespace kefelo::cleaning
