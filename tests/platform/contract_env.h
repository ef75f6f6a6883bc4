#pragma once
// What the platform contract tests need from each implementation: the objects under test
// and a few ways to arrange the disk that the interface itself cannot (locks, big files,
// short names). env_fake.cpp and env_win32.cpp each provide makeContractEnv().
#include <cstdint>
#include <memory>
#include <string>

#include "platform/clipboard.h"
#include "platform/clock.h"
#include "platform/file_system.h"
#include "platform/registry.h"
#include "platform/shell_links.h"
#include "platform/system_info.h"

namespace kefelo::contract {

class ContractEnv {
public:
    virtual ~ContractEnv() = default;

    virtual platform::FileSystem& fs() = 0;
    virtual platform::Registry& registry() = 0;
    virtual platform::SystemInfo& system() = 0;
    virtual platform::Clock& clock() = 0;
    virtual platform::Clipboard& clipboard() = 0;
    virtual platform::ShellLinks& shellLinks() = 0;

    // A fresh, empty folder for this test (absolute, no trailing backslash); removed with
    // everything in it when the environment goes.
    virtual std::string root() = 0;
    // A registry key under the current user that no one else uses; removed afterwards.
    virtual std::string registryKey() = 0;

    // Creates a file without going through the file system under test.
    virtual void makeFile(const std::string& path, const std::string& bytes) = 0;
    // A file of the given size that costs no disk space (sparse on a real volume).
    virtual void makeBigFile(const std::string& path, uint64_t size) = 0;
    // Another party holds the file open without sharing until unlock() or the end.
    virtual void lock(const std::string& path) = 0;
    virtual void unlock(const std::string& path) = 0;
    // Makes sure the volume has an 8.3 alias for this long name (a real volume makes its
    // own; the fake is given one).
    virtual void provideShortName(const std::string& path) = 0;
    // A folder link (symbolic link or junction) at `path` leading to an existing folder.
    virtual void makeFolderLink(const std::string& path, const std::string& target) = 0;
};

std::unique_ptr<ContractEnv> makeContractEnv();

}  // namespace kefelo::contract
