#pragma once
// A server in memory: each address answers with a body, a failure, or a body cut short;
// every read can run a hook (the tests click "cancel" from there, as a pumped message would).
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "platform/internet.h"

namespace kefelo::platform::fake {

struct FakeReply {
    UrlOpen result = UrlOpen::Ok;
    std::string body;
    // The connection breaks after the body: the next read reports an error.
    bool breaksAfterBody = false;
};

class FakeInternet : public Internet {
public:
    std::map<std::string, FakeReply> replies;  // by URL; an unknown URL does not open
    std::vector<std::string> opened;           // every URL asked for, in order
    std::function<void()> onRead;              // runs before every read
    int openStreams = 0;                       // streams not yet closed

    OpenedUrl open(const std::string& agent, const std::string& url) override;
};

}  // namespace kefelo::platform::fake
