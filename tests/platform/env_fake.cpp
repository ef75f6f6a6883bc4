// The contract environment over the in-memory fakes.
#include <cctype>

#include "platform/contract_env.h"
#include "platform/fake/fake_clipboard.h"
#include "platform/fake/fake_file_system.h"
#include "platform/fake/fake_shell_links.h"
#include "platform/fake/fake_system.h"

namespace kefelo::contract {
namespace {

using platform::fake::FakeFileSystem;

// An 8.3 alias in the classic shape: six letters of the base, "~1", three of the extension.
std::string aliasOf(const std::string& name) {
    size_t dot = name.find_last_of('.');
    std::string base = name.substr(0, dot), ext = dot == std::string::npos ? "" : name.substr(dot + 1);
    auto squeeze = [](const std::string& s, size_t max) {
        std::string out;
        for (char c : s) {
            if (std::isalnum(static_cast<unsigned char>(c)) && out.size() < max) {
                out.push_back(static_cast<char>(std::toupper(static_cast<unsigned char>(c))));
            }
        }
        return out;
    };
    std::string alias = squeeze(base, 6) + "~1";
    if (!ext.empty()) alias += "." + squeeze(ext, 3);
    return alias;
}

class FakeEnv : public ContractEnv {
public:
    FakeEnv() {
        fs_.addDirectory(kRoot);
        fs_.addDirectory(system_.windowsDir);
        fs_.addDirectory(system_.temp);
        fs_.addFile(system_.exePath, "MZ");
        system_.folders[platform::SpecialFolder::Recent] = "C:\\Users\\user\\Recent";
        system_.folders[platform::SpecialFolder::Templates] = "C:\\Users\\user\\Templates";
        links_.folders[platform::KnownFolder::Desktop] = "C:\\Users\\user\\Desktop";
        links_.folders[platform::KnownFolder::StartMenu] = "C:\\Users\\user\\Start Menu";
    }

    platform::FileSystem& fs() override { return fs_; }
    platform::Registry& registry() override { return registry_; }
    platform::SystemInfo& system() override { return system_; }
    platform::Clock& clock() override { return clock_; }
    platform::Clipboard& clipboard() override { return clipboard_; }
    platform::ShellLinks& shellLinks() override { return links_; }
    std::string root() override { return kRoot; }
    std::string registryKey() override { return "Software\\Kefelo contract"; }

    // Files get the fake clock's time, as a real volume stamps them with the time of writing.
    void makeFile(const std::string& path, const std::string& bytes) override {
        fs_.addFile(path, bytes, platform::attr::kArchive, timeutil::toFileTime(clock_.current));
    }
    void makeBigFile(const std::string& path, uint64_t size) override {
        fs_.addFileOfSize(path, size, platform::attr::kArchive, timeutil::toFileTime(clock_.current));
    }
    void lock(const std::string& path) override { fs_.setLocked(path, true); }
    void unlock(const std::string& path) override { fs_.setLocked(path, false); }
    void provideShortName(const std::string& path) override {
        fs_.setShortName(path, aliasOf(path.substr(path.find_last_of('\\') + 1)));
    }

    void makeFolderLink(const std::string& path, const std::string& target) override { fs_.addLink(path, target); }

private:
    static constexpr const char* kRoot = "C:\\Kefeló próba";
    FakeFileSystem fs_;
    platform::fake::FakeRegistry registry_;
    platform::fake::FakeSystemInfo system_;
    platform::fake::FakeClock clock_;
    platform::fake::FakeClipboard clipboard_;
    platform::fake::FakeShellLinks links_;
};

}  // namespace

std::unique_ptr<ContractEnv> makeContractEnv() { return std::make_unique<FakeEnv>(); }

}  // namespace kefelo::contract
