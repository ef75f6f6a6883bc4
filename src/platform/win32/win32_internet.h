#pragma once
// HTTP(S) over WinInet.
#include <functional>

#include "platform/internet.h"

namespace kefelo::platform::win32 {

class Win32Internet : public Internet {
public:
    // With `pump`, a call that waits for the server (connecting, a slow reply) runs on a
    // worker thread while the calling thread keeps pumping its messages, so the windows
    // repaint and a cancel button answers. Without it the calls simply block.
    explicit Win32Internet(std::function<void()> pump = {}) : pump_(std::move(pump)) {}
    OpenedUrl open(const std::string& agent, const std::string& url) override;

private:
    std::function<void()> pump_;
};

}  // namespace kefelo::platform::win32
