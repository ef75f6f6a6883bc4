#include <windows.h>

#include "platform/win32/win32_platform.h"

namespace kefelo::platform::win32 {

timeutil::TDateTime Win32Clock::now() {
    SYSTEMTIME st;
    GetLocalTime(&st);
    return timeutil::toDateTime({st.wYear, st.wMonth, st.wDay, st.wHour, st.wMinute, st.wSecond, st.wMilliseconds});
}

uint64_t Win32Clock::tickMs() { return GetTickCount64(); }

int64_t Win32Clock::utcToLocal(int64_t utcTicks) {
    FILETIME utc, local;
    utc.dwLowDateTime = static_cast<DWORD>(static_cast<uint64_t>(utcTicks) & 0xFFFFFFFFu);
    utc.dwHighDateTime = static_cast<DWORD>(static_cast<uint64_t>(utcTicks) >> 32);
    if (!FileTimeToLocalFileTime(&utc, &local)) return utcTicks;
    return static_cast<int64_t>((static_cast<uint64_t>(local.dwHighDateTime) << 32) | local.dwLowDateTime);
}

}  // namespace kefelo::platform::win32
