#pragma once
// Protected names: bare file names the program never deletes or offers for deletion,
// and the editing of their list on the options page.
#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/config/list_models.h"
#include "core/config/window_placement.h"
#include "platform/platform.h"

namespace kefelo::config {

extern const std::array<std::string_view, 3> kDefaultProtectedNames;
// Title of the open dialog of "Kiválasztás", which starts in the program directory.
extern const char* const kProtectedSelectDialogTitle;

// The group of the options page that holds the list, and the captions of its controls.
inline constexpr std::string_view kProtectFilesCaption = "  V é d e t t   á l l o m á n y o k  ";
inline constexpr std::string_view kProtectFilesHint = "Ilyen nevű állományokat kikerüli a Kefeló törlési folyamata";
inline constexpr std::string_view kNewFileProtectCaption = "Új állomány";
inline constexpr std::string_view kFileProtectSelectCaption = "Kiválasztás";
inline constexpr std::string_view kFileProtectAddCaption = "Megadás";
inline constexpr std::string_view kFileProtectModifyCaption = "Módosítás";
inline constexpr std::string_view kFileProtectDeleteCaption = "Törlés";
inline constexpr std::string_view kFileProtectResetCaption = "Alaphelyzet";

// What follows the last "\", "/" or drive colon of a path.
std::string bareName(std::string_view path);

// The two names an Office suite uses too; exact, letter case counting (the list draws
// them grey and changing them asks first).
bool isOfficeName(std::string_view name);

// The protection test of a walk: built once from the list, then asked for every file.
class ProtectionTest {
public:
    explicit ProtectionTest(const std::vector<std::string>& names);
    // True when the bare name equals a listed name as a whole, letter case ignored.
    bool operator()(std::string_view bareName) const;

private:
    std::vector<std::string> folded_;
};

bool isProtected(const std::vector<std::string>& names, std::string_view bareName);

struct ClipboardMenuItem {
    std::string caption = "Vágólapról";
    bool enabled = false;
};

// The editing operations on `list_protectfiles`, whose state the configuration owns.
class ProtectedNames {
public:
    ProtectedNames(ListBox& list_protectfiles, platform::UiServices& ui);

    ListBox& list_protectfiles;
    ClipboardMenuItem menuitem_fileprotectaddfromclipboard;

    bool contains(std::string_view name) const;

    // "Kiválasztás": runs the open dialog in the program directory and takes the file chosen.
    void selectFile(const std::string& programDirectory, bool viewAlerts);
    // The file chosen in the open dialog, nullopt when it was cancelled.
    void select(const std::optional<std::string>& chosenPath, bool viewAlerts);
    // "Megadás": asks for a name in an input box at the mouse position.
    void enter(std::optional<ScreenPoint> mouse);
    // Opening the popup "Új állomány": the clipboard item follows the clipboard's text.
    void refreshClipboardItem(platform::Platform& platform);
    // "Vágólapról"
    void addFromClipboard(bool viewAlerts);
    // "Módosítás"
    void modify();
    // "Törlés"
    void remove(bool viewAlerts);
    // "Alaphelyzet"
    void reset(bool viewAlerts);

private:
    void append(std::string name) { list_protectfiles.items.push_back(std::move(name)); }

    platform::UiServices& ui_;
};

}  // namespace kefelo::config
