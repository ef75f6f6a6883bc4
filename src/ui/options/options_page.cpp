#include "ui/options/options_page.h"
#include "ui/common/child_control.h"

#include <uxtheme.h>

#include <algorithm>

#include "core/integration/info_texts.h"
#include "platform/win32/wide.h"
#include "ui/controls/layout.h"
#include "ui/options/options_page_ids.h"

namespace kefelo::ui {
namespace {
using integration::GeneralOption;
using platform::win32::narrow;
using platform::win32::widen;

bool isSelectorButton(int id) {
    return id >= IDC_BUTTON_OPTIONGROUP_FIRST && id < IDC_BUTTON_OPTIONGROUP_FIRST + integration::kOptionGroupCount;
}

bool isGeneralOption(int id) {
    return id >= IDC_GENERAL_OPTION_FIRST && id < IDC_GENERAL_OPTION_FIRST + integration::kGeneralOptionCount;
}

int generalId(GeneralOption option) { return IDC_GENERAL_OPTION_FIRST + static_cast<int>(option); }

std::string windowText(HWND window) {
    const int length = window ? GetWindowTextLengthW(window) : 0;
    std::wstring text(static_cast<size_t>(length) + 1, L'\0');
    text.resize(window ? static_cast<size_t>(GetWindowTextW(window, text.data(), length + 1)) : 0);
    return narrow(text);
}

void setText(HWND dialog, int id, std::string_view text) {
    SetDlgItemTextW(dialog, id, widen(std::string(text)).c_str());
}

void setCheck(HWND dialog, int id, bool checked, bool enabled) {
    CheckDlgButton(dialog, id, checked ? BST_CHECKED : BST_UNCHECKED);
    EnableWindow(GetDlgItem(dialog, id), enabled);
}

// The height a check box needs for its caption at a width, wrapped to as many lines as
// it takes, so that no caption is cut at the window's minimum size.
int checkHeight(HWND check, int width, int minimum) {
    const std::wstring caption = widen(windowText(check));
    HDC dc = GetDC(check);
    if (!dc) return minimum;
    HGDIOBJ old = SelectObject(dc, reinterpret_cast<HFONT>(SendMessageW(check, WM_GETFONT, 0, 0)));
    RECT rect{0, 0, std::max(1, width - GetSystemMetrics(SM_CXMENUCHECK) - 6), 0};
    DrawTextW(dc, caption.c_str(), static_cast<int>(caption.size()), &rect, DT_CALCRECT | DT_WORDBREAK | DT_NOPREFIX);
    SelectObject(dc, old);
    ReleaseDC(check, dc);
    return std::max(minimum, static_cast<int>(rect.bottom) + 2);
}
}  // namespace

bool OptionsPage::create(HINSTANCE instance, HWND page, integration::OptionsPageModel& model) {
    instance_ = instance;
    page_ = page;
    model_ = &model;
    if (!createModeless(instance, IDD_OPTIONS_PAGE, page)) return false;
    pageHook_.attach(page, [this](HWND, UINT message, WPARAM, LPARAM) -> std::optional<LRESULT> {
        if (message == WM_SIZE) fitToPage();
        return std::nullopt;
    });
    fitToPage();
    ShowWindow(hwnd(), SW_SHOWNA);
    return true;
}

void OptionsPage::initialize() {
    EnableThemeDialogTexture(hwnd(), ETDT_ENABLETAB);
    setText(hwnd(), IDC_BOX_OPTIONSELECT, integration::kOptionSelectCaption);
    setText(hwnd(), IDC_GROUP_INFOABOUTOPTIONS, integration::kInfoGroupCaption);

    for (int group = 0; group < integration::kOptionGroupCount; ++group) {
        const int id = IDC_BUTTON_OPTIONGROUP_FIRST + group;
        SelButton& selector = buttons_[id];
        selector.attach(GetDlgItem(hwnd(), id));
        selector.setCaption(std::string(integration::kOptionGroupCaptions[group]));
        hover_.trackControl(selector.hwnd());

        const int templateId = group == integration::group_advanced   ? IDD_OPTIONS_GENERAL
                               : group == integration::group_autoruns ? IDD_OPTIONS_AUTORUNS
                                                                      : IDD_OPTIONS_GROUP;
        groups_[group].create(instance_, templateId, hwnd(), [this](HWND page, UINT message, WPARAM w, LPARAM l) {
            return onGroupMessage(page, message, w, l);
        });
        hover_.trackContainer(groups_[group].hwnd());
    }

    const HWND general = groups_[integration::group_advanced].hwnd();
    setText(general, IDC_GROUP_SIMPLEOPTIONS, integration::kSimpleOptionsCaption);
    setText(general, IDC_BOX_SPECIALWARNINGOPTIONS, integration::kSpecialWarningCaption);
    for (int i = 0; i < integration::kGeneralOptionCount; ++i) {
        const int id = IDC_GENERAL_OPTION_FIRST + i;
        setText(general, id, integration::generalOptionCaption(static_cast<GeneralOption>(i)));
        hover_.trackControl(GetDlgItem(general, id));
    }
    // Only the mouse may change the manual-containers guard: its press asks first.
    noaddHook_.attach(GetDlgItem(general, generalId(GeneralOption::check_noadd)),
                      [this](HWND, UINT message, WPARAM, LPARAM) -> std::optional<LRESULT> {
                          switch (message) {
                              case WM_LBUTTONDOWN:
                              case WM_LBUTTONDBLCLK: {
                                  POINT cursor{};
                                  GetCursorPos(&cursor);
                                  model_->check_noaddMouseDown(cursor.x, cursor.y);
                                  refresh();
                                  return 0;
                              }
                              case WM_KEYDOWN:
                              case WM_KEYUP:
                              case WM_CHAR:
                                  return 0;
                              default:
                                  return std::nullopt;
                          }
                      });

    const HWND autoruns = groups_[integration::group_autoruns].hwnd();
    setText(autoruns, IDC_BOX_AUTORUNS, integration::kAutorunsCaption);
    setText(autoruns, IDC_GROUPAUTORUN, integration::kAutoCleaningCaption);
    setText(autoruns, IDC_CHECK_AUTORUN, integration::kAutorunCaption);
    setText(autoruns, IDC_CHECK_QUITPROGRAMWHENAUTORUNDONE, integration::kQuitWhenAutorunDoneCaption);
    setText(autoruns, IDC_LABEL_RUN, integration::kRunLabel);
    setText(autoruns, IDC_LABEL_DAYS, integration::kDaysLabel);
    setText(autoruns, IDC_BOXUPDATESEARCHENABLE, integration::kUpdateSearchCaption);
    setText(autoruns, IDC_CHECK_UPDATESEARCH, integration::kUpdateSearchCheckCaption);
    // The update interval's labels are the automatic cleaning's.
    setText(autoruns, IDC_LRUN2, windowText(GetDlgItem(autoruns, IDC_LABEL_RUN)));
    setText(autoruns, IDC_LDAY2, windowText(GetDlgItem(autoruns, IDC_LABEL_DAYS)));
    for (int id : {IDC_GROUPAUTORUN, IDC_CHECK_AUTORUN, IDC_EDIT_DAYSOFAUTORUN, IDC_CHECK_QUITPROGRAMWHENAUTORUNDONE,
                   IDC_BOXUPDATESEARCHENABLE, IDC_CHECK_UPDATESEARCH, IDC_EDIT_UPDATESEARCH}) {
        hover_.trackControl(GetDlgItem(autoruns, id));
    }
    hookIntervalEdit(IDC_EDIT_DAYSOFAUTORUN);
    hookIntervalEdit(IDC_EDIT_UPDATESEARCH);

    hover_.trackControl(GetDlgItem(hwnd(), IDC_MEMO_INFOABOUTOPTIONS));
    hover_.trackContainer(hwnd());
    hover_.setCallback([this](HWND window) { onHover(window); });

    refresh();
    applySelectorLooks();
}

void OptionsPage::hookIntervalEdit(int id) {
    const HWND edit = GetDlgItem(groups_[integration::group_autoruns].hwnd(), id);
    auto hook = std::make_unique<Subclass>();
    hook->attach(edit, [this, id](HWND, UINT message, WPARAM wParam, LPARAM) -> std::optional<LRESULT> {
        switch (message) {
            case WM_KEYDOWN:
                if (wParam == VK_UP || wParam == VK_DOWN) {
                    onIntervalStep(id,
                                   wParam == VK_UP ? cleaning::IntervalStep::UpKey : cleaning::IntervalStep::DownKey);
                    return 0;
                }
                return std::nullopt;
            case WM_LBUTTONDOWN:
                onIntervalStep(id, cleaning::IntervalStep::LeftButton);
                return std::nullopt;  // the caret still goes where the user clicked
            case WM_RBUTTONDOWN:
                onIntervalStep(id, cleaning::IntervalStep::RightButton);
                return 0;
            case WM_CONTEXTMENU:
                return 0;  // the right button counts up; there is no menu to show
            default:
                return std::nullopt;
        }
    });
    editHooks_[id] = std::move(hook);
}

void OptionsPage::onIntervalStep(int id, cleaning::IntervalStep step) {
    const HWND autoruns = groups_[integration::group_autoruns].hwnd();
    const HWND edit = GetDlgItem(autoruns, id);
    const std::string text = windowText(edit);
    const std::string stepped =
        id == IDC_EDIT_UPDATESEARCH ? model_->stepUpdateSearch(text, step) : model_->stepDaysOfAutorun(text, step);
    if (stepped == text) return;
    refreshing_ = true;
    SetWindowTextW(edit, widen(stepped).c_str());
    SendMessageW(edit, EM_SETSEL, stepped.size(), stepped.size());
    refreshing_ = false;
}

void OptionsPage::onIntervalChange(int id) {
    if (refreshing_) return;
    const HWND edit = GetDlgItem(groups_[integration::group_autoruns].hwnd(), id);
    const std::string typed = windowText(edit);
    std::string text = typed;
    if (id == IDC_EDIT_UPDATESEARCH) {
        model_->edit_updatesearchChange(text);
    } else {
        model_->edit_daysofautorunChange(text);
    }
    if (text == typed) return;
    refreshing_ = true;
    SetWindowTextW(edit, widen(text).c_str());
    SendMessageW(edit, EM_SETSEL, text.size(), text.size());
    refreshing_ = false;
}

void OptionsPage::refresh() {
    if (!hwnd() || !model_) return;
    refreshing_ = true;
    const HWND general = groups_[integration::group_advanced].hwnd();
    for (int i = 0; i < integration::kGeneralOptionCount; ++i) {
        const auto option = static_cast<GeneralOption>(i);
        setCheck(general, IDC_GENERAL_OPTION_FIRST + i, model_->checked(option), model_->enabled(option));
    }
    const config::ConfigModel& c = model_->config();
    const HWND autoruns = groups_[integration::group_autoruns].hwnd();
    setCheck(autoruns, IDC_CHECK_AUTORUN, c.check_autorun, true);
    setCheck(autoruns, IDC_CHECK_QUITPROGRAMWHENAUTORUNDONE, c.check_quitprogramwhenautorundone,
             c.check_quitprogramwhenautorundoneEnabled);
    setCheck(autoruns, IDC_CHECK_UPDATESEARCH, c.check_updatesearch, true);
    const auto setEdit = [&](int id, const std::string& text, bool enabled) {
        const HWND edit = GetDlgItem(autoruns, id);
        if (windowText(edit) != text) SetWindowTextW(edit, widen(text).c_str());
        EnableWindow(edit, enabled);
    };
    setEdit(IDC_EDIT_DAYSOFAUTORUN, c.edit_daysofautorun, c.edit_daysofautorunEnabled);
    setEdit(IDC_EDIT_UPDATESEARCH, c.edit_updatesearch, c.edit_updatesearchEnabled);
    refreshing_ = false;
}

void OptionsPage::selectGroup(int group) {
    model_->selector().select(group);
    applySelectorLooks();
    HWND focus = nullptr;
    switch (integration::focusAfterSelection(model_->selector().selected())) {
        case integration::FocusTarget::checked_startupwithwindows:
            focus = GetDlgItem(groups_[integration::group_advanced].hwnd(),
                               generalId(GeneralOption::checked_startupwithwindows));
            break;
        case integration::FocusTarget::check_autorun:
            focus = GetDlgItem(groups_[integration::group_autoruns].hwnd(), IDC_CHECK_AUTORUN);
            break;
        default:
            break;
    }
    // The shortcut and protected-name groups fill their pages later; until then their page
    // holds the focus, which the disabled selector button could not.
    SetFocus(focus ? focus : groups_[model_->selector().selected()].hwnd());
}

void OptionsPage::applySelectorLooks() {
    for (int group = 0; group < integration::kOptionGroupCount; ++group) {
        SelButton& selector = buttons_[IDC_BUTTON_OPTIONGROUP_FIRST + group];
        const bool selected = model_->selector().isSelected(group);
        selector.setLook(selected ? SelButton::Look::Selected : SelButton::Look::Normal);
        selector.setEnabled(!selected);
    }
    const HWND shown = groups_[model_->selector().selected()].hwnd();
    SetWindowPos(shown, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE | SWP_SHOWWINDOW);
    for (const ToolsGroupView& group : groups_) {
        if (group.hwnd() != shown) ShowWindow(group.hwnd(), SW_HIDE);
    }
    RedrawWindow(shown, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
}

HWND OptionsPage::groupPage(int group) const {
    return group >= 0 && group < integration::kOptionGroupCount ? groups_[group].hwnd() : nullptr;
}

SelButton* OptionsPage::button(int id) {
    auto it = buttons_.find(id);
    return it == buttons_.end() ? nullptr : &it->second;
}

void OptionsPage::setDescription(const std::string& text) {
    if (description() != text) SetDlgItemTextW(hwnd(), IDC_MEMO_INFOABOUTOPTIONS, widen(text).c_str());
}

std::string OptionsPage::description() const { return windowText(GetDlgItem(hwnd(), IDC_MEMO_INFOABOUTOPTIONS)); }

void OptionsPage::onHover(HWND window) {
    const int id = GetDlgCtrlID(window);
    if (GetParent(window) == hwnd() && (isSelectorButton(id) || id == IDC_MEMO_INFOABOUTOPTIONS)) return;
    setDescription("");
}

std::optional<INT_PTR> OptionsPage::drawButton(LPARAM lParam) {
    const auto& item = *reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
    SelButton* b = button(static_cast<int>(item.CtlID));
    if (!b || b->hwnd() != item.hwndItem) return std::nullopt;
    b->draw(item);
    return TRUE;
}

std::optional<INT_PTR> OptionsPage::onGroupMessage(HWND group, UINT message, WPARAM wParam, LPARAM) {
    const bool general = group == groups_[integration::group_advanced].hwnd();
    const bool autoruns = group == groups_[integration::group_autoruns].hwnd();
    if (!general && !autoruns) return std::nullopt;
    if (message == WM_SIZE) {
        if (general) {
            RECT client{};
            GetClientRect(group, &client);
            layoutGeneral(client.right, true);
        } else {
            layoutAutoruns();
        }
        return TRUE;
    }
    if (message != WM_COMMAND) return std::nullopt;
    const int id = LOWORD(wParam);
    const int code = HIWORD(wParam);
    if (code == EN_CHANGE && (id == IDC_EDIT_DAYSOFAUTORUN || id == IDC_EDIT_UPDATESEARCH)) {
        onIntervalChange(id);
        return TRUE;
    }
    if (code != BN_CLICKED || refreshing_) return TRUE;
    const bool checked = IsDlgButtonChecked(group, id) == BST_CHECKED;
    if (general && isGeneralOption(id)) {
        model_->setGeneral(static_cast<GeneralOption>(id - IDC_GENERAL_OPTION_FIRST), checked);
    } else if (id == IDC_CHECK_AUTORUN) {
        model_->check_autorunClick(checked);
    } else if (id == IDC_CHECK_QUITPROGRAMWHENAUTORUNDONE) {
        model_->check_quitprogramwhenautorundoneClick(checked);
    } else if (id == IDC_CHECK_UPDATESEARCH) {
        model_->check_updatesearchClick(checked);
    }
    // A question may have undone the click, and one box may enable another.
    refresh();
    return TRUE;
}

int OptionsPage::layoutGeneral(int width, bool apply) {
    const HWND general = groups_[integration::group_advanced].hwnd();
    DialogLayout place(general, integration::kGeneralOptionCount + 2);
    const int inner = place.x(6), checkWidth = width - 2 * inner, gap = place.y(1);
    const int minimum = place.y(10);
    int y = 0;
    const auto box = [&](int groupId, int first, int count) {
        const int top = y;
        y += place.y(11);
        for (int i = first; i < first + count; ++i) {
            const int id = IDC_GENERAL_OPTION_FIRST + i;
            const int height = checkHeight(GetDlgItem(general, id), checkWidth, minimum);
            if (apply) place.place(id, inner, y, checkWidth, height);
            y += height + gap;
        }
        y += place.y(3);
        if (apply) place.place(groupId, 0, top, width, y - top);
    };
    box(IDC_GROUP_SIMPLEOPTIONS, 0, integration::kSimpleOptionCount);
    y += place.y(3);
    box(IDC_BOX_SPECIALWARNINGOPTIONS, integration::kSimpleOptionCount,
        integration::kGeneralOptionCount - integration::kSimpleOptionCount);
    return y;
}

void OptionsPage::layoutAutoruns() {
    const HWND autoruns = groups_[integration::group_autoruns].hwnd();
    DialogLayout place(autoruns, 16);
    const int w = place.width();
    const int outer = place.x(6), inner = outer + place.x(6);
    const int innerWidth = w - 2 * outer, checkWidth = w - 2 * inner;
    const int minimum = place.y(10);
    int y = place.y(11);
    const auto interval = [&](int label, int edit, int days) {
        place.place(label, inner + place.x(12), y + place.y(2), place.x(36), place.y(8));
        place.place(edit, inner + place.x(50), y, place.x(30), place.y(12));
        place.place(days, inner + place.x(84), y + place.y(2), place.x(60), place.y(8));
        y += place.y(12) + place.y(3);
    };
    const auto check = [&](int id) {
        const int height = checkHeight(GetDlgItem(autoruns, id), checkWidth, minimum);
        place.place(id, inner, y, checkWidth, height);
        y += height + place.y(3);
    };

    int top = y;
    y += place.y(11);
    check(IDC_CHECK_AUTORUN);
    interval(IDC_LABEL_RUN, IDC_EDIT_DAYSOFAUTORUN, IDC_LABEL_DAYS);
    check(IDC_CHECK_QUITPROGRAMWHENAUTORUNDONE);
    place.place(IDC_GROUPAUTORUN, outer, top, innerWidth, y - top);

    y += place.y(4);
    top = y;
    y += place.y(11);
    check(IDC_CHECK_UPDATESEARCH);
    interval(IDC_LRUN2, IDC_EDIT_UPDATESEARCH, IDC_LDAY2);
    place.place(IDC_LABEL_LASTUPDATEDATE, inner, y, checkWidth, place.y(8));
    y += place.y(8) + place.y(4);
    place.place(IDC_BOXUPDATESEARCHENABLE, outer, top, innerWidth, y - top);

    place.place(IDC_BOX_AUTORUNS, 0, 0, w, std::max(place.height(), y + place.y(4)));
}

void OptionsPage::fitToPage() {
    if (!page_ || !hwnd()) return;
    RECT client{};
    GetClientRect(page_, &client);
    SetWindowPos(hwnd(), nullptr, 0, 0, client.right, client.bottom, SWP_NOZORDER | SWP_NOACTIVATE);
}

void OptionsPage::layout() {
    DialogLayout place(hwnd(), 10);
    const int w = place.width(), h = place.height();
    const int margin = place.x(4), top = place.y(2), bottom = h - place.y(4);
    const int selectorWidth = place.x(100);
    const int left = margin + selectorWidth + margin;
    const int groupWidth = w - left - margin;

    const int gap = place.y(2);
    const int buttonHeight = place.y(18);
    const int count = integration::kOptionGroupCount;
    const int selectorHeight = place.y(11) + count * (buttonHeight + gap) + place.y(4);
    const auto placeInfo = [&](int x, int y, int width, int height) {
        place.place(IDC_GROUP_INFOABOUTOPTIONS, x, y, width, height);
        place.place(IDC_MEMO_INFOABOUTOPTIONS, x + place.x(6), y + place.y(12), width - place.x(12),
                    height - place.y(18));
    };

    // The general options must show whole. The description box takes what is left below
    // them when that is a few lines; otherwise it goes under the selector column.
    const int needed = layoutGeneral(groupWidth, false);
    const int infoHeight = bottom - top - needed - place.y(3);
    int upperBottom = bottom;
    if (infoHeight >= place.y(40)) {
        placeInfo(margin, bottom - infoHeight, w - 2 * margin, infoHeight);
        upperBottom = bottom - infoHeight - place.y(3);
    } else {
        const int infoTop = top + selectorHeight + place.y(3);
        placeInfo(margin, infoTop, selectorWidth, bottom - infoTop);
    }

    place.place(IDC_BOX_OPTIONSELECT, margin, top, selectorWidth, selectorHeight);
    for (int group = 0; group < count; ++group) {
        place.place(IDC_BUTTON_OPTIONGROUP_FIRST + group, margin + place.x(6),
                    top + place.y(11) + group * (buttonHeight + gap), selectorWidth - place.x(12), buttonHeight);
    }
    for (const ToolsGroupView& group : groups_) {
        place.place(group.hwnd(), left, top, groupWidth, upperBottom - top);
    }
}

INT_PTR OptionsPage::handleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
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
            if (HIWORD(wParam) == BN_CLICKED && isSelectorButton(id)) selectGroup(id - IDC_BUTTON_OPTIONGROUP_FIRST);
            return TRUE;
        }
        case WM_CTLCOLORSTATIC:
            if (GetDlgCtrlID(reinterpret_cast<HWND>(lParam)) == IDC_MEMO_INFOABOUTOPTIONS) {
                return paintAsWindow(reinterpret_cast<HDC>(wParam));
            }
            break;
        default:
            break;
    }
    return Dialog::handleMessage(message, wParam, lParam);
}

}  // namespace kefelo::ui
