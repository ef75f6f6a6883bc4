#pragma once
// String values of the registry, the only kind the program keeps there.
#include <optional>
#include <string>

namespace kefelo::platform {

enum class RegistryRoot { ClassesRoot, CurrentUser, LocalMachine };

class Registry {
public:
    virtual ~Registry() = default;
    virtual std::optional<std::string> readString(RegistryRoot root, const std::string& key,
                                                  const std::string& name) = 0;
    // Creates the key when it is missing.
    virtual bool writeString(RegistryRoot root, const std::string& key, const std::string& name,
                             const std::string& value) = 0;
    virtual bool deleteValue(RegistryRoot root, const std::string& key, const std::string& name) = 0;
    // Deletes the key with every subkey.
    virtual bool deleteKey(RegistryRoot root, const std::string& key) = 0;
    virtual bool keyExists(RegistryRoot root, const std::string& key) = 0;
};

}  // namespace kefelo::platform
