#include "ui/maintenance/uninstall_action.h"

#include "core/maintenance/uninstall_procedure.h"
#include "platform/win32/win32_shell_links.h"

namespace kefelo::ui {

bool uninstallProgram(session::Session& session) {
    const session::SessionContext& ctx = session.context();
    platform::win32::Win32ShellLinks links;
    maintenance::UninstallContext context{
        ctx.platform,
        ctx.shell,
        links,
        ctx.platform.sys.executablePath(),
        ctx.programDirectory,
        session.activity(),
        [&session](const std::string& line) { session.shell().console.TesztBe(line); }};
    return maintenance::button_uninstallClick(session.shell(), context);
}

}  // namespace kefelo::ui
