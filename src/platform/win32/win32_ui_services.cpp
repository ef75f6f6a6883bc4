#include "platform/win32/win32_ui_services.h"

#include <commdlg.h>
#include <shlobj.h>

#include <string>
#include <vector>

#include "platform/win32/wide.h"

namespace kefelo::platform::win32 {
namespace {

// The system's own button captions follow the Windows language; ours are always
// Hungarian, so the box's buttons are renamed as it opens.
thread_local HHOOK g_captionHook = nullptr;

LRESULT CALLBACK renameButtons(int code, WPARAM wParam, LPARAM lParam) {
    if (code == HCBT_ACTIVATE) {
        HWND box = reinterpret_cast<HWND>(wParam);
        wchar_t cls[32] = {};
        GetClassNameW(box, cls, 32);
        if (std::wstring(cls) == L"#32770") {
            SetDlgItemTextW(box, IDOK, L"OK");
            SetDlgItemTextW(box, IDYES, L"&Igen");
            SetDlgItemTextW(box, IDNO, L"&Nem");
            SetDlgItemTextW(box, IDCANCEL, L"Mégse");
        }
        HHOOK hook = g_captionHook;
        g_captionHook = nullptr;
        UnhookWindowsHookEx(hook);
        return 0;
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

UINT iconOf(MessageKind kind) {
    switch (kind) {
        case MessageKind::Warning: return MB_ICONWARNING;
        case MessageKind::Error: return MB_ICONERROR;
        case MessageKind::Information: return MB_ICONINFORMATION;
        case MessageKind::Confirmation: return MB_ICONQUESTION;
    }
    return 0;
}

UINT buttonsOf(Buttons buttons) {
    switch (buttons) {
        case Buttons::Ok: return MB_OK;
        case Buttons::YesNo: return MB_YESNO;
        case Buttons::YesNoCancel: return MB_YESNOCANCEL;
    }
    return MB_OK;
}

// --- input box: an in-memory dialog template ---

constexpr int kIdPrompt = 100;
constexpr int kIdEdit = 101;

struct InputBoxState {
    const InputBoxRequest* request;
    std::wstring result;
};

void align4(std::vector<WORD>& t) {
    if (t.size() % 2) t.push_back(0);
}

void appendString(std::vector<WORD>& t, const std::wstring& s) {
    for (wchar_t c : s) t.push_back(static_cast<WORD>(c));
    t.push_back(0);
}

void appendItem(std::vector<WORD>& t, DWORD style, short x, short y, short cx, short cy, WORD id, WORD cls,
                const std::wstring& text) {
    align4(t);
    DLGITEMTEMPLATE item{};
    item.style = style | WS_CHILD | WS_VISIBLE;
    item.x = x;
    item.y = y;
    item.cx = cx;
    item.cy = cy;
    item.id = id;
    const WORD* raw = reinterpret_cast<const WORD*>(&item);
    t.insert(t.end(), raw, raw + sizeof(item) / sizeof(WORD));
    t.push_back(0xFFFF);
    t.push_back(cls);
    appendString(t, text);
    t.push_back(0);  // no creation data
}

std::vector<WORD> inputBoxTemplate(const std::wstring& caption) {
    std::vector<WORD> t;
    DLGTEMPLATE dlg{};
    dlg.style = DS_MODALFRAME | DS_SETFONT | WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_CENTER;
    dlg.cdit = 4;
    dlg.cx = 240;
    dlg.cy = 96;
    const WORD* raw = reinterpret_cast<const WORD*>(&dlg);
    t.insert(t.end(), raw, raw + sizeof(dlg) / sizeof(WORD));
    t.push_back(0);  // no menu
    t.push_back(0);  // default class
    appendString(t, caption);
    t.push_back(8);
    appendString(t, L"MS Shell Dlg 2");
    appendItem(t, SS_LEFT, 7, 7, 226, 40, kIdPrompt, 0x0082, L"");
    appendItem(t, ES_AUTOHSCROLL | WS_BORDER | WS_TABSTOP, 7, 50, 226, 14, kIdEdit, 0x0081, L"");
    appendItem(t, BS_DEFPUSHBUTTON | WS_TABSTOP, 126, 72, 50, 16, IDOK, 0x0080, L"OK");
    appendItem(t, BS_PUSHBUTTON | WS_TABSTOP, 183, 72, 50, 16, IDCANCEL, 0x0080, L"Mégse");
    return t;
}

INT_PTR CALLBACK inputBoxProc(HWND dlg, UINT msg, WPARAM wParam, LPARAM lParam) {
    try {
        switch (msg) {
            case WM_INITDIALOG: {
                auto* state = reinterpret_cast<InputBoxState*>(lParam);
                SetWindowLongPtrW(dlg, DWLP_USER, lParam);
                SetDlgItemTextW(dlg, kIdPrompt, widen(state->request->prompt).c_str());
                SetDlgItemTextW(dlg, kIdEdit, widen(state->request->initial).c_str());
                SendDlgItemMessageW(dlg, kIdEdit, EM_LIMITTEXT, 255, 0);
                if (state->request->x && state->request->y) {
                    SetWindowPos(dlg, nullptr, *state->request->x, *state->request->y, 0, 0,
                                 SWP_NOSIZE | SWP_NOZORDER);
                }
                HWND edit = GetDlgItem(dlg, kIdEdit);
                SetFocus(edit);
                SendMessageW(edit, EM_SETSEL, 0, -1);
                return FALSE;
            }
            case WM_COMMAND:
                if (LOWORD(wParam) == IDOK) {
                    auto* state = reinterpret_cast<InputBoxState*>(GetWindowLongPtrW(dlg, DWLP_USER));
                    wchar_t buffer[256] = {};
                    GetDlgItemTextW(dlg, kIdEdit, buffer, 256);
                    state->result = buffer;
                    EndDialog(dlg, IDOK);
                    return TRUE;
                }
                if (LOWORD(wParam) == IDCANCEL) {
                    EndDialog(dlg, IDCANCEL);
                    return TRUE;
                }
                break;
        }
    } catch (...) {
    }
    return FALSE;
}

// --- folder picker ---

int CALLBACK browseCallback(HWND window, UINT msg, LPARAM, LPARAM data) {
    // The picker has no start-folder field; it is selected once the dialog is up.
    if (msg == BFFM_INITIALIZED && data) SendMessageW(window, BFFM_SETSELECTIONW, TRUE, data);
    return 0;
}

// "desc\0pattern\0...\0\0", the form the file dialogs take.
std::wstring filterString(const std::vector<FileFilter>& filters) {
    std::wstring out;
    for (const auto& f : filters) {
        out += widen(f.description);
        out.push_back(L'\0');
        out += widen(f.pattern);
        out.push_back(L'\0');
    }
    out.push_back(L'\0');
    return out;
}

}  // namespace

Answer Win32UiServices::message(MessageKind kind, Buttons buttons, const std::string& text) {
    g_captionHook = SetWindowsHookExW(WH_CBT, renameButtons, nullptr, GetCurrentThreadId());
    int result = MessageBoxW(owner_, widen(text).c_str(), widen(messageTitle(kind)).c_str(),
                             iconOf(kind) | buttonsOf(buttons) | MB_TASKMODAL);
    if (g_captionHook) {
        UnhookWindowsHookEx(g_captionHook);
        g_captionHook = nullptr;
    }
    switch (result) {
        case IDYES: return Answer::Yes;
        case IDNO: return Answer::No;
        case IDCANCEL: return buttons == Buttons::Ok ? Answer::Ok : Answer::Cancel;
        default: return Answer::Ok;
    }
}

std::optional<std::string> Win32UiServices::inputBox(const InputBoxRequest& request) {
    InputBoxState state{&request, {}};
    std::vector<WORD> tmpl = inputBoxTemplate(widen(request.caption));
    INT_PTR r = DialogBoxIndirectParamW(GetModuleHandleW(nullptr), reinterpret_cast<LPCDLGTEMPLATEW>(tmpl.data()),
                                        owner_, inputBoxProc, reinterpret_cast<LPARAM>(&state));
    if (r != IDOK) return std::nullopt;
    return narrow(state.result);
}

void Win32UiServices::pumpMessages() {
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
        if (msg.message == WM_QUIT) {
            // Keep the quit for the main loop, which ends once the walk returns.
            quitRequested_ = true;
            quitCode_ = static_cast<int>(msg.wParam);
            PostQuitMessage(quitCode_);
            return;
        }
        if (preTranslate && preTranslate(msg)) continue;
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
}

bool Win32UiServices::inputPending() { return HIWORD(GetQueueStatus(QS_INPUT)) != 0; }

std::optional<std::string> Win32UiServices::chooseFolder(const std::string& title, const std::string& startDir) {
    std::wstring wtitle = widen(title);
    std::wstring wstart = widen(startDir);
    // The picker selects a folder given without a trailing backslash, except a drive root.
    if (wstart.size() > 3 && wstart.back() == L'\\') wstart.pop_back();
    wchar_t display[MAX_PATH] = {};
    BROWSEINFOW info{};
    info.hwndOwner = owner_;
    info.pszDisplayName = display;
    info.lpszTitle = wtitle.c_str();
    info.ulFlags = BIF_RETURNONLYFSDIRS;
    info.lpfn = browseCallback;
    info.lParam = wstart.empty() ? 0 : reinterpret_cast<LPARAM>(wstart.c_str());
    PIDLIST_ABSOLUTE chosen = SHBrowseForFolderW(&info);
    if (!chosen) return std::nullopt;
    std::wstring path(32768, L'\0');
    BOOL ok = SHGetPathFromIDListEx(chosen, path.data(), static_cast<DWORD>(path.size()), GPFIDL_DEFAULT);
    CoTaskMemFree(chosen);
    if (!ok) return std::nullopt;
    path.resize(wcslen(path.c_str()));
    if (path.empty()) return std::nullopt;
    return narrow(path);
}

std::optional<SaveFileChoice> Win32UiServices::saveFileDialog(const std::string& title,
                                                              const std::vector<FileFilter>& filters,
                                                              const std::string& initialDir) {
    std::wstring wtitle = widen(title);
    std::wstring wfilter = filterString(filters);
    std::wstring wdir = widen(initialDir);
    std::wstring file(32768, L'\0');
    OPENFILENAMEW ofn{};
    ofn.lStructSize = sizeof ofn;
    ofn.hwndOwner = owner_;
    ofn.lpstrFilter = wfilter.c_str();
    ofn.nFilterIndex = 1;
    ofn.lpstrFile = file.data();
    ofn.nMaxFile = static_cast<DWORD>(file.size());
    ofn.lpstrInitialDir = wdir.empty() ? nullptr : wdir.c_str();
    ofn.lpstrTitle = wtitle.c_str();
    // No overwrite prompt and no default extension: the callers add both in their own way.
    ofn.Flags = OFN_EXPLORER | OFN_HIDEREADONLY | OFN_ENABLESIZING | OFN_NOCHANGEDIR | OFN_PATHMUSTEXIST;
    if (!GetSaveFileNameW(&ofn)) return std::nullopt;
    file.resize(wcslen(file.c_str()));
    return SaveFileChoice{narrow(file), static_cast<int>(ofn.nFilterIndex)};
}

std::optional<std::string> Win32UiServices::openFileDialog(const std::string& title, const std::string& initialDir) {
    std::wstring wtitle = widen(title);
    std::wstring wdir = widen(initialDir);
    std::wstring file(32768, L'\0');
    OPENFILENAMEW ofn{};
    ofn.lStructSize = sizeof ofn;
    ofn.hwndOwner = owner_;
    // No type list: every file shows.
    ofn.lpstrFile = file.data();
    ofn.nMaxFile = static_cast<DWORD>(file.size());
    ofn.lpstrInitialDir = wdir.empty() ? nullptr : wdir.c_str();
    ofn.lpstrTitle = wtitle.c_str();
    ofn.Flags = OFN_EXPLORER | OFN_HIDEREADONLY | OFN_ENABLESIZING | OFN_NOCHANGEDIR | OFN_FILEMUSTEXIST;
    if (!GetOpenFileNameW(&ofn)) return std::nullopt;
    file.resize(wcslen(file.c_str()));
    if (file.empty()) return std::nullopt;
    return narrow(file);
}

}  // namespace kefelo::platform::win32
