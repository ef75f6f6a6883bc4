#include "ui/controls/selector_page.h"

#include <uxtheme.h>

#include <algorithm>
#include <string_view>

#include "platform/win32/wide.h"
#include "ui/common/window.h"
#include "ui/controls/layout.h"

namespace kefelo::ui {
namespace {
// An empty child dialog in the shell font ("MS Shell Dlg 2", 8 points), as a DLGTEMPLATEEX:
// the frame itself, and the groups that have no template of their own yet.
const std::vector<WORD>& emptyChildTemplate() {
    static const std::vector<WORD> words = [] {
        std::vector<WORD> t;
        const auto dword = [&t](DWORD value) {
            t.push_back(LOWORD(value));
            t.push_back(HIWORD(value));
        };
        t.push_back(1);       // version
        t.push_back(0xFFFF);  // the extended form
        dword(0);             // help id
        dword(WS_EX_CONTROLPARENT);
        dword(DS_SETFONT | DS_FIXEDSYS | DS_CONTROL | WS_CHILD | WS_CLIPSIBLINGS);
        t.push_back(0);  // no controls
        for (WORD v : {0, 0, 300, 120}) t.push_back(v);
        t.insert(t.end(), {0, 0, 0});  // no menu, the dialog class, no title
        t.push_back(8);
        t.push_back(FW_NORMAL);
        t.push_back(MAKEWORD(FALSE, DEFAULT_CHARSET));  // not italic
        for (wchar_t c : std::wstring_view(L"MS Shell Dlg 2")) t.push_back(static_cast<WORD>(c));
        t.push_back(0);
        return t;
    }();
    return words;
}
}  // namespace

class SelectorPage::GroupDialog : public Dialog {
public:
    GroupDialog(SelectorPage& frame, size_t index) : frame_(frame), index_(index) {}

    bool create(HINSTANCE instance, int templateId, HWND parent) {
        const HWND made = templateId ? createModeless(instance, templateId, parent)
                                     : createModeless(instance, emptyChildTemplate().data(), parent);
        return made != nullptr;
    }

protected:
    INT_PTR handleMessage(UINT message, WPARAM wParam, LPARAM lParam) override {
        if (message == WM_INITDIALOG) {
            // Themed page controls draw their body in another colour than a plain dialog.
            EnableThemeDialogTexture(hwnd(), ETDT_ENABLETAB);
            return FALSE;
        }
        if (std::optional<INT_PTR> result = frame_.onGroupMessage(index_, message, wParam, lParam)) return *result;
        return Dialog::handleMessage(message, wParam, lParam);
    }

private:
    SelectorPage& frame_;
    size_t index_;
};

SelectorPage::SelectorPage() = default;
SelectorPage::~SelectorPage() = default;

bool SelectorPage::create(HINSTANCE instance, HWND page, Setup setup) {
    instance_ = instance;
    page_ = page;
    setup_ = std::move(setup);
    if (!createModeless(instance, emptyChildTemplate().data(), page)) return false;
    const bool complete = std::all_of(groups_.begin(), groups_.end(), [](const auto& g) { return g->hwnd(); });
    pageHook_.attach(page, [this](HWND, UINT message, WPARAM, LPARAM) -> std::optional<LRESULT> {
        if (message == WM_SIZE) fitToPage();
        return std::nullopt;
    });
    fitToPage();
    ShowWindow(hwnd(), SW_SHOWNA);
    return complete;
}

void SelectorPage::initialize() {
    EnableThemeDialogTexture(hwnd(), ETDT_ENABLETAB);
    makeControls();
    for (size_t i = 0; i < setup_.groups.size(); ++i) {
        auto group = std::make_unique<GroupDialog>(*this, i);
        group->create(instance_, setup_.groups[i].templateId, hwnd());
        hover_.trackContainer(group->hwnd());
        groups_.push_back(std::move(group));
    }
    hover_.trackControl(GetDlgItem(hwnd(), setup_.infoTextId));
    hover_.trackContainer(hwnd());
    hover_.setCallback([this](HWND window) { onHover(window); });
    if (setup_.initialize) setup_.initialize();
    if (shown_ < 0) show(0);
}

// In the order of a dialog template, which is also the Tab order.
void SelectorPage::makeControls() {
    const auto font = reinterpret_cast<HFONT>(SendMessageW(hwnd(), WM_GETFONT, 0, 0));
    const auto make = [&](std::string_view text, DWORD style, int id) {
        return Window::createChild(hwnd(),
                                   {.className = L"BUTTON", .text = text, .style = style, .id = id, .font = font});
    };
    make(setup_.selectorCaption, BS_GROUPBOX, setup_.selectorBoxId);
    for (size_t i = 0; i < setup_.groups.size(); ++i) {
        const int id = setup_.firstButtonId + static_cast<int>(i);
        make(setup_.groups[i].caption, BS_OWNERDRAW | WS_TABSTOP, id);
        hover_.trackControl(buttons_.attach(hwnd(), id).hwnd());
    }
    make(setup_.infoCaption, BS_GROUPBOX, setup_.infoBoxId);
    // An edit control sizes its text margins by its width when it gets its font: too
    // narrow, and the text would start right at the border.
    RECT box{0, 0, 296, 54};
    MapDialogRect(hwnd(), &box);
    const HWND info = Window::createChild(hwnd(), {.className = L"EDIT",
                                                   .style = ES_MULTILINE | ES_READONLY | WS_VSCROLL,
                                                   .exStyle = WS_EX_CLIENTEDGE,
                                                   .id = setup_.infoTextId,
                                                   .font = font,
                                                   .width = box.right,
                                                   .height = box.bottom});
    // Disabled, the box would draw its text grey; so it stays enabled and the clicks that
    // would give it the focus go nowhere.
    infoHook_.attach(info, [](HWND, UINT message, WPARAM wParam, LPARAM) -> std::optional<LRESULT> {
        switch (message) {
            case WM_LBUTTONDOWN:
            case WM_LBUTTONDBLCLK:
            case WM_RBUTTONDOWN:
            case WM_RBUTTONUP:
            case WM_MBUTTONDOWN:
            case WM_CONTEXTMENU:
                return 0;
            case WM_SETFOCUS: {
                const auto previous = reinterpret_cast<HWND>(wParam);
                if (previous && IsWindow(previous)) SetFocus(previous);
                return 0;
            }
            default:
                return std::nullopt;
        }
    });
}

void SelectorPage::show(int group) {
    const int count = static_cast<int>(groups_.size());
    if (group < 0 || group >= count) return;
    // A description of the group going away would stand under the new one.
    if (shown_ >= 0 && shown_ != group) setDescription("");
    shown_ = group;
    for (int i = 0; i < count; ++i) {
        if (SelButton* selector = buttons_.find(setup_.firstButtonId + i)) {
            selector->setLook(i == group ? SelButton::Look::Selected : SelButton::Look::Normal);
            selector->setEnabled(i != group);
        }
    }
    const HWND chosen = groups_[group]->hwnd();
    SetWindowPos(chosen, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE | SWP_SHOWWINDOW);
    for (const auto& other : groups_) {
        if (other->hwnd() != chosen) ShowWindow(other->hwnd(), SW_HIDE);
    }
    RedrawWindow(chosen, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
}

HWND SelectorPage::group(int index) const {
    return index >= 0 && index < static_cast<int>(groups_.size()) ? groups_[index]->hwnd() : nullptr;
}

SelButton& SelectorPage::ownerDrawn(int group, int id) {
    SelButton& drawn = buttons_.attach(this->group(group), id);
    hover_.trackControl(drawn.hwnd());
    return drawn;
}

void SelectorPage::describeOnHover(int group, int id) { hover_.trackControl(GetDlgItem(this->group(group), id)); }

void SelectorPage::setDescription(const std::string& text) {
    if (description() != text) SetDlgItemTextW(hwnd(), setup_.infoTextId, platform::win32::widen(text).c_str());
}

std::string SelectorPage::description() const { return windowText(GetDlgItem(hwnd(), setup_.infoTextId)); }

int SelectorPage::groupOf(HWND window) const {
    for (size_t i = 0; i < groups_.size(); ++i) {
        const HWND dialog = groups_[i]->hwnd();
        if (dialog && (window == dialog || IsChild(dialog, window))) return static_cast<int>(i);
    }
    return -1;
}

void SelectorPage::onHover(HWND window) {
    // The box itself shows its group's hint and keeps its text, so that a long one can be
    // scrolled; the selector buttons, like a group's background and the frame's, have
    // nothing to describe and clear it.
    if (GetParent(window) == hwnd() && GetDlgCtrlID(window) == setup_.infoTextId) {
        if (setup_.infoHovered) setup_.infoHovered();
        return;
    }
    const int index = groupOf(window);
    const Group* group = index >= 0 ? &setup_.groups[index] : nullptr;
    const bool control = index >= 0 && window != groups_[index]->hwnd();
    setDescription(control && group->describe ? group->describe(window) : std::string());
}

std::optional<INT_PTR> SelectorPage::onGroupMessage(size_t index, UINT message, WPARAM wParam, LPARAM lParam) {
    const Group& group = setup_.groups[index];
    const HWND dialog = groups_[index]->hwnd();
    if (group.message) {
        if (std::optional<INT_PTR> result = group.message(dialog, message, wParam, lParam)) return result;
    }
    switch (message) {
        case WM_SIZE:
            if (!group.layout) break;
            group.layout(dialog);
            return TRUE;
        case WM_DRAWITEM:
            if (buttons_.draw(lParam)) return TRUE;
            break;
        case WM_COMMAND:
            if (!group.command) break;
            group.command(dialog, LOWORD(wParam), HIWORD(wParam));
            return TRUE;
        default:
            break;
    }
    return std::nullopt;
}

void SelectorPage::fitToPage() {
    if (!page_ || !hwnd()) return;
    RECT client{};
    GetClientRect(page_, &client);
    SetWindowPos(hwnd(), nullptr, 0, 0, client.right, client.bottom, SWP_NOZORDER | SWP_NOACTIVATE);
}

void SelectorPage::layout() {
    const int count = static_cast<int>(groups_.size());
    if (count == 0) return;
    DialogLayout place(hwnd(), 2 * count + 4);
    const int w = place.width(), h = place.height();
    const int margin = place.x(4), top = place.y(2), bottom = h - place.y(4);
    const int selectorWidth = place.x(100);
    const int left = margin + selectorWidth + margin;
    const int groupWidth = w - left - margin;
    const int gap = place.y(2);
    const auto placeInfo = [&](int x, int y, int width, int height) {
        place.place(setup_.infoBoxId, x, y, width, height);
        place.place(setup_.infoTextId, x + place.x(6), y + place.y(12), width - place.x(12), height - place.y(18));
    };

    int upperBottom = bottom, selectorHeight = 0, buttonHeight = place.y(18);
    if (setup_.groupsHeight) {
        // The groups must show whole. The description box takes what is left below them
        // when that is a few lines; otherwise it goes under the selector column.
        selectorHeight = place.y(11) + count * (buttonHeight + gap) + place.y(4);
        const int infoHeight = bottom - top - setup_.groupsHeight(groupWidth) - place.y(3);
        if (infoHeight >= place.y(40)) {
            placeInfo(margin, bottom - infoHeight, w - 2 * margin, infoHeight);
            upperBottom = bottom - infoHeight - place.y(3);
        } else {
            const int infoTop = top + selectorHeight + place.y(3);
            placeInfo(margin, infoTop, selectorWidth, bottom - infoTop);
        }
    } else {
        // The description box takes the whole width, so its long caption has room; the
        // buttons share the selector box's height, within limits.
        const int infoHeight = std::max(place.y(64), (bottom - top) * 2 / 5);
        const int infoTop = bottom - infoHeight;
        placeInfo(margin, infoTop, w - 2 * margin, infoHeight);
        upperBottom = infoTop - place.y(3);
        selectorHeight = upperBottom - top;
        const int available = upperBottom - top - place.y(16);
        buttonHeight = std::clamp((available - (count - 1) * gap) / count, place.y(11), place.y(18));
    }

    place.place(setup_.selectorBoxId, margin, top, selectorWidth, selectorHeight);
    for (int i = 0; i < count; ++i) {
        place.place(setup_.firstButtonId + i, margin + place.x(6), top + place.y(11) + i * (buttonHeight + gap),
                    selectorWidth - place.x(12), buttonHeight);
    }
    for (const auto& group : groups_) place.place(group->hwnd(), left, top, groupWidth, upperBottom - top);
}

INT_PTR SelectorPage::handleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_COMMAND: {
            const int index = LOWORD(wParam) - setup_.firstButtonId;
            if (HIWORD(wParam) == BN_CLICKED && index >= 0 && index < static_cast<int>(groups_.size())) {
                if (setup_.selectorClicked) {
                    setup_.selectorClicked(index);
                } else {
                    show(index);
                }
            }
            return TRUE;
        }
        case WM_CTLCOLORSTATIC:
            if (GetDlgCtrlID(reinterpret_cast<HWND>(lParam)) == setup_.infoTextId) {
                // Read-only, but as readable as an editable box on the window background.
                const auto dc = reinterpret_cast<HDC>(wParam);
                SetTextColor(dc, GetSysColor(COLOR_WINDOWTEXT));
                SetBkColor(dc, GetSysColor(COLOR_WINDOW));
                return reinterpret_cast<INT_PTR>(GetSysColorBrush(COLOR_WINDOW));
            }
            break;
        default:
            break;
    }
    return PageDialog::handleMessage(message, wParam, lParam);
}

}  // namespace kefelo::ui
