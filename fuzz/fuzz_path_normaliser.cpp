// Feeds arbitrary text to the location normaliser and checks what every safeguard relies
// on: the normal form is stable, holds no "/", no empty, "." or ".." component, starts
// with a root, and does not depend on the separators, the letter case or a trailing "\.".
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <optional>
#include <string>
#include <string_view>

#include "core/app/locations.h"
#include "base/text/codec.h"
#include "platform/fake/fake_file_system.h"

using kefelo::app::IsRootLocation;
using kefelo::app::IsWithinLocation;
using kefelo::app::NormalLocation;
using kefelo::app::NormalPath;
using kefelo::app::ParentLocation;
using kefelo::app::SameLocation;

namespace {

void require(bool condition) {
    if (!condition) abort();
}

void checkShape(const std::string& n) {
    require(n.find('/') == std::string::npos);
    const bool drive = n.size() >= 3 && n[1] == ':' && n[2] == '\\';
    const bool unc = n.size() >= 2 && n[0] == '\\' && n[1] == '\\';
    require(drive || unc);
    const std::string_view rest = std::string_view(n).substr(drive ? 3 : 2);
    if (drive && rest.empty()) return;
    size_t start = 0;
    for (;;) {
        const size_t end = std::min(rest.find('\\', start), rest.size());
        const std::string_view part = rest.substr(start, end - start);
        require(!part.empty() && part != "." && part != "..");
        require(part.back() != '.' && part.back() != ' ');
        if (end == rest.size()) break;
        start = end + 1;
    }
    // A root has no parent; every other folder lies within its parent.
    const std::string parent = ParentLocation(n);
    require(IsRootLocation(n) == parent.empty());
    if (!parent.empty()) {
        require(IsWithinLocation(n, parent) && !IsWithinLocation(parent, n));
        require(NormalPath(parent) == parent);
    }
    require(SameLocation(n, n) && IsWithinLocation(n, n));
}

kefelo::platform::fake::FakeFileSystem& disk() {
    static kefelo::platform::fake::FakeFileSystem* fs = [] {
        auto* f = new kefelo::platform::fake::FakeFileSystem;
        f->addDirectory("C:\\Program Files\\Common Files");
        f->addDirectory("C:\\Documents and Settings\\Jozsi\\Local Settings\\Temp");
        f->addDirectory("\\\\srv\\share\\Folder Name");
        f->setShortName("C:\\Program Files", "PROGRA~1");
        f->setShortName("C:\\Program Files\\Common Files", "COMMON~1");
        f->setShortName("C:\\Documents and Settings", "DOCUME~1");
        f->setShortName("\\\\srv\\share\\Folder Name", "FOLDER~1");
        return f;
    }();
    return *fs;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string input(reinterpret_cast<const char*>(data), size);
    const std::optional<std::string> normal = NormalPath(input);
    if (normal) {
        checkShape(*normal);
        require(NormalPath(*normal) == normal);

        std::string slashed = input;
        std::replace(slashed.begin(), slashed.end(), '\\', '/');
        require(NormalPath(slashed) == normal);
        require(NormalPath(input + "\\.") == normal);
        require(NormalPath(input + "/") == normal);
        const std::optional<std::string> upper = NormalPath(kefelo::text::asciiUpper(input));
        require(upper && SameLocation(*upper, *normal));
        if (input.size() >= 2 && input[1] == ':') require(NormalPath("\\\\?\\" + input) == normal);
    }

    // With the disk's long names the form stays stable too.
    const std::optional<std::string> located = NormalLocation(disk(), input);
    require(located.has_value() == normal.has_value());
    if (located) {
        checkShape(*located);
        require(NormalLocation(disk(), *located) == located);
    }
    return 0;
}
