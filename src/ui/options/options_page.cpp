#include "ui/options/options_page.h"

#include <algorithm>

#include "core/config/protected_names.h"
#include "core/integration/info_texts.h"
#include "core/integration/shortcuts.h"
#include "core/maintenance/update_rules.h"
#include "core/session/session.h"
#include "platform/win32/wide.h"
#include "ui/common/gdi.h"
#include "ui/common/window.h"
#include "ui/controls/layout.h"
#include "ui/options/info_export.h"
#include "ui/options/options_page_ids.h"

namespace kefelo::ui {
namespace {
using integration::GeneralOption;
using integration::OptionsInfo;
using platform::win32::widen;

// The general options explain themselves in the order of their boxes.
constexpr int kFirstGeneralInfo = static_cast<int>(OptionsInfo::checked_startupwithwindows);
static_assert(static_cast<int>(OptionsInfo::check_nodrive) - kFirstGeneralInfo ==
              static_cast<int>(GeneralOption::check_nodrive));

bool isGeneralOption(int id) {
    return id >= IDC_GENERAL_OPTION_FIRST && id < IDC_GENERAL_OPTION_FIRST + integration::kGeneralOptionCount;
}

int generalId(GeneralOption option) { return IDC_GENERAL_OPTION_FIRST + static_cast<int>(option); }

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
    const WindowDc dc(check);
    if (!dc.dc()) return minimum;
    const SelectScope font(dc.dc(), reinterpret_cast<HFONT>(SendMessageW(check, WM_GETFONT, 0, 0)));
    RECT rect{0, 0, std::max(1, width - GetSystemMetrics(SM_CXMENUCHECK) - 6), 0};
    DrawTextW(dc.dc(), caption.c_str(), static_cast<int>(caption.size()), &rect,
              DT_CALCRECT | DT_WORDBREAK | DT_NOPREFIX);
    return std::max(minimum, static_cast<int>(rect.bottom) + 2);
}
// The width a one-line label needs for its caption.
int labelWidth(HWND label, int minimum) {
    const std::wstring caption = widen(windowText(label));
    const WindowDc dc(label);
    if (!dc.dc()) return minimum;
    const SelectScope font(dc.dc(), reinterpret_cast<HFONT>(SendMessageW(label, WM_GETFONT, 0, 0)));
    RECT rect{0, 0, 0, 0};
    DrawTextW(dc.dc(), caption.c_str(), static_cast<int>(caption.size()), &rect,
              DT_CALCRECT | DT_SINGLELINE | DT_NOPREFIX);
    return std::max(minimum, static_cast<int>(rect.right) + 2);
}
}  // namespace

bool OptionsPage::create(const MainPageContext& context) {
    model_ = &context.session.options();
    session_ = &context.session;
    host_ = &context.host;
    status_ = &context.status;
    SelectorPage::Setup setup;
    setup.selectorBoxId = IDC_BOX_OPTIONSELECT;
    setup.firstButtonId = IDC_BUTTON_OPTIONGROUP_FIRST;
    setup.infoBoxId = IDC_GROUP_INFOABOUTOPTIONS;
    setup.infoTextId = IDC_MEMO_INFOABOUTOPTIONS;
    setup.selectorCaption = integration::kOptionSelectCaption;
    setup.infoCaption = integration::kInfoGroupCaption;
    setup.infoHovered = [this] { status_->showHint(std::string(integration::kInfoGroupHint)); };
    for (std::string_view caption : integration::kOptionGroupCaptions) setup.groups.emplace_back().caption = caption;
    SelectorPage::Group& general = setup.groups[integration::group_advanced];
    general.templateId = IDD_OPTIONS_GENERAL;
    general.layout = [this](HWND dialog) {
        RECT client{};
        GetClientRect(dialog, &client);
        layoutGeneral(client.right, true);
    };
    general.command = [this](HWND dialog, int id, int code) { onGeneralCommand(dialog, id, code); };
    general.describe = [this](HWND control) { return describe(control); };
    SelectorPage::Group& autoruns = setup.groups[integration::group_autoruns];
    autoruns.templateId = IDD_OPTIONS_AUTORUNS;
    autoruns.layout = [this](HWND) { layoutAutoruns(); };
    autoruns.command = [this](HWND dialog, int id, int code) { onAutorunsCommand(dialog, id, code); };
    autoruns.describe = [this](HWND control) { return describe(control); };
    SelectorPage::Group& shortcut = setup.groups[integration::group_shortcut];
    shortcut.templateId = IDD_OPTIONS_SHORTCUT;
    shortcut.layout = [this](HWND) { layoutShortcut(); };
    shortcut.command = [this](HWND, int id, int code) { onShortcutCommand(id, code); };
    shortcut.describe = [this](HWND control) { return describe(control); };
    SelectorPage::Group& deleting = setup.groups[integration::group_cleaning];
    deleting.templateId = IDD_OPTIONS_CLEANING;
    deleting.layout = [this](HWND) { layoutCleaning(); };
    deleting.command = [this](HWND dialog, int id, int code) { onCleaningCommand(dialog, id, code); };
    deleting.describe = [this](HWND control) { return describe(control); };
    SelectorPage::Group& protect = setup.groups[integration::group_protectfiles];
    protectedNames_.setUp(context.session, protect);
    // The group explains itself in the box, over its frame and over its list; the list's
    // own hint goes to the status line, as every control's hint does.
    protect.describe = [this](HWND control) {
        const int id = GetDlgCtrlID(control);
        if (id != IDC_BOX_PROTECTFILES && id != IDC_LIST_PROTECTFILES) return std::string();
        status_->showHint(id == IDC_LIST_PROTECTFILES ? std::string(config::kProtectFilesHint) : std::string());
        return integration::optionsInfoText(OptionsInfo::group_protectfiles);
    };
    // The general options must show whole.
    setup.groupsHeight = [this](int width) { return layoutGeneral(width, false); };
    setup.initialize = [this] { initialize(); };
    setup.selectorClicked = [this](int group) { selectGroup(group); };
    return frame_.create(context.instance, context.page, std::move(setup));
}

void OptionsPage::initialize() {
    const HWND general = frame_.group(integration::group_advanced);
    setText(general, IDC_GROUP_SIMPLEOPTIONS, integration::kSimpleOptionsCaption);
    setText(general, IDC_BOX_SPECIALWARNINGOPTIONS, integration::kSpecialWarningCaption);
    for (int i = 0; i < integration::kGeneralOptionCount; ++i) {
        const int id = IDC_GENERAL_OPTION_FIRST + i;
        setText(general, id, integration::generalOptionCaption(static_cast<GeneralOption>(i)));
        frame_.describeOnHover(integration::group_advanced, id);
    }
    // After the boxes: a box found under the mouse wins over the group around it.
    frame_.describeOnHover(integration::group_advanced, IDC_GROUP_SIMPLEOPTIONS);
    // A right or middle click on the ticked Explorer verb box shows what the verb does.
    dirRegistrationHook_.attach(GetDlgItem(general, generalId(GeneralOption::check_dirregistration)),
                                [this](HWND, UINT message, WPARAM, LPARAM) -> std::optional<LRESULT> {
                                    if (message != WM_RBUTTONDOWN && message != WM_MBUTTONDOWN) return std::nullopt;
                                    const session::SessionContext& context = session_->context();
                                    model_->check_dirregistrationMouseDown(context.shell, context.programDirectory);
                                    return 0;
                                });
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

    const HWND autoruns = frame_.group(integration::group_autoruns);
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
    // Controls before the group boxes around them, which cover them.
    for (int id :
         {IDC_CHECK_AUTORUN, IDC_EDIT_DAYSOFAUTORUN, IDC_CHECK_QUITPROGRAMWHENAUTORUNDONE, IDC_CHECK_UPDATESEARCH,
          IDC_EDIT_UPDATESEARCH, IDC_GROUPAUTORUN, IDC_BOXUPDATESEARCHENABLE, IDC_BOX_AUTORUNS}) {
        frame_.describeOnHover(integration::group_autoruns, id);
    }
    hookIntervalEdit(IDC_EDIT_DAYSOFAUTORUN);
    hookIntervalEdit(IDC_EDIT_UPDATESEARCH);
    protectedNames_.initialize(frame_, integration::group_protectfiles);
    frame_.describeOnHover(integration::group_protectfiles, IDC_BOX_PROTECTFILES);

    const HWND shortcut = frame_.group(integration::group_shortcut);
    setText(shortcut, IDC_GROUP_SHORTCUT, integration::kShortcutGroupCaption);
    setText(shortcut, IDC_BOX_SHORTCUTFUNCTION, integration::kShortcutFunctionCaption);
    setText(shortcut, IDC_CHECK_PROGRAMRUN, integration::kProgramRunCaption);
    setText(shortcut, IDC_CHECK_RUNCLEAN, integration::kRunCleanCaption);
    setText(shortcut, IDC_BOX_SHORTCUTPLACE, integration::kShortcutPlaceCaption);
    setText(shortcut, IDC_BUTTON_DESKTOP, integration::kDesktopCaption);
    setText(shortcut, IDC_BUTTON_STARTMENU, integration::kStartMenuCaption);
    CheckRadioButton(shortcut, IDC_CHECK_PROGRAMRUN, IDC_CHECK_RUNCLEAN, IDC_CHECK_PROGRAMRUN);
    for (int id :
         {IDC_CHECK_PROGRAMRUN, IDC_CHECK_RUNCLEAN, IDC_BUTTON_DESKTOP, IDC_BUTTON_STARTMENU, IDC_GROUP_SHORTCUT}) {
        frame_.describeOnHover(integration::group_shortcut, id);
    }

    const HWND deleting = frame_.group(integration::group_cleaning);
    setText(deleting, IDC_BOX_DELETING, integration::kDeletingCaption);
    setText(deleting, IDC_BOX_KEEPFRESH, integration::kKeepFreshCaption);
    setText(deleting, IDC_LABEL_KEEPFRESH, integration::kKeepFreshLabel);
    setText(deleting, IDC_LABEL_KEEPFRESHHOURS, integration::kKeepFreshHoursLabel);
    setText(deleting, IDC_LABEL_KEEPFRESHNOTE, integration::kKeepFreshNote);
    setText(deleting, IDC_BOX_RECYCLE, integration::kRecycleCaption);
    setText(deleting, IDC_CHECK_RECYCLERUN, integration::kRecycleRunCaption);
    setText(deleting, IDC_CHECK_RECYCLEFOUND, integration::kRecycleFoundCaption);
    SendDlgItemMessageW(deleting, IDC_EDIT_KEEPFRESHHOURS, EM_LIMITTEXT, 5, 0);
    for (int id : {IDC_EDIT_KEEPFRESHHOURS, IDC_CHECK_RECYCLERUN, IDC_CHECK_RECYCLEFOUND, IDC_BOX_KEEPFRESH,
                   IDC_BOX_RECYCLE}) {
        frame_.describeOnHover(integration::group_cleaning, id);
    }

    refresh();
    frame_.show(model_->selector().selected());
}

void OptionsPage::hookIntervalEdit(int id) {
    const HWND edit = GetDlgItem(frame_.group(integration::group_autoruns), id);
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
    const HWND autoruns = frame_.group(integration::group_autoruns);
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
    const HWND edit = GetDlgItem(frame_.group(integration::group_autoruns), id);
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
    if (!frame_.hwnd() || !model_) return;
    refreshing_ = true;
    const HWND general = frame_.group(integration::group_advanced);
    for (int i = 0; i < integration::kGeneralOptionCount; ++i) {
        const auto option = static_cast<GeneralOption>(i);
        setCheck(general, IDC_GENERAL_OPTION_FIRST + i, model_->checked(option), model_->enabled(option));
    }
    const config::ConfigModel& c = model_->config();
    const HWND autoruns = frame_.group(integration::group_autoruns);
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
    // `UtolsoUpdCaption`: the last attempt the wizard recorded.
    const std::string lastUpdate =
        maintenance::lastUpdateCaption(c.lastUpdateSearch, session_->context().platform.sys.shortDateFormat());
    const HWND lastUpdateLabel = GetDlgItem(autoruns, IDC_LABEL_LASTUPDATEDATE);
    if (windowText(lastUpdateLabel) != lastUpdate) SetWindowTextW(lastUpdateLabel, widen(lastUpdate).c_str());
    const HWND deleting = frame_.group(integration::group_cleaning);
    setCheck(deleting, IDC_CHECK_RECYCLERUN, c.check_recyclerun, true);
    setCheck(deleting, IDC_CHECK_RECYCLEFOUND, c.check_recyclefound, true);
    const HWND hours = GetDlgItem(deleting, IDC_EDIT_KEEPFRESHHOURS);
    const std::string hoursText = std::to_string(c.keepFreshHours);
    if (windowText(hours) != hoursText && GetFocus() != hours) SetWindowTextW(hours, widen(hoursText).c_str());
    refreshing_ = false;
    applyStayOnTop();
}

void OptionsPage::applyStayOnTop() {
    const bool on = model_->checked(GeneralOption::check_stayontop);
    if (on == topmost_) return;
    topmost_ = on;
    SetWindowPos(GetAncestor(frame_.hwnd(), GA_ROOT), on ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

bool OptionsPage::previewKey(const MSG& msg) {
    if (!host_->pageShown(app::page_options)) return false;
    return exportDescriptionOnKey(msg, frame_, *session_);
}

std::string OptionsPage::describe(HWND control) {
    const int id = GetDlgCtrlID(control);
    std::string_view hint;
    std::optional<OptionsInfo> info;
    if (isGeneralOption(id)) {
        info = static_cast<OptionsInfo>(kFirstGeneralInfo + id - IDC_GENERAL_OPTION_FIRST);
    } else {
        switch (id) {
            case IDC_GROUP_SIMPLEOPTIONS:
                info = OptionsInfo::group_simpleoptions;
                break;
            case IDC_BOX_AUTORUNS:
                info = OptionsInfo::box_autoruns;
                break;
            case IDC_GROUPAUTORUN:
            case IDC_CHECK_AUTORUN:
                info = OptionsInfo::check_autorun;
                break;
            case IDC_EDIT_DAYSOFAUTORUN:
                info = OptionsInfo::edit_daysofautorun;
                break;
            case IDC_CHECK_QUITPROGRAMWHENAUTORUNDONE:
                info = OptionsInfo::check_quitprogramwhenautorundone;
                break;
            case IDC_BOXUPDATESEARCHENABLE:
            case IDC_CHECK_UPDATESEARCH:
                info = OptionsInfo::check_updatesearch;
                break;
            case IDC_EDIT_UPDATESEARCH:
                info = OptionsInfo::edit_updatesearch;
                break;
            case IDC_GROUP_SHORTCUT:
                info = OptionsInfo::group_shortcut;
                break;
            case IDC_BOX_KEEPFRESH:
            case IDC_EDIT_KEEPFRESHHOURS:
                return std::string(integration::kKeepFreshInfo);
            case IDC_BOX_RECYCLE:
            case IDC_CHECK_RECYCLERUN:
                return std::string(integration::kRecycleRunInfo);
            case IDC_CHECK_RECYCLEFOUND:
                return std::string(integration::kRecycleFoundInfo);
            case IDC_CHECK_PROGRAMRUN:
                info = OptionsInfo::check_programrun;
                hint = integration::kProgramRunHint;
                break;
            case IDC_CHECK_RUNCLEAN:
                info = OptionsInfo::check_runclean;
                hint = integration::kRunCleanHint;
                break;
            case IDC_BUTTON_DESKTOP:
                info = OptionsInfo::button_desktop;
                hint = integration::kDesktopHint;
                break;
            case IDC_BUTTON_STARTMENU:
                info = OptionsInfo::button_startmenu;
                hint = integration::kStartMenuHint;
                break;
            default:
                break;
        }
    }
    status_->showHint(std::string(hint));
    return info ? integration::optionsInfoText(*info) : std::string();
}

void OptionsPage::onShortcutCommand(int id, int code) {
    if (code != BN_CLICKED || (id != IDC_BUTTON_DESKTOP && id != IDC_BUTTON_STARTMENU)) return;
    const bool cleaning =
        IsDlgButtonChecked(frame_.group(integration::group_shortcut), IDC_CHECK_RUNCLEAN) == BST_CHECKED;
    platform::Platform& platform = session_->context().platform;
    integration::CreateShortCut(
        links_, platform.ui, platform.sys.executablePath(),
        id == IDC_BUTTON_DESKTOP ? integration::ShortcutPlace::Desktop : integration::ShortcutPlace::StartMenu,
        cleaning);
}

void OptionsPage::layoutShortcut() {
    const HWND shortcut = frame_.group(integration::group_shortcut);
    DialogLayout place(shortcut, 7);
    const int w = place.width();
    const int outer = place.x(6), inner = outer + place.x(6);
    const int checkWidth = w - 2 * inner, boxWidth = w - 2 * outer;
    int y = place.y(12);
    int top = y;
    y += place.y(11);
    for (int id : {IDC_CHECK_PROGRAMRUN, IDC_CHECK_RUNCLEAN}) {
        place.place(id, inner, y, checkWidth, place.y(10));
        y += place.y(13);
    }
    place.place(IDC_BOX_SHORTCUTFUNCTION, outer, top, boxWidth, y - top);

    y += place.y(4);
    top = y;
    y += place.y(11);
    const int buttonWidth = place.x(80), buttonHeight = place.y(14);
    place.place(IDC_BUTTON_DESKTOP, inner, y, buttonWidth, buttonHeight);
    place.place(IDC_BUTTON_STARTMENU, inner + buttonWidth + place.x(6), y, buttonWidth, buttonHeight);
    y += buttonHeight + place.y(6);
    place.place(IDC_BOX_SHORTCUTPLACE, outer, top, boxWidth, y - top);

    place.place(IDC_GROUP_SHORTCUT, 0, 0, w, std::max(place.height(), y + place.y(4)));
}

void OptionsPage::selectGroup(int group) {
    model_->selector().select(group);
    const int selected = model_->selector().selected();
    frame_.show(selected);
    HWND focus = nullptr;
    switch (integration::focusAfterSelection(selected)) {
        case integration::FocusTarget::checked_startupwithwindows:
            focus = GetDlgItem(frame_.group(integration::group_advanced),
                               generalId(GeneralOption::checked_startupwithwindows));
            break;
        case integration::FocusTarget::check_autorun:
            focus = GetDlgItem(frame_.group(integration::group_autoruns), IDC_CHECK_AUTORUN);
            break;
        case integration::FocusTarget::check_programrun:
            focus = GetDlgItem(frame_.group(integration::group_shortcut), IDC_CHECK_PROGRAMRUN);
            break;
        case integration::FocusTarget::list_protectfiles:
            focus = protectedNames_.list();
            break;
        case integration::FocusTarget::edit_keepfreshhours:
            focus = GetDlgItem(frame_.group(integration::group_cleaning), IDC_EDIT_KEEPFRESHHOURS);
            break;
    }
    SetFocus(focus ? focus : frame_.group(selected));
}

void OptionsPage::onGeneralCommand(HWND general, int id, int code) {
    if (code != BN_CLICKED || refreshing_) return;
    if (isGeneralOption(id)) {
        model_->setGeneral(static_cast<GeneralOption>(id - IDC_GENERAL_OPTION_FIRST),
                           IsDlgButtonChecked(general, id) == BST_CHECKED);
    }
    // A question may have undone the click, and one box may enable another.
    refresh();
}

void OptionsPage::onAutorunsCommand(HWND autoruns, int id, int code) {
    if (code == EN_CHANGE && (id == IDC_EDIT_DAYSOFAUTORUN || id == IDC_EDIT_UPDATESEARCH)) {
        onIntervalChange(id);
        return;
    }
    if (code != BN_CLICKED || refreshing_) return;
    const bool checked = IsDlgButtonChecked(autoruns, id) == BST_CHECKED;
    if (id == IDC_CHECK_AUTORUN) {
        model_->check_autorunClick(checked);
    } else if (id == IDC_CHECK_QUITPROGRAMWHENAUTORUNDONE) {
        model_->check_quitprogramwhenautorundoneClick(checked);
    } else if (id == IDC_CHECK_UPDATESEARCH) {
        model_->check_updatesearchClick(checked);
    }
    refresh();
}

int OptionsPage::layoutGeneral(int width, bool apply) {
    const HWND general = frame_.group(integration::group_advanced);
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
    const HWND autoruns = frame_.group(integration::group_autoruns);
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

void OptionsPage::layoutCleaning() {
    const HWND deleting = frame_.group(integration::group_cleaning);
    DialogLayout place(deleting, 10);
    const int w = place.width();
    const int outer = place.x(6), inner = outer + place.x(6);
    const int innerWidth = w - 2 * outer, checkWidth = w - 2 * inner;
    const int minimum = place.y(10);
    int y = place.y(11);
    const auto check = [&](int id) {
        const int height = checkHeight(GetDlgItem(deleting, id), checkWidth, minimum);
        place.place(id, inner, y, checkWidth, height);
        y += height + place.y(3);
    };

    int top = y;
    y += place.y(11);
    const int leading = labelWidth(GetDlgItem(deleting, IDC_LABEL_KEEPFRESH), place.x(20));
    place.place(IDC_LABEL_KEEPFRESH, inner, y + place.y(2), leading, place.y(8));
    place.place(IDC_EDIT_KEEPFRESHHOURS, inner + leading + place.x(2), y, place.x(30), place.y(12));
    const int hoursLeft = inner + leading + place.x(36);
    place.place(IDC_LABEL_KEEPFRESHHOURS, hoursLeft, y + place.y(2), std::max(1, w - outer - place.x(4) - hoursLeft),
                place.y(8));
    y += place.y(12) + place.y(3);
    const int noteHeight = checkHeight(GetDlgItem(deleting, IDC_LABEL_KEEPFRESHNOTE), checkWidth, place.y(8));
    place.place(IDC_LABEL_KEEPFRESHNOTE, inner, y, checkWidth, noteHeight);
    y += noteHeight + place.y(4);
    place.place(IDC_BOX_KEEPFRESH, outer, top, innerWidth, y - top);

    y += place.y(4);
    top = y;
    y += place.y(11);
    check(IDC_CHECK_RECYCLERUN);
    check(IDC_CHECK_RECYCLEFOUND);
    y += place.y(1);
    place.place(IDC_BOX_RECYCLE, outer, top, innerWidth, y - top);

    place.place(IDC_BOX_DELETING, 0, 0, w, std::max(place.height(), y + place.y(4)));
}

void OptionsPage::onCleaningCommand(HWND deleting, int id, int code) {
    if (refreshing_) return;
    if (code == EN_CHANGE && id == IDC_EDIT_KEEPFRESHHOURS) {
        const HWND edit = GetDlgItem(deleting, id);
        const std::string typed = windowText(edit);
        std::string text = typed;
        model_->edit_keepfreshhoursChange(text);
        if (text == typed) return;
        refreshing_ = true;
        SetWindowTextW(edit, widen(text).c_str());
        SendMessageW(edit, EM_SETSEL, text.size(), text.size());
        refreshing_ = false;
        return;
    }
    if (code != BN_CLICKED) return;
    const bool checked = IsDlgButtonChecked(deleting, id) == BST_CHECKED;
    if (id == IDC_CHECK_RECYCLERUN) model_->check_recyclerunClick(checked);
    if (id == IDC_CHECK_RECYCLEFOUND) model_->check_recyclefoundClick(checked);
}

}  // namespace kefelo::ui
