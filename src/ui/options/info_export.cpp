#include "ui/options/info_export.h"

#include "core/integration/info_texts.h"
#include "core/session/session.h"

namespace kefelo::ui {

bool exportDescriptionOnKey(const MSG& msg, const SelectorPage& frame, session::Session& session) {
    if (msg.message != WM_KEYDOWN) return false;
    const auto down = [](int key) { return GetKeyState(key) < 0; };
    if (!integration::isInfoExportKey(msg.wParam == VK_F3, down(VK_CONTROL), down(VK_SHIFT), down(VK_MENU))) {
        return false;
    }
    const session::SessionContext& context = session.context();
    integration::exportInfoText(context.platform.fs, context.shell, context.platform.ui, context.programDirectory,
                                frame.description());
    return true;
}

}  // namespace kefelo::ui
