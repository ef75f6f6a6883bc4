#include "core/integration/program_command.h"

#include "base/text/codec.h"

namespace kefelo::integration {

bool commandStartsProgram(std::string_view command, std::string_view executablePath) {
    if (executablePath.empty()) return false;
    const bool quoted = !command.empty() && command.front() == '"';
    if (quoted) command.remove_prefix(1);
    if (command.size() < executablePath.size() ||
        !text::equalsNoCase(command.substr(0, executablePath.size()), executablePath)) {
        return false;
    }
    const std::string_view rest = command.substr(executablePath.size());
    if (quoted) return rest.starts_with('"');
    return rest.empty() || rest.front() == ' ';
}

}  // namespace kefelo::integration
