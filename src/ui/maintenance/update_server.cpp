#include "ui/maintenance/update_server.h"

#include <windows.h>

#include <optional>
#include <string_view>

#include "core/maintenance/update_rules.h"
#include "platform/win32/wide.h"

namespace kefelo::ui {

std::string updateServerAddress() {
    wchar_t buffer[2048];
    const DWORD n = GetEnvironmentVariableW(L"KEFELO_UPDATE_SERVER", buffer, 2048);
    if (n == 0 || n >= 2048) return maintenance::updateServerBase(std::nullopt);
    return maintenance::updateServerBase(platform::win32::narrow(std::wstring_view(buffer, n)));
}

}  // namespace kefelo::ui
