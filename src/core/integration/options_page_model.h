#pragma once
// The options page (`page_options`): the group selector `box_optionselect` over the hidden
// pages of `pcoptions`, the general options, the guarded options and the two day-count
// editors. The option states live in the ConfigModel, so a save at exit stores what the
// user set; this class carries out what a change of each means at once.
#include <array>
#include <functional>
#include <string>
#include <string_view>

#include "core/app/group_selector.h"
#include "core/cleaning/automatic_cleaning.h"
#include "core/config/config_model.h"
#include "platform/registry.h"
#include "platform/shell.h"
#include "platform/ui_services.h"

namespace kefelo::integration {

enum OptionGroup : int {
    group_advanced = 0,
    group_autoruns = 1,
    group_shortcut = 2,
    group_protectfiles = 3,
};
inline constexpr int kOptionGroupCount = 4;
using OptionSelector = app::GroupSelector<kOptionGroupCount>;

inline constexpr std::string_view kOptionSelectCaption = "  Beállítás-csoportok  ";
inline constexpr std::array<std::string_view, kOptionGroupCount> kOptionGroupCaptions = {
    "Általános",
    "Auto-szolgáltatások",
    "Parancsikonok",
    "Védett állományok",
};

inline constexpr std::string_view kSimpleOptionsCaption = "  Á l t a l á n o s   b e á l l í t á s o k  ";
inline constexpr std::string_view kSpecialWarningCaption =
    "  Nem ajánlott beállítások (Nagyon körültekintően engedélyezze őket!!)  ";
inline constexpr std::string_view kAutorunsCaption = "  Automatikusan induló szolgáltatások  ";
inline constexpr std::string_view kAutoCleaningCaption = "  Automatikus Takarítás  ";
inline constexpr std::string_view kUpdateSearchCaption = "  Frissítés keresése  ";

inline constexpr std::string_view kAutorunCaption = "Automatikus Takarítás engedélyezése a Windows indításakor  (Reg)";
inline constexpr std::string_view kQuitWhenAutorunDoneCaption =
    "A program bezárása a könyvtárak kiürítésének folyamata után";
inline constexpr std::string_view kRunLabel = "Futtatás:";
inline constexpr std::string_view kDaysLabel = "naponta";
inline constexpr std::string_view kUpdateSearchCheckCaption = "Újabb Kefeló-változat keresése a program indításakor ";

// The check boxes of page 0, the general ones first and then the three of
// `box_specialwarningoptions`.
enum class GeneralOption : int {
    checked_startupwithwindows,
    check_gototrayonclose,
    check_stayontop,
    check_viewalerts,
    check_resursivesearchmode,
    check_deleteemptyfolder,
    check_beep,
    check_dirregistration,
    check_fullsearch,
    check_noadd,
    check_nodrive,
};
inline constexpr int kGeneralOptionCount = 11;
inline constexpr int kSimpleOptionCount = 8;  // the rest are the special ones

std::string_view generalOptionCaption(GeneralOption option);

// The control that takes the focus once a group is chosen.
enum class FocusTarget { checked_startupwithwindows, check_autorun, check_programrun, list_protectfiles };
FocusTarget focusAfterSelection(int group);

inline constexpr std::string_view kDirRegistrationCheckInfo =
    "Ha most a Kefeló \"Átmeneti állományok keresése\" ablaka fogja fogadni -elindított keresési folyamattal-, akkor "
    "mindenképpen állítsa vissza ezt a jelölőnégyzetet üresre, tehát nem bepipáltra!\r\n\r\nHa egyéb esemény "
    "történik (például a Kefeló könyvtára jelenik meg egy Windows Intéző ablakban), akkor nyugodtan használható ez a "
    "szolgáltatás.\r\n\r\nKattintson az OK-gombra a vizsgálat elindításához!";

inline constexpr std::string_view kNodriveQuestion =
    "Teljesen biztos benne, hogy engedi teljes meghajtók felvételét az Ürítendő Tárolók közé?\r\n\r\nEz a "
    "beállítás nem ajánlott, ezért kívánja kikapcsolni ezt a szolgáltatást?";
inline constexpr std::string_view kNoaddCaption = "F I G Y E L E M !";
inline constexpr std::string_view kNoaddPrompt =
    "Ha ezt a beállítást engedélyezi, akkor kézzel is fel lehet venni Ürítendő Tárolót.\r\nA Takarítási folyamatban "
    "az összes aktív Ürítendő Tároló tartalma elvész!\r\n\r\nBiztosan engedélyezi az ürítendő könyvtárak kézi "
    "felvételét? (Ha igen, írja be az \"ok\" szót)";

// `edit_updatesearchChange`: an empty or non-numeric text becomes "1", a number too large
// to hold becomes "10".
void edit_updatesearchChange(std::string& text);

class OptionsPageModel {
public:
    struct Context {
        config::ConfigModel& config;
        platform::Registry& registry;
        platform::UiServices& ui;
        std::string executablePath;
        // The folder walker's `DoRecursive` (and the file finder's).
        std::function<void(bool)> setRecursive;
        // `button_tempdiradd` of the container list, through `Gomb`.
        std::function<void(bool)> setContainerAddEnabled;
        // A registry write the system refused; the application reports it.
        std::function<void(const std::string&)> reportError;
        // `GetWindowsLanguage`(3): the Explorer verb's caption follows it.
        std::string windowsLanguage = {};
    };

    explicit OptionsPageModel(Context context);

    const config::ConfigModel& config() const { return ctx_.config; }
    OptionSelector& selector() { return selector_; }
    const OptionSelector& selector() const { return selector_; }

    bool checked(GeneralOption option) const;
    bool enabled(GeneralOption option) const;

    // The stored values have been put into the controls: the Run-key entry follows them,
    // the editors' enabling too, the guarded options start off, the walker recursion is set.
    void applyStoredSettings();

    // A check box of page 0 changed state by a click (except `check_noadd`, which only
    // `check_noaddMouseDown` changes).
    void setGeneral(GeneralOption option, bool checked);
    // The left button went down on `check_noadd`; x and y place the input box.
    void check_noaddMouseDown(int x, int y);
    // The main window shows for the first time: the Explorer verb's box follows the
    // registry, and a verb found there is written again, so that its command names this
    // executable.
    void syncDirRegistration();
    // The right or middle button went down on `check_dirregistration`: while it is ticked,
    // the user is told what to look for and the program folder is opened the way Explorer
    // would open a folder.
    void check_dirregistrationMouseDown(platform::Shell& shell, const std::string& programDirectory);

    // Page 1.
    void check_autorunClick(bool checked);
    void check_quitprogramwhenautorundoneClick(bool checked);
    void check_updatesearchClick(bool checked);
    // The change handlers: the text is normalised and stored.
    void edit_daysofautorunChange(std::string& text);
    void edit_updatesearchChange(std::string& text);
    // `edit_daysofautorunKeyDown` / `MouseDown` on either editor: the editor's own change
    // rule first, then one up or down; the result is stored and returned for the control.
    std::string stepDaysOfAutorun(std::string text, cleaning::IntervalStep step);
    std::string stepUpdateSearch(std::string text, cleaning::IntervalStep step);

private:
    bool& field(GeneralOption option);
    void runKey();
    void check_dirregistrationClick();
    void check_resursivesearchmodeClick();

    Context ctx_;
    OptionSelector selector_;
    bool nodriveEnabled_ = false;
    // The Explorer verb's box mirrors the registry and is not stored.
    bool dirRegistration_ = false;
};

}  // namespace kefelo::integration
