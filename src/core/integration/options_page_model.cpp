#include "core/integration/options_page_model.h"

#include <cstdint>

#include "base/text/format.h"
#include "core/integration/explorer_verb.h"
#include "core/integration/run_key.h"

namespace kefelo::integration {

std::string_view generalOptionCaption(GeneralOption option) {
    switch (option) {
        case GeneralOption::checked_startupwithwindows:
            return "A program minden Windows-indításkor Tray ikonként megjelenjen a Tálcán (Reg)";
        case GeneralOption::check_gototrayonclose:
            return "Bezáráskor a Kefeló ne záródjon be, hanem leköltözzön a Tálcára az óra mellé";
        case GeneralOption::check_stayontop:
            return "A program ablaka maradjon mindig legfelül a képernyőn";
        case GeneralOption::check_viewalerts:
            return "Tájékoztató és figyelmeztető üzenetek megjelenítése (Ajánlott)";
        case GeneralOption::check_resursivesearchmode:
            return "Rekurzív keresési mód, tehát kereséskor a megadott helyen lévő alkönyvtárakat is vizsgálja";
        case GeneralOption::check_deleteemptyfolder:
            return "Üres alkönyvtárak törlése Takarításkor";
        case GeneralOption::check_beep:
            return "Hangjelzés engedélyezése";
        case GeneralOption::check_dirregistration:
            return "Könyvtárak helyi menüjében a Kefeló regisztálása (Reg)";
        case GeneralOption::check_fullsearch:
            return "Alapos átmeneti könyvtár keresési mód az \"Alapértékek\" gomb megnyomáskor (nem ajánlott)";
        case GeneralOption::check_noadd:
            return "Lehessen kézzel is felvenni Ürítendő tárolót a \"Tárolók ürítése\" listába (nem ajánlott)";
        case GeneralOption::check_nodrive:
            return "Lehessen teljes meghajtót is megadni a \"Tárolók ürítése\" listába (nem ajánlott)";
    }
    return {};
}

FocusTarget focusAfterSelection(int group) {
    switch (group) {
        case group_autoruns:
            return FocusTarget::check_autorun;
        case group_shortcut:
            return FocusTarget::check_programrun;
        case group_protectfiles:
            return FocusTarget::list_protectfiles;
        case group_cleaning:
            return FocusTarget::edit_keepfreshhours;
        default:
            return FocusTarget::checked_startupwithwindows;
    }
}

void edit_updatesearchChange(std::string& text) {
    int64_t value = 0;
    if (text::parseDecimal(text, value)) return;
    // Digits that only overflow are a number all the same, just not one we can hold.
    const size_t start = !text.empty() && (text[0] == '+' || text[0] == '-') ? 1 : 0;
    const bool digits = start < text.size() && text.find_first_not_of("0123456789", start) == std::string::npos;
    text = digits ? "10" : "1";
}

OptionsPageModel::OptionsPageModel(Context context) : ctx_(std::move(context)) {}

bool& OptionsPageModel::field(GeneralOption option) {
    config::ConfigModel& c = ctx_.config;
    switch (option) {
        case GeneralOption::checked_startupwithwindows:
            return c.checked_startupwithwindows;
        case GeneralOption::check_gototrayonclose:
            return c.check_gototrayonclose;
        case GeneralOption::check_stayontop:
            return c.check_stayontop;
        case GeneralOption::check_viewalerts:
            return c.check_viewalerts;
        case GeneralOption::check_resursivesearchmode:
            return c.check_resursivesearchmode;
        case GeneralOption::check_deleteemptyfolder:
            return c.check_deleteemptyfolder;
        case GeneralOption::check_beep:
            return c.check_beep;
        case GeneralOption::check_fullsearch:
            return c.check_fullsearch;
        case GeneralOption::check_noadd:
            return c.check_noadd;
        case GeneralOption::check_nodrive:
            return c.check_nodrive;
        case GeneralOption::check_dirregistration:
            break;
    }
    return dirRegistration_;
}

bool OptionsPageModel::checked(GeneralOption option) const {
    return const_cast<OptionsPageModel*>(this)->field(option);
}

bool OptionsPageModel::enabled(GeneralOption option) const {
    if (option == GeneralOption::check_nodrive) return nodriveEnabled_;
    return true;
}

void OptionsPageModel::runKey() {
    if (!checked_startupwithwindowsClick(ctx_.config, ctx_.registry, ctx_.executablePath) && ctx_.reportError) {
        ctx_.reportError("A rendszerleíró adatbázisba nem sikerült írni: HKEY_CURRENT_USER\\" + std::string(kRunKey));
    }
}

void OptionsPageModel::applyStoredSettings() {
    config::ConfigModel& c = ctx_.config;
    c.check_noadd = false;
    c.check_nodrive = false;
    nodriveEnabled_ = false;
    // Putting a stored "on" into a box that starts off is a click on it.
    if (c.checked_startupwithwindows || c.check_autorun) runKey();
    c.edit_daysofautorunEnabled = c.check_autorun;
    c.check_quitprogramwhenautorundoneEnabled = c.check_autorun;
    c.edit_updatesearchEnabled = c.check_updatesearch;
    if (ctx_.setRecursive) ctx_.setRecursive(c.check_resursivesearchmode);
    if (ctx_.setContainerAddEnabled) ctx_.setContainerAddEnabled(false);
}

void OptionsPageModel::setGeneral(GeneralOption option, bool checked) {
    if (option == GeneralOption::check_noadd) return;
    if (option == GeneralOption::check_nodrive && !nodriveEnabled_) return;
    bool& value = field(option);
    if (value == checked) return;
    value = checked;
    switch (option) {
        case GeneralOption::checked_startupwithwindows:
            runKey();
            break;
        case GeneralOption::check_dirregistration:
            check_dirregistrationClick();
            break;
        case GeneralOption::check_resursivesearchmode:
        case GeneralOption::check_deleteemptyfolder:
        case GeneralOption::check_beep:
        case GeneralOption::check_fullsearch:
        case GeneralOption::check_nodrive:
            check_resursivesearchmodeClick();
            break;
        default:
            break;
    }
}

void OptionsPageModel::check_dirregistrationClick() {
    const bool wanted = dirRegistration_;
    const bool done =
        wanted ? registerVerb(ctx_.registry, ctx_.executablePath, ctx_.windowsLanguage) : unregisterVerb(ctx_.registry);
    // The box shows what the registry holds, not what was asked of it.
    dirRegistration_ = verbRegistered(ctx_.registry);
    if (!done && ctx_.reportError) {
        ctx_.reportError(wanted ? "A rendszerleíró adatbázisba nem sikerült írni: HKEY_CURRENT_USER\\" +
                                      std::string(kVerbKey)
                                : "A rendszerleíró adatbázisból nem sikerült törölni: " + std::string(kVerbClassesKey));
    }
}

void OptionsPageModel::syncDirRegistration() {
    if (dirRegistration_ || !verbRegistered(ctx_.registry)) return;
    dirRegistration_ = true;
    check_dirregistrationClick();
}

void OptionsPageModel::check_dirregistrationMouseDown(platform::Shell& shell, const std::string& programDirectory) {
    if (!dirRegistration_) return;
    ctx_.ui.message(platform::MessageKind::Information, platform::Buttons::Ok, std::string(kDirRegistrationCheckInfo));
    if (!shell.executeFile(programDirectory, "", "", true) && ctx_.reportError) {
        ctx_.reportError("Nem sikerült megnyitni a következő könyvtárat:\r\n" + programDirectory);
    }
}

void OptionsPageModel::check_resursivesearchmodeClick() {
    config::ConfigModel& c = ctx_.config;
    if (c.check_nodrive && ctx_.ui.message(platform::MessageKind::Warning, platform::Buttons::YesNo,
                                           std::string(kNodriveQuestion)) == platform::Answer::Yes) {
        c.check_nodrive = false;
        return;
    }
    if (ctx_.setRecursive) ctx_.setRecursive(c.check_resursivesearchmode);
}

void OptionsPageModel::check_noaddMouseDown(int x, int y) {
    config::ConfigModel& c = ctx_.config;
    c.check_nodrive = false;
    nodriveEnabled_ = false;
    if (c.check_noadd) {
        c.check_noadd = false;
    } else {
        platform::InputBoxRequest request;
        request.caption = std::string(kNoaddCaption);
        request.prompt = std::string(kNoaddPrompt);
        request.x = x;
        request.y = y;
        std::optional<std::string> answer = ctx_.ui.inputBox(request);
        if (answer) {
            std::string lower = *answer;
            for (char& ch : lower) {
                if (ch >= 'A' && ch <= 'Z') ch = static_cast<char>(ch - 'A' + 'a');
            }
            if (lower == "ok") {
                c.check_noadd = true;
                nodriveEnabled_ = true;
            }
        }
    }
    if (ctx_.setContainerAddEnabled) ctx_.setContainerAddEnabled(c.check_noadd);
}

void OptionsPageModel::check_autorunClick(bool checked) {
    config::ConfigModel& c = ctx_.config;
    if (c.check_autorun == checked) return;
    c.check_autorun = checked;
    cleaning::check_autorunClick(c, [this] { runKey(); });
}

void OptionsPageModel::check_quitprogramwhenautorundoneClick(bool checked) {
    if (ctx_.config.check_quitprogramwhenautorundoneEnabled) ctx_.config.check_quitprogramwhenautorundone = checked;
}

void OptionsPageModel::check_updatesearchClick(bool checked) {
    ctx_.config.check_updatesearch = checked;
    ctx_.config.edit_updatesearchEnabled = checked;
}

void OptionsPageModel::edit_keepfreshhoursChange(std::string& text) {
    std::string digits;
    for (char c : text) {
        if (c >= '0' && c <= '9' && digits.size() < 5) digits += c;
    }
    // Leading zeros say nothing; a lone 0 stays.
    const size_t first = digits.find_first_not_of('0');
    digits = first == std::string::npos ? (digits.empty() ? "" : "0") : digits.substr(first);
    text = digits;
    ctx_.config.keepFreshHours = digits.empty() ? 0 : std::stoi(digits);
}

namespace {
// Typed here, a count below one would never come round again: it becomes one.
void atLeastOne(std::string& text) {
    int64_t value = 0;
    if (text::parseDecimal(text, value) && value < 1) text = "1";
}
}  // namespace

void OptionsPageModel::edit_daysofautorunChange(std::string& text) {
    cleaning::edit_daysofautorunChange(text);
    atLeastOne(text);
    ctx_.config.edit_daysofautorun = text;
}

void OptionsPageModel::edit_updatesearchChange(std::string& text) {
    integration::edit_updatesearchChange(text);
    atLeastOne(text);
    ctx_.config.edit_updatesearch = text;
}

std::string OptionsPageModel::stepDaysOfAutorun(std::string text, cleaning::IntervalStep step) {
    edit_daysofautorunChange(text);
    cleaning::edit_daysofautorunStep(text, step);
    ctx_.config.edit_daysofautorun = text;
    return text;
}

std::string OptionsPageModel::stepUpdateSearch(std::string text, cleaning::IntervalStep step) {
    edit_updatesearchChange(text);
    cleaning::edit_daysofautorunStep(text, step);
    ctx_.config.edit_updatesearch = text;
    return text;
}

}  // namespace kefelo::integration
