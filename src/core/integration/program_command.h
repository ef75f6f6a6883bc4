#pragma once
// Whether a command line stored in the registry starts this program: entries that another
// copy wrote (the same value name, another folder) are that copy's, not ours to remove.
#include <string_view>

namespace kefelo::integration {

// The command's program, quoted or not (older copies wrote it unquoted), is this
// executable, letter case ignored.
bool commandStartsProgram(std::string_view command, std::string_view executablePath);

}  // namespace kefelo::integration
