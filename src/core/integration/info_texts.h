#pragma once
// The description boxes of the tools and options pages: what the box shows while the
// mouse is over a control.
#include <string>
#include <string_view>

#include "core/cleaning/autodel_operations.h"
#include "platform/file_system.h"
#include "platform/shell.h"
#include "platform/ui_services.h"

namespace kefelo::integration {

inline constexpr std::string_view kInfoGroupCaption =
    "  R é s z l e t e s e b b   i n f o r m á c i ó   a z   i t t   t a l á l h a t ó   s z o l g á l t a t á s o k "
    "r ó l  (Kimentés: CTRL+F3)  ";
inline constexpr std::string_view kInfoGroupHint =
    "A leírást a Ctrl+F3 billentyűkombinációval kimentheti a Jegyzettömbbe";

// The three buttons of the undeletable-files group; their text depends on whether they
// are enabled (an "autodel.bat" exists) and, for the last, on the way it registers.
enum class AutodelButton { View, Save, Run };
std::string autodelButtonDescription(AutodelButton button, bool enabled, cleaning::AutodelWay way);

// The controls of the options page that explain themselves. The page itself describes
// nothing: over its background the box is cleared.
enum class OptionsInfo {
    page_options,
    group_simpleoptions,
    box_autoruns,
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
    check_autorun,  // also its group `groupautorun`
    edit_daysofautorun,
    check_quitprogramwhenautorundone,
    check_updatesearch,  // also its group `boxupdatesearchenable`
    edit_updatesearch,
    group_shortcut,
    check_programrun,
    check_runclean,
    button_desktop,
    button_startmenu,
    group_protectfiles,
};
std::string optionsInfoText(OptionsInfo control);

// Two buttons of the tools page whose texts belong to no group of their own.
extern const std::string_view kWebUpdateInfo;
extern const std::string_view kUninstallInfo;

// The export of a description box: into the program directory's "info.txt", opened in
// Notepad.
inline constexpr std::string_view kInfoFileName = "info.txt";
// Ctrl+F3 with Ctrl alone: Shift or Alt held as well is another key.
bool isInfoExportKey(bool f3, bool ctrl, bool shift, bool alt);
// The key and a right click on a tools button export alike but word a failure differently.
enum class InfoExportTrigger { Key, RightClick };
std::string infoExportFailedMessage(const std::string& programDirectory,
                                    InfoExportTrigger trigger = InfoExportTrigger::Key);
// Saves the box's lines (Windows-1250, CR LF) and starts Notepad on the file; a failure of
// either is told. An empty box does nothing. True when Notepad was started.
bool exportInfoText(platform::FileSystem& fs, platform::Shell& shell, platform::UiServices& ui,
                    const std::string& programDirectory, const std::string& boxText,
                    InfoExportTrigger trigger = InfoExportTrigger::Key);

}  // namespace kefelo::integration
