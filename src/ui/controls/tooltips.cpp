#include "ui/controls/tooltips.h"

#include <commctrl.h>

#include "platform/win32/wide.h"

namespace kefelo::ui {

bool Tooltips::create(HWND owner, int maxWidth) {
    owner_ = owner;
    tips_ = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX,
                            CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, owner, nullptr, nullptr, nullptr);
    if (!tips_) return false;
    SendMessageW(tips_, TTM_SETMAXTIPWIDTH, 0, maxWidth);
    return true;
}

void Tooltips::set(int id, std::string_view text) {
    if (!tips_) return;
    auto shown = shown_.find(id);
    if (shown != shown_.end() && shown->second == text) return;
    std::wstring wide = platform::win32::widen(text);
    TTTOOLINFOW tool{};
    tool.cbSize = sizeof tool;
    tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
    tool.hwnd = owner_;
    tool.uId = reinterpret_cast<UINT_PTR>(GetDlgItem(owner_, id));
    tool.lpszText = wide.data();
    SendMessageW(tips_, shown == shown_.end() ? TTM_ADDTOOLW : TTM_UPDATETIPTEXTW, 0, reinterpret_cast<LPARAM>(&tool));
    shown_[id] = std::string(text);
}

}  // namespace kefelo::ui
