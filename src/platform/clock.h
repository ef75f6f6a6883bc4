#pragma once
#include <cstdint>

#include "base/time/datetime.h"

namespace kefelo::platform {

class Clock {
public:
    virtual ~Clock() = default;
    // Local date and time now.
    virtual timeutil::TDateTime now() = 0;
    // Milliseconds from a fixed point, for measuring intervals.
    virtual uint64_t tickMs() = 0;
    // UTC FILETIME ticks to local time (FileTimeToLocalFileTime).
    virtual int64_t utcToLocal(int64_t utcTicks) = 0;
};

}  // namespace kefelo::platform
