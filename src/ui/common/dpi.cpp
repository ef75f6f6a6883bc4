#include "ui/common/dpi.h"

namespace kefelo::ui {
namespace {
template <typename Fn>
Fn user32Function(const char* name) {
    HMODULE user32 = GetModuleHandleW(L"user32.dll");
    return user32 ? reinterpret_cast<Fn>(reinterpret_cast<void*>(GetProcAddress(user32, name))) : nullptr;
}

UINT systemDpi() {
    const WindowDc screen(nullptr);
    const int dpi = screen.dc() ? GetDeviceCaps(screen.dc(), LOGPIXELSY) : 96;
    return dpi > 0 ? static_cast<UINT>(dpi) : 96;
}
}  // namespace

UINT dpiOf(HWND hwnd) {
    using GetDpiForWindowFn = UINT(WINAPI*)(HWND);
    static const auto getDpiForWindow = user32Function<GetDpiForWindowFn>("GetDpiForWindow");
    if (getDpiForWindow && hwnd) {
        if (UINT dpi = getDpiForWindow(hwnd)) return dpi;
    }
    return systemDpi();
}

UniqueFont createMessageFont(UINT dpi) {
    using SpiForDpiFn = BOOL(WINAPI*)(UINT, UINT, PVOID, UINT, UINT);
    static const auto spiForDpi = user32Function<SpiForDpiFn>("SystemParametersInfoForDpi");

    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = sizeof metrics;
    bool scaled = false;
    if (spiForDpi && spiForDpi(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0, dpi)) {
        scaled = true;
    } else if (!SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0)) {
        // No metrics at all: a font that every system has and that holds the accents.
        LOGFONTW fallback{};
        fallback.lfHeight = -scaleForDpi(11, dpi);
        fallback.lfWeight = FW_NORMAL;
        fallback.lfCharSet = DEFAULT_CHARSET;
        lstrcpynW(fallback.lfFaceName, L"Tahoma", LF_FACESIZE);
        return UniqueFont(CreateFontIndirectW(&fallback));
    }
    LOGFONTW font = metrics.lfMessageFont;
    if (!scaled) font.lfHeight = MulDiv(font.lfHeight, static_cast<int>(dpi), static_cast<int>(systemDpi()));
    return UniqueFont(CreateFontIndirectW(&font));
}

}  // namespace kefelo::ui
