// The single-instance protocol against the real window system: the identity of an
// executable file, the answers of an application window, and the directory hand-over.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <string>

#include "platform/win32/handle.h"
#include "ui/app/instances.h"

using namespace kefelo;
using ui::InstanceHandler;

namespace {
constexpr wchar_t kTestClass[] = L"TApplication";

std::wstring ownExecutable() {
    wchar_t path[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, path, MAX_PATH);
    return path;
}

// A hidden top-level window of the protocol's class, as a running copy has one.
class ApplicationWindow {
public:
    ApplicationWindow() {
        WNDCLASSW wc{};
        wc.lpfnWndProc = DefWindowProcW;
        wc.hInstance = GetModuleHandleW(nullptr);
        wc.lpszClassName = kTestClass;
        RegisterClassW(&wc);
        hwnd = CreateWindowExW(0, kTestClass, L"test", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr, wc.hInstance, nullptr);
    }
    ~ApplicationWindow() { DestroyWindow(hwnd); }
    HWND hwnd = nullptr;
};

// Windows need a display; under Wine without one (no X server) these tests cannot run.
#define REQUIRE_WINDOWS(window) \
    if (!(window)) GTEST_SKIP() << "no window could be created (no display?)"

std::string receivedPayload;
LRESULT CALLBACK receiverProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_COPYDATA) {
        const auto* data = reinterpret_cast<const COPYDATASTRUCT*>(lParam);
        receivedPayload =
            std::to_string(data->dwData) + ":" + std::string(static_cast<const char*>(data->lpData), data->cbData);
        return 1;
    }
    return DefWindowProcW(hwnd, message, wParam, lParam);
}

// Sends the request message with a block holding `request`, as another copy would.
LRESULT askWith(HWND window, const app::ExchangeBlock& request, app::ExchangeBlock& reply) {
    platform::win32::Handle block(CreateFileMappingW(INVALID_HANDLE_VALUE, nullptr, PAGE_READWRITE, 0, 16, nullptr));
    void* view = MapViewOfFile(block.get(), FILE_MAP_READ | FILE_MAP_WRITE, 0, 0, 16);
    std::memcpy(view, request.data(), request.size());
    HANDLE duplicate = nullptr;
    DuplicateHandle(GetCurrentProcess(), block.get(), GetCurrentProcess(), &duplicate, FILE_MAP_READ | FILE_MAP_WRITE,
                    FALSE, 0);
    const LRESULT result =
        SendMessageW(window, RegisterWindowMessageW(L"IH_GETINSTANCEINFO"), reinterpret_cast<WPARAM>(duplicate), 0);
    std::memcpy(reply.data(), view, reply.size());
    UnmapViewOfFile(view);
    return result;
}
}  // namespace

TEST(Instances, IdentityComesFromTheFileBytes) {
    std::string bytes;
    if (FILE* in = _wfopen(ownExecutable().c_str(), L"rb")) {
        char buffer[65536];
        size_t got = 0;
        while ((got = std::fread(buffer, 1, sizeof buffer, in)) > 0) bytes.append(buffer, got);
        std::fclose(in);
    }
    ASSERT_FALSE(bytes.empty());
    EXPECT_EQ(ui::identityOfFile(ownExecutable()), app::computeInstanceIdentity(bytes));
    EXPECT_EQ(ui::identityOfFile(L"C:\\no\\such\\file.exe"), app::InstanceIdentity{});
}

TEST(Instances, ThisCopyFindsItselfLastWithItsReply) {
    ApplicationWindow application, main;
    REQUIRE_WINDOWS(application.hwnd);
    const app::InstanceIdentity identity{1234, 5678, 0x9ABCDEF0u};
    InstanceHandler handler(application.hwnd, identity, 46364.25);
    handler.setMainWindow(main.hwnd);

    const auto found = handler.instances();
    ASSERT_FALSE(found.empty());
    EXPECT_EQ(found.back().applicationWindow, application.hwnd);
    EXPECT_EQ(found.back().mainWindow, main.hwnd);
    EXPECT_EQ(found.back().startTime, 46364.25);
    // The other protocol window (the "main" one of this test) does not speak it.
    for (const auto& instance : found) EXPECT_NE(instance.applicationWindow, main.hwnd);
}

TEST(Instances, ApplicationWindowAnswersOnlyTheSameProgram) {
    ApplicationWindow application;
    REQUIRE_WINDOWS(application.hwnd);
    const app::InstanceIdentity identity{1, 2, 3};
    InstanceHandler handler(application.hwnd, identity, 2.5);
    const UINT message = RegisterWindowMessageW(L"IH_GETINSTANCEINFO");
    EXPECT_EQ(SendMessageW(application.hwnd, message, 1, 1), 1);

    app::ExchangeBlock request{}, reply{};
    app::writeRequest(request, app::InstanceIdentity{1, 2, 4});
    EXPECT_EQ(askWith(application.hwnd, request, reply), 0);
    EXPECT_EQ(reply, request);  // a stranger's block is left as it was

    app::writeRequest(request, identity);
    EXPECT_EQ(askWith(application.hwnd, request, reply), 1);
    const app::InstanceReply answer = app::readReply(reply);
    EXPECT_EQ(answer.applicationWindow, static_cast<uint32_t>(reinterpret_cast<uintptr_t>(application.hwnd)));
    EXPECT_EQ(answer.mainWindow, 0u);  // no main window yet
    EXPECT_EQ(answer.startTime, 2.5);

    // A handle that is no mapping is neither answered nor closed.
    HANDLE event = CreateEventW(nullptr, FALSE, FALSE, nullptr);
    EXPECT_EQ(SendMessageW(application.hwnd, message, reinterpret_cast<WPARAM>(event), 0), 0);
    EXPECT_TRUE(SetEvent(event));
    CloseHandle(event);

    // Other messages still reach the window's own procedure.
    SetWindowTextW(application.hwnd, L"still served");
    wchar_t title[32] = {};
    GetWindowTextW(application.hwnd, title, 32);
    EXPECT_STREQ(title, L"still served");
}

TEST(Instances, SearchRequestCarriesThePathAndItsBar) {
    WNDCLASSW wc{};
    wc.lpfnWndProc = receiverProc;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.lpszClassName = L"KefeloTestReceiver";
    RegisterClassW(&wc);
    HWND receiver =
        CreateWindowExW(0, wc.lpszClassName, L"", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr, wc.hInstance, nullptr);
    REQUIRE_WINDOWS(receiver);
    receivedPayload.clear();
    ui::sendSearchRequest(receiver, nullptr, "C:\\Keresendő mappa|");
    EXPECT_EQ(receivedPayload, "0:C:\\Keresendő mappa|");
    DestroyWindow(receiver);
}
