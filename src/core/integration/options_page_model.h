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
    group_cleaning = 4,
};
inline constexpr int kOptionGroupCount = 5;
using OptionSelector = app::GroupSelector<kOptionGroupCount>;

inline constexpr std::string_view kOptionSelectCaption = "  Beállítás-csoportok  ";
inline constexpr std::array<std::string_view, kOptionGroupCount> kOptionGroupCaptions = {
    "Általános",
    "Auto-szolgáltatások",
    "Parancsikonok",
    "Védett állományok",
    "Törlés módja",
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

// The group of how the files go: the age rule of the cleaning and the Recycle Bin.
inline constexpr std::string_view kDeletingCaption = "  A   t ö r l é s   m ó d j a  ";
inline constexpr std::string_view kKeepFreshCaption = "  Friss átmeneti állományok megtartása  ";
inline constexpr std::string_view kKeepFreshLabel = "Csak a legalább";
inline constexpr std::string_view kKeepFreshHoursLabel = "órája nem módosított átmeneti állományok törlése";
inline constexpr std::string_view kKeepFreshNote =
    "(0 = minden átmeneti állomány törlődik; a talált állományok kezelésére nem vonatkozik)";
inline constexpr std::string_view kRecycleCaption = "  Lomtár  ";
inline constexpr std::string_view kRecycleRunCaption = "A Takarítás a Lomtárba helyezze a törölt állományokat";
inline constexpr std::string_view kRecycleFoundCaption =
    "A talált állományok törlése is a Lomtárba helyezze az állományokat";
inline constexpr std::string_view kKeepFreshInfo =
    "A Takarítás, az Automatikus Takarítás és a Takarítás előnézete csak azokat az átmeneti állományokat törli, "
    "amelyek legalább ennyi órája nem módosultak. Így megmaradnak azok, amelyekre egy éppen futó telepítőnek vagy "
    "programnak még szüksége lehet. A megtartott állományok számát a Takarítási napló összegzése mutatja.\r\n\r\n"
    "0 esetén ez a szűrés ki van kapcsolva. A talált állományok listájában kézzel kijelölt állományokra nem "
    "vonatkozik.";
inline constexpr std::string_view kRecycleRunInfo =
    "Bekapcsolva a Takarítás (és az Automatikus Takarítás) a törlendő állományokat a Lomtárba helyezi, ahonnan "
    "szükség esetén visszaállíthatók. Azt az állományt, amelyet a Lomtár nem fogad (például mert azon a meghajtón "
    "nincs Lomtár), a program nem törli véglegesen: megmarad, a nem törölhető állományok között szerepel, és a "
    "Takarítási napló megírja az okát.\r\n\r\nA Lomtárba helyezés lassabb a végleges törlésnél, és a lemezterület "
    "csak a Lomtár ürítésekor szabadul fel.";
inline constexpr std::string_view kRecycleFoundInfo =
    "Bekapcsolva a talált állományok listájának \"Törlés\" parancsa a kijelölt állományokat a Lomtárba helyezi. "
    "Amit a Lomtár nem fogad, az megmarad a listában.";

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
enum class FocusTarget {
    checked_startupwithwindows,
    check_autorun,
    check_programrun,
    list_protectfiles,
    edit_keepfreshhours,
};
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
    void check_recyclerunClick(bool checked) { ctx_.config.check_recyclerun = checked; }
    void check_recyclefoundClick(bool checked) { ctx_.config.check_recyclefound = checked; }
    // Digits only, at most five of them; an empty box means 0. The text is put right and
    // the hours stored.
    void edit_keepfreshhoursChange(std::string& text);
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
