#include "platform/win32/win32_internet.h"

#include <windows.h>
// WinInet needs the definitions above.
#include <wininet.h>

#include <utility>

#include "platform/win32/wide.h"

namespace kefelo::platform::win32 {
namespace {

// A server that stops answering must not hold the wizard for ever.
constexpr DWORD kTimeoutMs = 30000;

// Runs `work` to its end; with a pump, on a worker thread while the messages are pumped.
void waitPumping(const std::function<void()>& pump, const std::function<void()>& work) {
    if (!pump) {
        work();
        return;
    }
    auto* job = new std::function<void()>(work);
    HANDLE thread = CreateThread(
        nullptr, 0,
        [](LPVOID parameter) -> DWORD {
            auto* run = static_cast<std::function<void()>*>(parameter);
            (*run)();
            return 0;
        },
        job, 0, nullptr);
    if (!thread) {
        work();
        delete job;
        return;
    }
    while (WaitForSingleObject(thread, 15) == WAIT_TIMEOUT) pump();
    CloseHandle(thread);
    delete job;
}

struct InternetHandle {
    HINTERNET h = nullptr;
    explicit InternetHandle(HINTERNET handle) : h(handle) {}
    InternetHandle(const InternetHandle&) = delete;
    InternetHandle& operator=(const InternetHandle&) = delete;
    ~InternetHandle() {
        if (h) InternetCloseHandle(h);
    }
};

class WinInetStream : public InternetStream {
public:
    // The URL handle goes before the session it belongs to.
    WinInetStream(HINTERNET session, HINTERNET url, const std::function<void()>& pump)
        : session_(session), url_(url), pump_(pump) {}

    long long read(char* buffer, size_t size) override {
        DWORD got = 0;
        BOOL ok = FALSE;
        waitPumping(pump_, [&] { ok = InternetReadFile(url_.h, buffer, static_cast<DWORD>(size), &got); });
        if (!ok) return -1;
        return got;
    }

private:
    InternetHandle session_;
    InternetHandle url_;
    std::function<void()> pump_;
};

}  // namespace

OpenedUrl Win32Internet::open(const std::string& agent, const std::string& url) {
    InternetHandle session(InternetOpenW(widen(agent).c_str(), INTERNET_OPEN_TYPE_PRECONFIG, nullptr, nullptr, 0));
    if (!session.h) return {UrlOpen::NoConnection, nullptr};
    DWORD timeout = kTimeoutMs;
    InternetSetOptionW(session.h, INTERNET_OPTION_CONNECT_TIMEOUT, &timeout, sizeof timeout);
    InternetSetOptionW(session.h, INTERNET_OPTION_RECEIVE_TIMEOUT, &timeout, sizeof timeout);
    // Always from the server: a cached copy of the version file would hide a new version.
    const std::wstring address = widen(url);
    HINTERNET opened = nullptr;
    waitPumping(pump_, [&] {
        opened = InternetOpenUrlW(
            session.h, address.c_str(), nullptr, 0,
            INTERNET_FLAG_RELOAD | INTERNET_FLAG_NO_CACHE_WRITE | INTERNET_FLAG_NO_UI | INTERNET_FLAG_NO_COOKIES, 0);
    });
    InternetHandle request(opened);
    if (!request.h) return {UrlOpen::UrlFailed, nullptr};
    // An error page is a body too; only a real reply counts.
    DWORD status = 0, length = sizeof status;
    if (!HttpQueryInfoW(request.h, HTTP_QUERY_STATUS_CODE | HTTP_QUERY_FLAG_NUMBER, &status, &length, nullptr) ||
        status != 200)
        return {UrlOpen::UrlFailed, nullptr};
    auto stream = std::make_unique<WinInetStream>(session.h, request.h, pump_);
    session.h = nullptr;
    request.h = nullptr;
    return {UrlOpen::Ok, std::move(stream)};
}

}  // namespace kefelo::platform::win32
