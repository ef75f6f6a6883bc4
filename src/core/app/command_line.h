#pragma once
// The command line as the start-up and the automatic modes see it.
#include <string>
#include <string_view>
#include <vector>

namespace kefelo::app {

// Splits a whole command line (program name first) into its parameters, the program
// name left out. Blanks and control characters separate; a double quote toggles quoting
// and is dropped. A backslash never escapes anything, so "C:\" stays a root directory.
std::vector<std::string> splitCommandLine(std::string_view commandLine);

class CommandLine {
public:
    CommandLine() = default;
    explicit CommandLine(std::vector<std::string> params);

    const std::vector<std::string>& params() const { return params_; }
    // Every parameter followed by one blank; empty without parameters.
    const std::string& joined() const { return joined_; }
    // The first parameter unchanged; empty without parameters.
    const std::string& first() const { return first_; }

    // True when the lower-cased joined string holds "\" or "/" followed by the lower-cased
    // name anywhere (so "a" also matches "/autorun"). An empty name is in addition true
    // when there are no parameters at all.
    bool HasSwitch(std::string_view name) const;

    // The first parameter, lower-cased, compared whole.
    bool firstIs(std::string_view lowerCaseSwitch) const;
    bool isAutoStart() const { return firstIs("/a"); }
    bool isAutoRun() const { return firstIs("/autorun"); }
    bool isUpdate() const { return firstIs("/update"); }
    // Either automatic mode: the ones that keep the window hidden and stay quiet.
    bool isAutomatic() const { return isAutoStart() || isAutoRun(); }

private:
    std::vector<std::string> params_;
    std::string joined_;
    std::string first_;
    std::string firstLower_;
};

}  // namespace kefelo::app
