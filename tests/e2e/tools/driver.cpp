// Drives another program's windows for the end-to-end scripts: finds a top-level window by
// title or class and a control inside it (at any depth) by ID, class or caption, then
// clicks, types, reads texts, check states and list items, or waits for a condition.
// Texts in and out are UTF-8; titles and captions may use * and ? and ignore the & of
// mnemonics. Exit status: 0 done, 1 not found / condition not met, 2 bad usage.
#include <windows.h>
// After windows.h.
#include <commctrl.h>
#include <fcntl.h>
#include <io.h>
#include <shellapi.h>

#include <algorithm>
#include <cstdio>
#include <cwchar>
#include <cwctype>
#include <map>
#include <string>
#include <vector>

namespace {

const char kUsage[] =
    "usage: driver COMMAND [WINDOW] [CONTROL] [OPTIONS]\n"
    "WINDOW:  --window TITLE | --window-class CLASS | --hwnd 0xHANDLE   (visible top-level windows)\n"
    "CONTROL: --id N | --class CLASS | --text CAPTION, with --nth K for the K-th match (0-based);\n"
    "         --hidden also finds invisible ones; --timeout MS (default 30000) bounds every wait\n"
    "ITEM:    --item N | --item-text TEXT, --column C for list views; --header: the list view's header\n"
    "commands:\n"
    "  find                      prints the handle once the window/control exists\n"
    "  wait [--gone | --text-is T | --text-has T | --count N | --enabled | --disabled |\n"
    "        --checked | --unchecked | --has-item T]\n"
    "  get-text | set-text TEXT | type TEXT | checked | set-check 0|1 | count | items\n"
    "  click [ITEM] [--double | --right]  buttons get BM_CLICK, others a mouse press at the centre\n"
    "  key KEYS...                focuses the target and presses keys: alt+F4, Return, ctrl+a, x\n"
    "  close                     the system menu's close on the top-level window\n"
    "  foreground                prints the foreground window's title\n"
    "  message-box [--window TITLE] [--press CAPTION]   prints a dialog's text, presses a button\n"
    "  menu --pick-index N [--then M]  chooses the N-th item (separators not counted) of the open popup\n"
    "                            menu; with --then, N opens a submenu and its M-th item is chosen\n"
    "  tree                      lists the window's descendants\n";

// --- arguments and output ---

struct Args {
    std::wstring command;
    std::vector<std::wstring> positional;
    std::map<std::wstring, std::wstring> named;

    bool has(const wchar_t* name) const { return named.count(name) != 0; }
    std::wstring get(const wchar_t* name, const std::wstring& fallback = L"") const {
        auto it = named.find(name);
        return it == named.end() ? fallback : it->second;
    }
    long number(const wchar_t* name, long fallback) const {
        return has(name) ? std::wcstol(get(name).c_str(), nullptr, 0) : fallback;
    }
};

const wchar_t* const kFlags[] = {L"hidden",  L"double",   L"right",   L"header",   L"gone",
                                 L"enabled", L"disabled", L"checked", L"unchecked"};

bool isFlag(const std::wstring& name) {
    for (const wchar_t* flag : kFlags)
        if (name == flag) return true;
    return false;
}

bool parse(Args& args) {
    int argc = 0;
    wchar_t** argv = CommandLineToArgvW(GetCommandLineW(), &argc);
    if (!argv || argc < 2) return false;
    args.command = argv[1];
    for (int i = 2; i < argc; ++i) {
        std::wstring arg = argv[i];
        if (arg.rfind(L"--", 0) != 0) {
            args.positional.push_back(arg);
            continue;
        }
        std::wstring name = arg.substr(2);
        if (isFlag(name)) {
            args.named[name] = L"1";
        } else if (i + 1 < argc) {
            args.named[name] = argv[++i];
        } else {
            return false;
        }
    }
    LocalFree(argv);
    return true;
}

std::string utf8(const std::wstring& text) {
    if (text.empty()) return {};
    const int size =
        WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0, nullptr, nullptr);
    std::string out(size, '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), out.data(), size, nullptr, nullptr);
    return out;
}

void out(const std::wstring& line) {
    const std::string bytes = utf8(line) + "\n";
    std::fwrite(bytes.data(), 1, bytes.size(), stdout);
}

int failure(const std::wstring& message) {
    const std::string bytes = "driver: " + utf8(message) + "\n";
    std::fwrite(bytes.data(), 1, bytes.size(), stderr);
    return 1;
}

std::wstring hex(HWND window) {
    wchar_t buffer[32];
    std::swprintf(buffer, 32, L"0x%llx", static_cast<unsigned long long>(reinterpret_cast<UINT_PTR>(window)));
    return buffer;
}

// --- matching ---

std::wstring withoutMnemonics(const std::wstring& text) {
    std::wstring result;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == L'&' && i + 1 < text.size()) ++i;
        result.push_back(text[i]);
    }
    return result;
}

bool glob(const wchar_t* pattern, const wchar_t* text) {
    if (*pattern == L'*') return glob(pattern + 1, text) || (*text && glob(pattern, text + 1));
    if (!*pattern) return !*text;
    return *text && (*pattern == L'?' || *pattern == *text) && glob(pattern + 1, text + 1);
}

bool matches(const std::wstring& pattern, const std::wstring& text) {
    return glob(withoutMnemonics(pattern).c_str(), withoutMnemonics(text).c_str());
}

std::wstring className(HWND window) {
    wchar_t name[256] = {};
    GetClassNameW(window, name, 256);
    return name;
}

bool sameClass(HWND window, const std::wstring& name) { return _wcsicmp(className(window).c_str(), name.c_str()) == 0; }

// A window that answers does so within this time. Wine drops a message sent with a time-out
// when the time-out passes before the program has taken it, so only reads, which can be
// repeated, are sent this way.
constexpr DWORD kReadTimeoutMs = 2000;

// WM_GETTEXT crosses processes where GetWindowText would only see the stored caption.
bool readText(HWND window, std::wstring& text, DWORD timeoutMs = kReadTimeoutMs) {
    DWORD_PTR length = 0;
    if (!SendMessageTimeoutW(window, WM_GETTEXTLENGTH, 0, 0, SMTO_ABORTIFHUNG, timeoutMs, &length)) return false;
    text.assign(length + 1, L'\0');
    DWORD_PTR copied = 0;
    if (!SendMessageTimeoutW(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()), SMTO_ABORTIFHUNG,
                             timeoutMs, &copied))
        return false;
    text.resize(copied);
    return true;
}

std::wstring textOf(HWND window) {
    std::wstring text;
    return readText(window, text) ? text : std::wstring();
}

// --- finding ---

struct Target {
    HWND top = nullptr;
    HWND window = nullptr;  // the control, or the top-level window itself
};

bool wantsControl(const Args& args) { return args.has(L"id") || args.has(L"class") || args.has(L"text"); }

BOOL CALLBACK collect(HWND w, LPARAM list) {
    reinterpret_cast<std::vector<HWND>*>(list)->push_back(w);
    return TRUE;
}

// The top-level windows, front first, or every descendant of `parent`.
std::vector<HWND> windows(HWND parent = nullptr) {
    std::vector<HWND> all;
    if (parent)
        EnumChildWindows(parent, collect, reinterpret_cast<LPARAM>(&all));
    else
        EnumWindows(collect, reinterpret_cast<LPARAM>(&all));
    return all;
}

HWND findTop(const Args& args) {
    if (args.has(L"hwnd")) {
        auto w = reinterpret_cast<HWND>(static_cast<UINT_PTR>(std::wcstoull(args.get(L"hwnd").c_str(), nullptr, 0)));
        return IsWindow(w) ? w : nullptr;
    }
    const bool hidden = args.has(L"hidden");
    for (HWND w : windows()) {
        if (!hidden && !IsWindowVisible(w)) continue;
        if (args.has(L"window-class") && !sameClass(w, args.get(L"window-class"))) continue;
        if (args.has(L"window")) {
            wchar_t title[512] = {};
            GetWindowTextW(w, title, 512);
            if (!matches(args.get(L"window"), title)) continue;
        }
        return w;
    }
    return nullptr;
}

HWND findControl(HWND top, const Args& args) {
    const bool hidden = args.has(L"hidden");
    long nth = args.number(L"nth", 0);
    for (HWND w : windows(top)) {
        if (!hidden && !IsWindowVisible(w)) continue;
        if (args.has(L"id") && GetDlgCtrlID(w) != args.number(L"id", 0)) continue;
        if (args.has(L"class") && !sameClass(w, args.get(L"class"))) continue;
        if (args.has(L"text") && !matches(args.get(L"text"), textOf(w))) continue;
        if (nth-- == 0) return w;
    }
    return nullptr;
}

Target findTarget(const Args& args) {
    Target target;
    target.top = findTop(args);
    if (!target.top) return target;
    target.window = wantsControl(args) ? findControl(target.top, args) : target.top;
    if (target.window && args.has(L"header")) {
        target.window = reinterpret_cast<HWND>(SendMessageW(target.window, LVM_GETHEADER, 0, 0));
    }
    return target;
}

std::wstring describe(const Args& args) {
    std::wstring text;
    for (const wchar_t* name : {L"window", L"window-class", L"hwnd", L"id", L"class", L"text", L"nth"})
        if (args.has(name))
            text += std::wstring(text.empty() ? L"" : L" ") + L"--" + name + L" \"" + args.get(name) + L"\"";
    return text.empty() ? L"(no window given)" : text;
}

// Only a failing step waits this long: long enough for a slow, busy machine.
constexpr long kDefaultTimeoutMs = 30000;

DWORD timeoutOf(const Args& args) { return static_cast<DWORD>(args.number(L"timeout", kDefaultTimeoutMs)); }

// Polls every 50 ms until `done` holds or the time-out passes; true when it held.
template <class Done>
bool poll(DWORD timeoutMs, Done done) {
    const DWORD start = GetTickCount();
    for (;;) {
        if (done()) return true;
        if (GetTickCount() - start >= timeoutMs) return false;
        Sleep(50);
    }
}

// --- list-like controls: list boxes, list views, headers, tab controls ---

// Memory in the target process, for messages whose pointers Windows does not marshal.
class Remote {
public:
    Remote(HWND window, size_t size) {
        DWORD pid = 0;
        GetWindowThreadProcessId(window, &pid);
        process_ = OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, FALSE, pid);
        if (process_) memory_ = VirtualAllocEx(process_, nullptr, size, MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE);
    }
    ~Remote() {
        if (memory_) VirtualFreeEx(process_, memory_, 0, MEM_RELEASE);
        if (process_) CloseHandle(process_);
    }
    Remote(const Remote&) = delete;
    Remote& operator=(const Remote&) = delete;
    bool ok() const { return memory_ != nullptr; }
    char* at(size_t offset) const { return static_cast<char*>(memory_) + offset; }
    bool write(size_t offset, const void* data, size_t size) const {
        return WriteProcessMemory(process_, at(offset), data, size, nullptr);
    }
    bool read(size_t offset, void* data, size_t size) const {
        return ReadProcessMemory(process_, at(offset), data, size, nullptr);
    }

private:
    HANDLE process_ = nullptr;
    void* memory_ = nullptr;
};

enum class Kind { None, ListBox, ListView, Header, Tab };

Kind kindOf(HWND w) {
    if (sameClass(w, L"ListBox") || sameClass(w, L"ComboLBox")) return Kind::ListBox;
    if (sameClass(w, WC_LISTVIEWW)) return Kind::ListView;
    if (sameClass(w, WC_HEADERW)) return Kind::Header;
    if (sameClass(w, WC_TABCONTROLW)) return Kind::Tab;
    return Kind::None;
}

int itemCount(HWND w) {
    switch (kindOf(w)) {
        case Kind::ListBox:
            return static_cast<int>(SendMessageW(w, LB_GETCOUNT, 0, 0));
        case Kind::ListView:
            return static_cast<int>(SendMessageW(w, LVM_GETITEMCOUNT, 0, 0));
        case Kind::Header:
            return static_cast<int>(SendMessageW(w, HDM_GETITEMCOUNT, 0, 0));
        case Kind::Tab:
            return static_cast<int>(SendMessageW(w, TCM_GETITEMCOUNT, 0, 0));
        case Kind::None:
            break;
    }
    return -1;
}

constexpr int kTextMax = 1024;

// The item structure goes first in the remote block, its text buffer after it.
template <class Item>
std::wstring remoteText(HWND w, UINT message, WPARAM wParam, Item item, LPWSTR Item::*text, int Item::*size) {
    Remote remote(w, sizeof(Item) + kTextMax * sizeof(wchar_t));
    if (!remote.ok()) return {};
    item.*text = reinterpret_cast<LPWSTR>(remote.at(sizeof(Item)));
    item.*size = kTextMax;
    wchar_t buffer[kTextMax] = {};
    if (!remote.write(0, &item, sizeof item) || !remote.write(sizeof item, buffer, sizeof buffer)) return {};
    SendMessageW(w, message, wParam, reinterpret_cast<LPARAM>(remote.at(0)));
    remote.read(sizeof item, buffer, sizeof buffer);
    buffer[kTextMax - 1] = L'\0';
    return buffer;
}

std::wstring itemText(HWND w, int index, int column) {
    switch (kindOf(w)) {
        case Kind::ListBox: {
            const LRESULT length = SendMessageW(w, LB_GETTEXTLEN, index, 0);
            if (length == LB_ERR) return {};
            std::wstring text(length + 1, L'\0');
            SendMessageW(w, LB_GETTEXT, index, reinterpret_cast<LPARAM>(text.data()));
            text.resize(length);
            return text;
        }
        case Kind::ListView: {
            LVITEMW item{};
            item.iSubItem = column;
            return remoteText(w, LVM_GETITEMTEXTW, index, item, &LVITEMW::pszText, &LVITEMW::cchTextMax);
        }
        case Kind::Header: {
            HDITEMW item{};
            item.mask = HDI_TEXT;
            return remoteText(w, HDM_GETITEMW, index, item, &HDITEMW::pszText, &HDITEMW::cchTextMax);
        }
        case Kind::Tab: {
            TCITEMW item{};
            item.mask = TCIF_TEXT;
            return remoteText(w, TCM_GETITEMW, index, item, &TCITEMW::pszText, &TCITEMW::cchTextMax);
        }
        case Kind::None:
            break;
    }
    return {};
}

bool remoteRect(HWND w, UINT message, WPARAM wParam, RECT& rect) {
    Remote remote(w, sizeof rect);
    return remote.ok() && remote.write(0, &rect, sizeof rect) &&
           SendMessageW(w, message, wParam, reinterpret_cast<LPARAM>(remote.at(0))) &&
           remote.read(0, &rect, sizeof rect);
}

bool itemRect(HWND w, int index, int column, RECT& rect) {
    switch (kindOf(w)) {
        case Kind::ListBox:
            return SendMessageW(w, LB_GETITEMRECT, index, reinterpret_cast<LPARAM>(&rect)) != LB_ERR;
        case Kind::ListView:
            rect = RECT{LVIR_LABEL, column, 0, 0};
            return remoteRect(w, column > 0 ? LVM_GETSUBITEMRECT : LVM_GETITEMRECT, index, rect);
        case Kind::Header:
            return remoteRect(w, HDM_GETITEMRECT, index, rect);
        case Kind::Tab:
            return remoteRect(w, TCM_GETITEMRECT, index, rect);
        case Kind::None:
            break;
    }
    return false;
}

// The item named by --item or --item-text, -1 when there is none (yet).
int itemIndex(HWND w, const Args& args) {
    if (args.has(L"item")) {
        const int index = static_cast<int>(args.number(L"item", -1));
        return index < itemCount(w) ? index : -1;
    }
    // An exact match first: item texts such as "*.TMP" are patterns themselves.
    const int column = static_cast<int>(args.number(L"column", 0));
    const std::wstring wanted = args.get(L"item-text");
    std::vector<std::wstring> texts;
    for (int i = 0, n = itemCount(w); i < n; ++i) texts.push_back(itemText(w, i, column));
    for (size_t i = 0; i < texts.size(); ++i)
        if (withoutMnemonics(texts[i]) == withoutMnemonics(wanted)) return static_cast<int>(i);
    for (size_t i = 0; i < texts.size(); ++i)
        if (matches(wanted, texts[i])) return static_cast<int>(i);
    return -1;
}

// --- input ---

bool enabledChain(HWND w) {
    for (; w; w = GetAncestor(w, GA_PARENT))
        if (!IsWindowEnabled(w)) return false;
    return true;
}

void postMouse(HWND w, POINT at, const Args& args) {
    POINT screen = at;
    ClientToScreen(w, &screen);
    SetCursorPos(screen.x, screen.y);  // for handlers that ask where the mouse is
    const LPARAM where = MAKELPARAM(at.x, at.y);
    PostMessageW(w, WM_MOUSEMOVE, 0, where);
    if (args.has(L"right")) {
        PostMessageW(w, WM_RBUTTONDOWN, MK_RBUTTON, where);
        PostMessageW(w, WM_RBUTTONUP, 0, where);
        return;
    }
    PostMessageW(w, WM_LBUTTONDOWN, MK_LBUTTON, where);
    PostMessageW(w, WM_LBUTTONUP, 0, where);
    if (args.has(L"double")) {
        PostMessageW(w, WM_LBUTTONDBLCLK, MK_LBUTTON, where);
        PostMessageW(w, WM_LBUTTONUP, 0, where);
    }
}

// Sent messages are never dropped, unlike those sent with a time-out (see readText); each
// one's callback marks its number here once the program has handled it.
std::vector<ULONG_PTR> handledSends;
ULONG_PTR nextSend = 0;

VOID CALLBACK sendHandled(HWND, UINT, ULONG_PTR number, LRESULT) { handledSends.push_back(number); }

bool wasHandled(ULONG_PTR number) {
    for (ULONG_PTR handled : handledSends)
        if (handled == number) return true;
    return false;
}

// Delivers a click (or another message without pointers) that may open a modal window, so
// its handler may not return for a long time. It returns once the handler has run, or once
// the program handles the empty message sent after it: the click was taken and its handler
// runs a message loop of its own (a modal window, the pump of a long operation). False when
// the program took neither within the time-out; the message still arrives later.
bool deliver(HWND w, UINT message, WPARAM wParam, DWORD timeoutMs) {
    const ULONG_PTR click = ++nextSend, probe = ++nextSend;
    if (!SendMessageCallbackW(w, message, wParam, 0, sendHandled, click)) return false;
    SendMessageCallbackW(w, WM_NULL, 0, 0, sendHandled, probe);
    // The callbacks come while this thread looks at its queue.
    return poll(timeoutMs, [&] {
        MSG msg;
        while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&msg);
        return wasHandled(click) || wasHandled(probe) || !IsWindow(w);
    });
}

bool focus(const Target& target, DWORD timeoutMs) {
    MSG msg;
    PeekMessageW(&msg, nullptr, 0, 0, PM_NOREMOVE);  // AttachThreadInput needs our queue
    const DWORD self = GetCurrentThreadId();
    const DWORD other = GetWindowThreadProcessId(target.top, nullptr);
    AttachThreadInput(self, other, TRUE);
    SetForegroundWindow(target.top);
    if (target.window != target.top) SetFocus(target.window);
    AttachThreadInput(self, other, FALSE);
    return poll(timeoutMs, [&] { return GetForegroundWindow() == target.top; });
}

WORD virtualKey(const std::wstring& name) {
    static const std::map<std::wstring, WORD> names = {
        {L"alt", VK_MENU},       {L"ctrl", VK_CONTROL},  {L"shift", VK_SHIFT},   {L"return", VK_RETURN},
        {L"enter", VK_RETURN},   {L"escape", VK_ESCAPE}, {L"tab", VK_TAB},       {L"space", VK_SPACE},
        {L"up", VK_UP},          {L"down", VK_DOWN},     {L"left", VK_LEFT},     {L"right", VK_RIGHT},
        {L"home", VK_HOME},      {L"end", VK_END},       {L"delete", VK_DELETE}, {L"insert", VK_INSERT},
        {L"backspace", VK_BACK}, {L"apps", VK_APPS}};
    std::wstring lower;
    for (wchar_t c : name) lower.push_back(static_cast<wchar_t>(std::towlower(c)));
    if (auto it = names.find(lower); it != names.end()) return it->second;
    if (lower.size() >= 2 && lower[0] == L'f' && std::iswdigit(lower[1])) {
        return static_cast<WORD>(VK_F1 + std::wcstol(lower.c_str() + 1, nullptr, 10) - 1);
    }
    if (lower.size() == 1) {
        const SHORT code = VkKeyScanW(lower[0]);
        if (code != -1) return LOBYTE(code);
    }
    return 0;
}

// "alt+F4": the modifiers held down around the last key.
bool pressChord(const std::wstring& chord) {
    std::vector<WORD> keys;
    size_t start = 0;
    for (;;) {
        const size_t plus = chord.find(L'+', start);
        const WORD key =
            virtualKey(chord.substr(start, plus == std::wstring::npos ? std::wstring::npos : plus - start));
        if (!key) return false;
        keys.push_back(key);
        if (plus == std::wstring::npos) break;
        start = plus + 1;
    }
    std::vector<INPUT> inputs;
    for (WORD key : keys) {
        INPUT input{};
        input.type = INPUT_KEYBOARD;
        input.ki.wVk = key;
        inputs.push_back(input);
    }
    for (auto it = keys.rbegin(); it != keys.rend(); ++it) {
        INPUT input{};
        input.type = INPUT_KEYBOARD;
        input.ki.wVk = *it;
        input.ki.dwFlags = KEYEVENTF_KEYUP;
        inputs.push_back(input);
    }
    return SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT)) == inputs.size();
}

// --- commands ---

// The target of a command, waited for; reports what was not found.
bool resolve(const Args& args, Target& target, bool needEnabled = false) {
    const bool found = poll(timeoutOf(args), [&] {
        target = findTarget(args);
        return target.window && (!needEnabled || enabledChain(target.window));
    });
    if (found) return true;
    if (target.window)
        failure(L"stays disabled for " + std::to_wstring(timeoutOf(args)) + L" ms: " + describe(args));
    else if (target.top)
        failure(L"no such control within " + std::to_wstring(timeoutOf(args)) + L" ms: " + describe(args));
    else
        failure(L"no such window within " + std::to_wstring(timeoutOf(args)) + L" ms: " + describe(args));
    return false;
}

int commandWait(const Args& args) {
    Target target;
    std::wstring last;
    auto holds = [&]() -> bool {
        target = findTarget(args);
        if (args.has(L"gone")) return !target.window;
        if (!target.window) return false;
        HWND w = target.window;
        if (args.has(L"text-is") || args.has(L"text-has")) {
            // A read the busy program does not answer in time is tried again.
            std::wstring text;
            if (!readText(w, text, std::min(kReadTimeoutMs, timeoutOf(args)))) return false;
            last = text;
            if (args.has(L"text-is")) return matches(args.get(L"text-is"), last);
            return last.find(args.get(L"text-has")) != std::wstring::npos;
        }
        if (args.has(L"count")) {
            last = std::to_wstring(itemCount(w));
            return last == args.get(L"count");
        }
        if (args.has(L"has-item")) {
            Args byText = args;
            byText.named[L"item-text"] = args.get(L"has-item");
            return itemIndex(w, byText) >= 0;
        }
        if (args.has(L"enabled")) return enabledChain(w);
        if (args.has(L"disabled")) return !enabledChain(w);
        if (args.has(L"checked") || args.has(L"unchecked")) {
            const bool checked = SendMessageW(w, BM_GETCHECK, 0, 0) == BST_CHECKED;
            return args.has(L"checked") ? checked : !checked;
        }
        return true;
    };
    if (!poll(timeoutOf(args), holds)) {
        std::wstring what = args.has(L"gone") ? L"still there" : !target.window ? L"not found" : L"condition not met";
        return failure(L"wait: " + what + L" after " + std::to_wstring(timeoutOf(args)) + L" ms: " + describe(args) +
                       (last.empty() ? L"" : L"; last seen: \"" + last + L"\""));
    }
    return 0;
}

int commandClick(const Args& args) {
    Target target;
    if (!resolve(args, target, true)) return 1;
    HWND w = target.window;
    POINT at{};
    if (args.has(L"item") || args.has(L"item-text")) {
        int index = -1;
        if (!poll(timeoutOf(args), [&] { return (index = itemIndex(w, args)) >= 0; }))
            return failure(L"click: no item \"" + args.get(L"item-text", args.get(L"item")) + L"\" in " +
                           describe(args));
        RECT r{};
        if (!itemRect(w, index, static_cast<int>(args.number(L"column", 0)), r))
            return failure(L"click: item out of view");
        at = POINT{(r.left + r.right) / 2, (r.top + r.bottom) / 2};
    } else if (sameClass(w, L"Button") && !args.has(L"double") && !args.has(L"right")) {
        if (deliver(w, BM_CLICK, 0, timeoutOf(args))) return 0;
        return failure(L"click: not taken within " + std::to_wstring(timeoutOf(args)) + L" ms: " + describe(args));
    } else {
        RECT r{};
        GetClientRect(w, &r);
        at = POINT{r.right / 2, r.bottom / 2};
    }
    postMouse(w, at, args);
    return 0;
}

int commandSetCheck(const Args& args) {
    Target target;
    if (!resolve(args, target, true)) return 1;
    if (args.positional.empty()) return 2;
    const bool wanted = args.positional[0] == L"1";
    auto state = [&] { return (SendMessageW(target.window, BM_GETCHECK, 0, 0) == BST_CHECKED) == wanted; };
    if (!state()) deliver(target.window, BM_CLICK, 0, timeoutOf(args));
    return poll(timeoutOf(args), state) ? 0 : failure(L"set-check: the box does not change: " + describe(args));
}

int commandType(const Args& args, bool replace) {
    Target target;
    if (!resolve(args, target, true)) return 1;
    if (args.positional.empty()) return 2;
    // A text sent with a time-out may be dropped (see readText), which the result tells.
    const auto sent = [&](UINT message, WPARAM wParam, LPARAM lParam) {
        DWORD_PTR result = 0;
        return SendMessageTimeoutW(target.window, message, wParam, lParam, 0, timeoutOf(args), &result) != 0;
    };
    const std::wstring lost = L": not taken within " + std::to_wstring(timeoutOf(args)) + L" ms: " + describe(args);
    if (replace) {
        if (!sent(WM_SETTEXT, 0, reinterpret_cast<LPARAM>(args.positional[0].c_str())))
            return failure(L"set-text" + lost);
        return 0;
    }
    for (wchar_t c : args.positional[0])
        if (!sent(WM_CHAR, c, 1)) return failure(L"type" + lost);
    return 0;
}

int commandItems(const Args& args) {
    Target target;
    if (!resolve(args, target)) return 1;
    const int n = itemCount(target.window);
    if (n < 0) return failure(L"items: not a list, header or tab control: " + describe(args));
    for (int i = 0; i < n; ++i) out(itemText(target.window, i, static_cast<int>(args.number(L"column", 0))));
    return 0;
}

int commandKey(const Args& args) {
    Target target;
    if (!resolve(args, target, true)) return 1;
    if (!focus(target, timeoutOf(args)))
        return failure(L"key: the window does not come to the foreground: " + describe(args));
    for (const std::wstring& chord : args.positional)
        if (!pressChord(chord)) return failure(L"key: cannot press \"" + chord + L"\"");
    return 0;
}

// The static texts of a dialog, the icon left out.
std::wstring dialogText(HWND dialog) {
    std::wstring text;
    for (HWND w : windows(dialog)) {
        if (!sameClass(w, L"Static") || (GetWindowLongW(w, GWL_STYLE) & SS_TYPEMASK) == SS_ICON) continue;
        const std::wstring part = textOf(w);
        if (part.empty()) continue;
        text += (text.empty() ? L"" : L"\n") + part;
    }
    return text;
}

int commandMessageBox(const Args& args) {
    Args box = args;
    box.named[L"window-class"] = L"#32770";
    Target target;
    if (!resolve(box, target)) return 1;
    out(dialogText(target.top));
    if (!args.has(L"press")) return 0;
    box.named[L"hwnd"] = hex(target.top);
    box.named[L"class"] = L"Button";
    box.named[L"text"] = args.get(L"press");
    if (!resolve(box, target, true)) return 1;
    deliver(target.window, BM_CLICK, 0, timeoutOf(args));
    if (!poll(timeoutOf(args), [&] { return !IsWindow(target.top) || !IsWindowVisible(target.top); }))
        return failure(L"message-box: still open after pressing \"" + args.get(L"press") + L"\"");
    return 0;
}

// Under Wine a popup menu's items stay in the owning process, out of reach: the arrow
// keys walk them instead, skipping separators as a user's would.
int commandMenu(const Args& args) {
    Args popup;
    popup.named = {{L"window-class", L"#32768"}, {L"timeout", std::to_wstring(timeoutOf(args))}};
    Target target;
    if (!resolve(popup, target)) return 1;
    const long index = args.number(L"pick-index", -1);
    if (index < 0) return 2;
    for (long i = 0; i <= index; ++i) PostMessageW(target.top, WM_KEYDOWN, VK_DOWN, 0);
    PostMessageW(target.top, WM_KEYDOWN, VK_RETURN, 0);
    // A submenu opened from the keyboard comes up with its first item selected.
    if (args.has(L"then")) {
        const long inner = args.number(L"then", -1);
        if (inner < 0) return 2;
        HWND submenu = nullptr;
        const auto findSubmenu = [&] {
            for (HWND w = FindWindowExW(nullptr, nullptr, L"#32768", nullptr); w;
                 w = FindWindowExW(nullptr, w, L"#32768", nullptr))
                if (w != target.top && IsWindowVisible(w)) submenu = w;
            return submenu != nullptr;
        };
        if (!poll(timeoutOf(args), findSubmenu))
            return failure(L"menu: item " + std::to_wstring(index) + L" opened no submenu");
        for (long i = 0; i < inner; ++i) PostMessageW(submenu, WM_KEYDOWN, VK_DOWN, 0);
        PostMessageW(submenu, WM_KEYDOWN, VK_RETURN, 0);
    }
    if (!poll(timeoutOf(args), [&] { return !IsWindowVisible(target.top); }))
        return failure(L"menu: still open after choosing item " + std::to_wstring(index));
    return 0;
}

int commandTree(const Args& args) {
    Target target;
    if (!resolve(args, target)) return 1;
    for (HWND w : windows(target.window)) {
        int depth = 0;
        for (HWND p = GetParent(w); p && p != target.window; p = GetParent(p)) ++depth;
        out(std::wstring(depth * 2, L' ') + hex(w) + L" " + className(w) + L" id=" + std::to_wstring(GetDlgCtrlID(w)) +
            (IsWindowVisible(w) ? L"" : L" hidden") + L" \"" + textOf(w) + L"\"");
    }
    return 0;
}

int run(const Args& args) {
    const std::wstring& c = args.command;
    Target target;
    if (c == L"find") {
        if (!resolve(args, target)) return 1;
        out(hex(target.window));
        return 0;
    }
    if (c == L"wait") return commandWait(args);
    if (c == L"click") return commandClick(args);
    if (c == L"set-check") return commandSetCheck(args);
    if (c == L"set-text") return commandType(args, true);
    if (c == L"type") return commandType(args, false);
    if (c == L"items") return commandItems(args);
    if (c == L"key") return commandKey(args);
    if (c == L"message-box") return commandMessageBox(args);
    if (c == L"menu") return commandMenu(args);
    if (c == L"tree") return commandTree(args);
    if (c == L"foreground") {
        HWND w = GetForegroundWindow();
        out(w ? textOf(w) : L"");
        return 0;
    }
    if (c == L"get-text" || c == L"checked" || c == L"count" || c == L"close") {
        if (!resolve(args, target)) return 1;
        if (c == L"get-text") {
            std::wstring text;
            if (!readText(target.window, text))
                return failure(L"get-text: no answer within " + std::to_wstring(kReadTimeoutMs) + L" ms: " +
                               describe(args));
            out(text);
        }
        if (c == L"checked") out(SendMessageW(target.window, BM_GETCHECK, 0, 0) == BST_CHECKED ? L"1" : L"0");
        if (c == L"count") out(std::to_wstring(itemCount(target.window)));
        if (c == L"close") PostMessageW(target.top, WM_SYSCOMMAND, SC_CLOSE, 0);
        return 0;
    }
    return 2;
}

}  // namespace

int wmain(int, wchar_t**) {
    _setmode(_fileno(stdout), _O_BINARY);
    _setmode(_fileno(stderr), _O_BINARY);
    Args args;
    const int status = parse(args) ? run(args) : 2;
    if (status == 2) std::fputs(kUsage, stderr);
    std::fflush(stdout);
    return status;
}
