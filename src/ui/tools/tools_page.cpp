#include "ui/tools/tools_page.h"
#include "ui/common/child_control.h"

#include <uxtheme.h>

#include <algorithm>

#include "core/integration/info_texts.h"
#include "platform/win32/wide.h"
#include "ui/controls/layout.h"
#include "ui/tools/tools_page_ids.h"

namespace kefelo::ui {
namespace {
using platform::win32::widen;

constexpr int kAutodelButtons[] = {IDC_BUTTON_VIEWAUTODELFILE, IDC_BUTTON_SAVEAUTODELFILE, IDC_BUTTON_RUNAUTODELFILE};

bool isSelectorButton(int id) {
    return id >= IDC_BUTTON_SYSTEMDIRS_FIRST && id < IDC_BUTTON_SYSTEMDIRS_FIRST + tools::kToolGroupCount;
}
}  // namespace

bool ToolsGroupView::create(HINSTANCE instance, int templateId, HWND parent, Handler handler) {
    handler_ = std::move(handler);
    return createModeless(instance, templateId, parent) != nullptr;
}

INT_PTR ToolsGroupView::handleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_INITDIALOG) {
        EnableThemeDialogTexture(hwnd(), ETDT_ENABLETAB);
        return FALSE;
    }
    if (handler_) {
        if (std::optional<INT_PTR> result = handler_(hwnd(), message, wParam, lParam)) return *result;
    }
    return Dialog::handleMessage(message, wParam, lParam);
}

bool ToolsPage::create(HINSTANCE instance, HWND page, bool ntFamily) {
    instance_ = instance;
    page_ = page;
    ntFamily_ = ntFamily;
    if (!createModeless(instance, IDD_TOOLS_PAGE, page)) return false;
    pageHook_.attach(page, [this](HWND, UINT message, WPARAM, LPARAM) -> std::optional<LRESULT> {
        if (message == WM_SIZE) fitToPage();
        return std::nullopt;
    });
    fitToPage();
    ShowWindow(hwnd(), SW_SHOWNA);
    return true;
}

void ToolsPage::initialize() {
    EnableThemeDialogTexture(hwnd(), ETDT_ENABLETAB);
    SetDlgItemTextW(hwnd(), IDC_BOX_OPERATIONSELECT, widen(tools::kOperationSelectCaption).c_str());
    SetDlgItemTextW(hwnd(), IDC_GROUP_INFOABOUTTOOLS, widen(integration::kInfoGroupCaption).c_str());

    for (int group = 0; group < tools::kToolGroupCount; ++group) {
        const int id = IDC_BUTTON_SYSTEMDIRS_FIRST + group;
        SelButton& selector = buttons_[id];
        selector.attach(GetDlgItem(hwnd(), id));
        selector.setCaption(std::string(tools::kToolGroupCaptions[group]));
        hover_.trackControl(selector.hwnd());

        const int templateId = group == tools::group_undeletables ? IDD_TOOLS_UNDELETABLES : IDD_TOOLS_GROUP;
        groups_[group].create(instance_, templateId, hwnd(), [this](HWND page, UINT message, WPARAM w, LPARAM l) {
            return onGroupMessage(page, message, w, l);
        });
        hover_.trackContainer(groups_[group].hwnd());
    }
    const HWND undeletables = groups_[tools::group_undeletables].hwnd();
    for (int id : kAutodelButtons) {
        buttons_[id].attach(GetDlgItem(undeletables, id));
        hover_.trackControl(buttons_[id].hwnd());
    }
    hover_.trackControl(GetDlgItem(hwnd(), IDC_MEMO_INFOABOUTTOOLS));
    hover_.trackContainer(hwnd());
    hover_.setCallback([this](HWND window) { onHover(window); });

    // Until the main window has looked for an "autodel.bat" there is none to offer.
    setAutodelButtonsEnabled(false);
    applySelectorLooks();
}

void ToolsPage::selectGroup(int group) {
    selector_.select(group);
    applySelectorLooks();
}

void ToolsPage::applySelectorLooks() {
    for (int group = 0; group < tools::kToolGroupCount; ++group) {
        SelButton& selector = buttons_[IDC_BUTTON_SYSTEMDIRS_FIRST + group];
        const bool selected = selector_.isSelected(group);
        selector.setLook(selected ? SelButton::Look::Selected : SelButton::Look::Normal);
        selector.setEnabled(!selected);
    }
    const HWND shown = groups_[selector_.selected()].hwnd();
    SetWindowPos(shown, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE | SWP_SHOWWINDOW);
    for (const ToolsGroupView& group : groups_) {
        if (group.hwnd() != shown) ShowWindow(group.hwnd(), SW_HIDE);
    }
    RedrawWindow(shown, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
}

HWND ToolsPage::groupPage(int group) const {
    return group >= 0 && group < tools::kToolGroupCount ? groups_[group].hwnd() : nullptr;
}

void ToolsPage::setAutodelButtonsEnabled(bool enabled) {
    for (int id : kAutodelButtons) buttons_[id].setEnabled(enabled);
}

SelButton* ToolsPage::button(int id) {
    auto it = buttons_.find(id);
    return it == buttons_.end() ? nullptr : &it->second;
}

void ToolsPage::setDescription(const std::string& text) {
    if (description() != text) SetDlgItemTextW(hwnd(), IDC_MEMO_INFOABOUTTOOLS, widen(text).c_str());
}

std::string ToolsPage::description() const {
    HWND memo = GetDlgItem(hwnd(), IDC_MEMO_INFOABOUTTOOLS);
    const int length = memo ? GetWindowTextLengthW(memo) : 0;
    std::wstring text(static_cast<size_t>(length) + 1, L'\0');
    text.resize(memo ? static_cast<size_t>(GetWindowTextW(memo, text.data(), length + 1)) : 0);
    return platform::win32::narrow(text);
}

void ToolsPage::onHover(HWND window) {
    const int id = GetDlgCtrlID(window);
    const auto describe = [&](integration::AutodelButton which) {
        setDescription(integration::autodelButtonDescription(which, IsWindowEnabled(window), ntFamily_));
    };
    if (window == buttons_[IDC_BUTTON_VIEWAUTODELFILE].hwnd()) {
        describe(integration::AutodelButton::View);
    } else if (window == buttons_[IDC_BUTTON_SAVEAUTODELFILE].hwnd()) {
        describe(integration::AutodelButton::Save);
    } else if (window == buttons_[IDC_BUTTON_RUNAUTODELFILE].hwnd()) {
        describe(integration::AutodelButton::Run);
    } else if (GetParent(window) == hwnd() && (isSelectorButton(id) || id == IDC_MEMO_INFOABOUTTOOLS)) {
        // These have no description of their own and leave the box as it is.
    } else {
        setDescription("");
    }
}

std::optional<INT_PTR> ToolsPage::drawButton(LPARAM lParam) {
    const auto& item = *reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
    SelButton* b = button(static_cast<int>(item.CtlID));
    if (!b || b->hwnd() != item.hwndItem) return std::nullopt;
    b->draw(item);
    return TRUE;
}

std::optional<INT_PTR> ToolsPage::onGroupMessage(HWND group, UINT message, WPARAM wParam, LPARAM lParam) {
    if (group != groups_[tools::group_undeletables].hwnd()) return std::nullopt;
    switch (message) {
        case WM_SIZE:
            layoutUndeletables();
            return TRUE;
        case WM_DRAWITEM:
            return drawButton(lParam);
        case WM_COMMAND: {
            if (HIWORD(wParam) != BN_CLICKED) return TRUE;
            const std::function<void()>* handler = nullptr;
            switch (LOWORD(wParam)) {
                case IDC_BUTTON_VIEWAUTODELFILE:
                    handler = &callbacks_.viewAutodelFile;
                    break;
                case IDC_BUTTON_SAVEAUTODELFILE:
                    handler = &callbacks_.saveAutodelFile;
                    break;
                case IDC_BUTTON_RUNAUTODELFILE:
                    handler = &callbacks_.runAutodelFile;
                    break;
                default:
                    break;
            }
            if (handler && *handler) (*handler)();
            return TRUE;
        }
        default:
            return std::nullopt;
    }
}

void ToolsPage::layoutUndeletables() {
    const HWND group = groups_[tools::group_undeletables].hwnd();
    DialogLayout place(group, 4);
    place.place(IDC_GROUP_UNDELETABLES, 0, 0, place.width(), place.height());
    const int left = place.x(8);
    const int width = std::min(place.x(150), place.width() - 2 * left);
    for (int i = 0; i < 3; ++i) {
        place.place(kAutodelButtons[i], left, place.y(12 + i * 22), width, place.y(18));
    }
}

void ToolsPage::fitToPage() {
    if (!page_ || !hwnd()) return;
    RECT client{};
    GetClientRect(page_, &client);
    SetWindowPos(hwnd(), nullptr, 0, 0, client.right, client.bottom, SWP_NOZORDER | SWP_NOACTIVATE);
}

void ToolsPage::layout() {
    DialogLayout place(hwnd(), 20);
    const int w = place.width(), h = place.height();
    const int margin = place.x(4), top = place.y(2), bottom = h - place.y(4);

    // The description box takes the whole width, so its long caption has room.
    const int infoHeight = std::max(place.y(64), (bottom - top) * 2 / 5);
    const int infoTop = bottom - infoHeight;
    place.place(IDC_GROUP_INFOABOUTTOOLS, margin, infoTop, w - 2 * margin, infoHeight);
    place.place(IDC_MEMO_INFOABOUTTOOLS, margin + place.x(6), infoTop + place.y(12), w - 2 * margin - place.x(12),
                infoHeight - place.y(18));

    const int upperBottom = infoTop - place.y(3);
    const int selectorWidth = place.x(100);
    place.place(IDC_BOX_OPERATIONSELECT, margin, top, selectorWidth, upperBottom - top);
    // The six buttons share the box's height, within limits.
    const int gap = place.y(2);
    const int available = upperBottom - top - place.y(16);
    const int buttonHeight =
        std::clamp((available - (tools::kToolGroupCount - 1) * gap) / tools::kToolGroupCount, place.y(11), place.y(18));
    for (int group = 0; group < tools::kToolGroupCount; ++group) {
        place.place(IDC_BUTTON_SYSTEMDIRS_FIRST + group, margin + place.x(6),
                    top + place.y(11) + group * (buttonHeight + gap), selectorWidth - place.x(12), buttonHeight);
    }

    const int left = margin + selectorWidth + margin;
    for (const ToolsGroupView& group : groups_) {
        place.place(group.hwnd(), left, top, w - left - margin, upperBottom - top);
    }
}

INT_PTR ToolsPage::handleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_INITDIALOG:
            initialize();
            return FALSE;
        case WM_SIZE:
            layout();
            return TRUE;
        case WM_DRAWITEM:
            if (std::optional<INT_PTR> result = drawButton(lParam)) return *result;
            break;
        case WM_COMMAND: {
            const int id = LOWORD(wParam);
            if (HIWORD(wParam) == BN_CLICKED && isSelectorButton(id)) selectGroup(id - IDC_BUTTON_SYSTEMDIRS_FIRST);
            return TRUE;
        }
        case WM_CTLCOLORSTATIC:
            if (GetDlgCtrlID(reinterpret_cast<HWND>(lParam)) == IDC_MEMO_INFOABOUTTOOLS) {
                return paintAsWindow(reinterpret_cast<HDC>(wParam));
            }
            break;
        default:
            break;
    }
    return Dialog::handleMessage(message, wParam, lParam);
}

}  // namespace kefelo::ui
