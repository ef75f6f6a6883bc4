#include "ui/app/instances.h"

#include <cstring>

#include "platform/win32/handle.h"

namespace kefelo::ui {
using platform::win32::Handle;

namespace {

constexpr wchar_t kMessageName[] = L"IH_GETINSTANCEINFO";
constexpr wchar_t kApplicationClass[] = L"TApplication";
// A copy that is busy in a long walk still pumps its queue; one that does not answer in
// this time is hung and must not hang the asker too.
constexpr UINT kAnswerTimeoutMs = 5000;

// The one handler of this process, for the subclassed window procedure.
InstanceHandler* g_handler = nullptr;

// Window handles travel as 32 bits, as they do between 32- and 64-bit processes.
uint32_t handleBits(HWND window) { return static_cast<uint32_t>(reinterpret_cast<uintptr_t>(window)); }
HWND handleFromBits(uint32_t bits) { return reinterpret_cast<HWND>(static_cast<intptr_t>(static_cast<int32_t>(bits))); }

struct View {
    explicit View(HANDLE mapping) : data(MapViewOfFile(mapping, FILE_MAP_READ | FILE_MAP_WRITE, 0, 0, 16)) {}
    ~View() {
        if (data) UnmapViewOfFile(data);
    }
    View(const View&) = delete;
    View& operator=(const View&) = delete;
    app::ExchangeBlock read() const {
        app::ExchangeBlock block{};
        std::memcpy(block.data(), data, block.size());
        return block;
    }
    void write(const app::ExchangeBlock& block) { std::memcpy(data, block.data(), block.size()); }
    void* data;
};

bool ask(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    DWORD_PTR result = 0;
    return SendMessageTimeoutW(window, message, wParam, lParam, SMTO_ABORTIFHUNG | SMTO_NORMAL, kAnswerTimeoutMs,
                               &result) != 0 &&
           result == 1;
}

BOOL CALLBACK collectApplicationWindows(HWND window, LPARAM param) {
    wchar_t name[64] = {};
    if (GetClassNameW(window, name, 64) > 0 && lstrcmpiW(name, kApplicationClass) == 0) {
        reinterpret_cast<std::vector<HWND>*>(param)->push_back(window);
    }
    return TRUE;
}

}  // namespace

void activateInstanceWindow(HWND window) {
    if (!IsWindow(window)) return;
    if (HWND owner = GetWindow(window, GW_OWNER)) window = owner;
    if (IsIconic(window) && !ShowWindow(window, SW_RESTORE)) return;
    SetForegroundWindow(GetLastActivePopup(window));
}

void sendSearchRequest(HWND target, HWND sender, const std::string& payload) {
    COPYDATASTRUCT data{};
    data.dwData = 0;
    data.cbData = static_cast<DWORD>(payload.size());
    data.lpData = const_cast<char*>(payload.data());
    DWORD_PTR result = 0;
    SendMessageTimeoutW(target, WM_COPYDATA, reinterpret_cast<WPARAM>(sender), reinterpret_cast<LPARAM>(&data),
                        SMTO_ABORTIFHUNG | SMTO_NORMAL, kAnswerTimeoutMs, &result);
}

app::InstanceIdentity identityOfFile(const std::wstring& path) {
    // The file's own bytes, not an image mapping of it: a relocatable image is laid out
    // and relocated per file, so two byte-identical copies in different folders would
    // not look alike.
    Handle file(CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                            OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file) return {};
    const DWORD size = GetFileSize(file.get(), nullptr);
    if (size == INVALID_FILE_SIZE || size == 0) return {};
    Handle mapping(CreateFileMappingW(file.get(), nullptr, PAGE_READONLY, 0, 0, nullptr));
    if (!mapping) return {};
    const void* bytes = MapViewOfFile(mapping.get(), FILE_MAP_READ, 0, 0, size);
    if (!bytes) return {};
    const app::InstanceIdentity identity =
        app::computeInstanceIdentity(std::string_view(static_cast<const char*>(bytes), size));
    UnmapViewOfFile(bytes);
    return identity;
}

InstanceHandler::InstanceHandler(HWND applicationWindow, app::InstanceIdentity identity, timeutil::TDateTime startTime)
    : applicationWindow_(applicationWindow), identity_(identity), startTime_(startTime) {
    message_ = RegisterWindowMessageW(kMessageName);
    g_handler = this;
    previous_ = reinterpret_cast<WNDPROC>(SetWindowLongPtrW(
        applicationWindow_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&InstanceHandler::subclassProc)));
}

InstanceHandler::~InstanceHandler() {
    if (previous_ && IsWindow(applicationWindow_)) {
        SetWindowLongPtrW(applicationWindow_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(previous_));
    }
    g_handler = nullptr;
}

LRESULT CALLBACK InstanceHandler::subclassProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    InstanceHandler* self = g_handler;
    try {
        if (self && message == self->message_ && message != 0) return self->answer(wParam, lParam);
    } catch (...) {
        return 0;
    }
    return self && self->previous_ ? CallWindowProcW(self->previous_, hwnd, message, wParam, lParam)
                                   : DefWindowProcW(hwnd, message, wParam, lParam);
}

LRESULT InstanceHandler::answer(WPARAM wParam, LPARAM lParam) const {
    if (wParam != 0 && lParam != 0) return 1;  // yes, this window speaks the protocol
    if (lParam != 0) return 0;
    HANDLE mapping = reinterpret_cast<HANDLE>(wParam);
    LRESULT result = 0;
    {
        View view(mapping);
        // Only a handle that maps as a section is the asker's block; anything else is not
        // ours to close.
        if (!view.data) return 0;
        app::ExchangeBlock block = view.read();
        if (app::readRequest(block) == identity_) {
            app::writeReply(block,
                            app::InstanceReply{handleBits(applicationWindow_), handleBits(mainWindow_), startTime_});
            view.write(block);
            result = 1;
        }
    }
    CloseHandle(mapping);
    return result;
}

std::vector<InstanceInfo> InstanceHandler::instances() const {
    std::vector<HWND> windows;
    EnumWindows(&collectApplicationWindows, reinterpret_cast<LPARAM>(&windows));
    std::erase(windows, applicationWindow_);
    windows.push_back(applicationWindow_);

    std::vector<InstanceInfo> found(windows.size());
    std::vector<bool> answered(windows.size(), false);
    Handle block(
        CreateFileMappingW(INVALID_HANDLE_VALUE, nullptr, PAGE_READWRITE, 0, app::kExchangeBlockSize, nullptr));
    if (!block) return {};
    View view(block.get());
    if (!view.data) return {};

    for (size_t i = windows.size(); i-- > 0;) {
        HWND window = windows[i];
        if (!ask(window, message_, 1, 1)) continue;
        DWORD processId = 0;
        GetWindowThreadProcessId(window, &processId);
        Handle process(OpenProcess(PROCESS_DUP_HANDLE, FALSE, processId));
        if (!process) continue;
        HANDLE duplicate = nullptr;
        if (!DuplicateHandle(GetCurrentProcess(), block.get(), process.get(), &duplicate,
                             FILE_MAP_READ | FILE_MAP_WRITE, FALSE, 0)) {
            continue;
        }
        app::ExchangeBlock request{};
        app::writeRequest(request, identity_);
        view.write(request);
        if (!ask(window, message_, reinterpret_cast<WPARAM>(duplicate), 0)) continue;
        const app::InstanceReply reply = app::readReply(view.read());
        found[i] =
            InstanceInfo{handleFromBits(reply.applicationWindow), handleFromBits(reply.mainWindow), reply.startTime};
        answered[i] = true;
    }

    std::vector<InstanceInfo> result;
    for (size_t i = 0; i < found.size(); ++i) {
        if (answered[i]) result.push_back(found[i]);
    }
    return result;
}

}  // namespace kefelo::ui
