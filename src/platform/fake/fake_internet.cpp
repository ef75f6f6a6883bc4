#include "platform/fake/fake_internet.h"

#include <algorithm>
#include <cstring>

namespace kefelo::platform::fake {
namespace {

class FakeStream : public InternetStream {
public:
    FakeStream(FakeInternet& owner, const FakeReply& reply) : owner_(owner), reply_(reply) { ++owner_.openStreams; }
    ~FakeStream() override { --owner_.openStreams; }

    long long read(char* buffer, size_t size) override {
        if (owner_.onRead) owner_.onRead();
        const size_t left = reply_.body.size() - position_;
        if (left == 0) return reply_.breaksAfterBody ? -1 : 0;
        const size_t n = std::min(left, size);
        std::memcpy(buffer, reply_.body.data() + position_, n);
        position_ += n;
        return static_cast<long long>(n);
    }

private:
    FakeInternet& owner_;
    FakeReply reply_;
    size_t position_ = 0;
};

}  // namespace

OpenedUrl FakeInternet::open(const std::string& /*agent*/, const std::string& url) {
    opened.push_back(url);
    const auto it = replies.find(url);
    if (it == replies.end()) return {UrlOpen::UrlFailed, nullptr};
    if (it->second.result != UrlOpen::Ok) return {it->second.result, nullptr};
    return {UrlOpen::Ok, std::make_unique<FakeStream>(*this, it->second)};
}

}  // namespace kefelo::platform::fake
