#include "ui/tools/tools_page.h"

#include <algorithm>

#include "core/integration/info_texts.h"
#include "core/session/session.h"
#include "ui/controls/layout.h"
#include "ui/tools/tools_page_ids.h"

namespace kefelo::ui {
namespace {
constexpr int kAutodelButtons[] = {IDC_BUTTON_VIEWAUTODELFILE, IDC_BUTTON_SAVEAUTODELFILE, IDC_BUTTON_RUNAUTODELFILE};
}  // namespace

bool ToolsPage::create(const MainPageContext& context) {
    session_ = &context.session;
    // The description of "A kezelés indítása" depends on it.
    ntFamily_ = context.session.ntFamily();
    SelectorPage::Setup setup;
    setup.selectorBoxId = IDC_BOX_OPERATIONSELECT;
    setup.firstButtonId = IDC_BUTTON_SYSTEMDIRS_FIRST;
    setup.infoBoxId = IDC_GROUP_INFOABOUTTOOLS;
    setup.infoTextId = IDC_MEMO_INFOABOUTTOOLS;
    setup.selectorCaption = tools::kOperationSelectCaption;
    setup.infoCaption = integration::kInfoGroupCaption;
    for (std::string_view caption : tools::kToolGroupCaptions) setup.groups.emplace_back().caption = caption;
    SelectorPage::Group& undeletables = setup.groups[tools::group_undeletables];
    undeletables.templateId = IDD_TOOLS_UNDELETABLES;
    undeletables.layout = [this](HWND group) { layoutUndeletables(group); };
    undeletables.command = [this](HWND, int id, int code) { onUndeletablesCommand(id, code); };
    undeletables.describe = [this](HWND control) { return describeUndeletables(control); };
    setup.initialize = [this] {
        for (int id : kAutodelButtons) frame_.ownerDrawn(tools::group_undeletables, id);
        // Until the main window has looked for an "autodel.bat" there is none to offer.
        setAutodelButtonsEnabled(false);
        frame_.show(selector_.selected());
    };
    setup.selectorClicked = [this](int group) { selectGroup(group); };
    return frame_.create(context.instance, context.page, std::move(setup));
}

void ToolsPage::pageChanged(app::MainPage) {
    setAutodelButtonsEnabled(session_->context().platform.fs.fileExists(session_->autodel().autodelPath()));
}

void ToolsPage::selectGroup(int group) {
    selector_.select(group);
    frame_.show(selector_.selected());
}

void ToolsPage::setAutodelButtonsEnabled(bool enabled) {
    for (int id : kAutodelButtons) {
        if (SelButton* button = frame_.button(id)) button->setEnabled(enabled);
    }
}

std::string ToolsPage::describeUndeletables(HWND control) const {
    integration::AutodelButton which;
    switch (GetDlgCtrlID(control)) {
        case IDC_BUTTON_VIEWAUTODELFILE:
            which = integration::AutodelButton::View;
            break;
        case IDC_BUTTON_SAVEAUTODELFILE:
            which = integration::AutodelButton::Save;
            break;
        case IDC_BUTTON_RUNAUTODELFILE:
            which = integration::AutodelButton::Run;
            break;
        default:
            return {};
    }
    // The text follows the button's state at the moment of the mouse move.
    return integration::autodelButtonDescription(which, IsWindowEnabled(control), ntFamily_);
}

void ToolsPage::onUndeletablesCommand(int id, int code) {
    if (code != BN_CLICKED) return;
    cleaning::AutodelOperations& autodel = session_->autodel();
    switch (id) {
        case IDC_BUTTON_VIEWAUTODELFILE:
            autodel.view();
            break;
        case IDC_BUTTON_SAVEAUTODELFILE:
            autodel.saveElsewhere();
            break;
        case IDC_BUTTON_RUNAUTODELFILE: {
            app::MainShell& shell = session_->shell();
            autodel.registerForNextStart([&shell] { shell.saveConfiguration(); }, shell.console.enabled());
            break;
        }
        default:
            break;
    }
}

void ToolsPage::layoutUndeletables(HWND group) {
    DialogLayout place(group, 4);
    place.place(IDC_GROUP_UNDELETABLES, 0, 0, place.width(), place.height());
    const int left = place.x(8);
    const int width = std::min(place.x(150), place.width() - 2 * left);
    for (int i = 0; i < 3; ++i) {
        place.place(kAutodelButtons[i], left, place.y(12 + i * 22), width, place.y(18));
    }
}

}  // namespace kefelo::ui
