#pragma once
// Fetching a file over HTTP(S), read in pieces so that the caller can pump messages, show
// progress and stop between two reads.
#include <cstddef>
#include <memory>
#include <string>

namespace kefelo::platform {

// A reply being read. Closing it (destroying it) closes every handle behind it.
class InternetStream {
public:
    virtual ~InternetStream() = default;
    // Up to `size` bytes into `buffer`: the count read, 0 at the end of the body, -1 when the
    // connection failed.
    virtual long long read(char* buffer, size_t size) = 0;
};

enum class UrlOpen {
    Ok,
    UrlFailed,     // the address could not be opened, or the server did not answer 200
    NoConnection,  // the Internet session itself could not be opened
};

struct OpenedUrl {
    UrlOpen result = UrlOpen::UrlFailed;
    std::unique_ptr<InternetStream> stream;  // set only with Ok
};

class Internet {
public:
    virtual ~Internet() = default;
    // `agent` names the program to the server. Only a reply with status 200 opens.
    virtual OpenedUrl open(const std::string& agent, const std::string& url) = 0;
};

}  // namespace kefelo::platform
