// Arbitrary "konyvtarak.lst" and "vedettek.lst": load, save, load the saved files again
// and save once more. The second save must write exactly what the first one wrote.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "core/config/config_load.h"
#include "core/config/config_save.h"
#include "platform/fake/fake_platform.h"

namespace {

using namespace kefelo;

const char* const kDir = "C:\\Kefelo\\";
const char* const kFiles[] = {"konyvtarak.lst", "vedettek.lst", "beallitasok.cfg"};

struct Snapshot {
    std::string files[3];
    bool operator==(const Snapshot&) const = default;
};

Snapshot loadAndSave(platform::Platform& platform, platform::fake::FakeFileSystem& fs) {
    config::ConfigModel model;
    config::loadConfiguration(model, config::LoadContext{platform, kDir, 800, 600, {}});
    config::KilepesElottMent(model, config::SaveContext{platform, kDir, "/a", {}});
    Snapshot s;
    for (int i = 0; i < 3; ++i) s.files[i] = fs.content(std::string(kDir) + kFiles[i]).value_or("<none>");
    return s;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 1) return 0;
    // The first byte says how much of the rest is the list file; the remainder is the
    // protected-names file.
    const std::string rest(reinterpret_cast<const char*>(data + 1), size - 1);
    const size_t split = rest.empty() ? 0 : (static_cast<size_t>(data[0]) * rest.size()) / 255;

    platform::fake::FakePlatform fake;
    platform::fake::FakeFileSystem& fs = fake.fs;
    fs.addDirectory("C:\\Kefelo");
    // A few folders the input may name, so that marks differ between rows.
    fs.addDirectory("C:\\A");
    fs.addDirectory("C:\\B\\C");
    fs.addFile(std::string(kDir) + "konyvtarak.lst", rest.substr(0, split));
    fs.addFile(std::string(kDir) + "vedettek.lst", rest.substr(split));

    const Snapshot first = loadAndSave(fake.platform, fs);
    const Snapshot second = loadAndSave(fake.platform, fs);
    if (!(first == second)) std::abort();
    return 0;
}
