#pragma once
// The own-types editor window: the user's own masks, one per item, edited in a list box
// and written back as the last line of the mask table.
#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "core/config/categories.h"
#include "core/config/list_models.h"
#include "core/config/window_placement.h"
#include "platform/ui_services.h"

namespace kefelo::config {

inline constexpr std::string_view kOwnTypesWindowTitle = "Saját állomány-típusok kezelése";

// The fixed help text shown under the list.
extern const std::array<std::string_view, 4> kOwnTypesHelpLines;

// The own-types line as stored: the items joined by "|", a trailing bar dropped.
std::string ownTypesLine(const std::vector<std::string>& items);
// Length of that line in characters (-1 for an empty list), as the size hint shows it.
int ownTypesLength(const std::vector<std::string>& items);
// The settings record keeps at most this many characters of the line.
inline constexpr size_t kOwnTypesStoredLength = 255;
// The line as the settings record can keep it: a longer line loses its last masks whole,
// cut at the last "|" that fits, never inside a mask. A cut inside "*.tmp" would leave
// "*", which matches every file.
std::string fitOwnTypesLine(std::string_view line);

// Similarity check of a new mask against every mask of the table; false when the user
// declines to add it.
bool KitFigyel(const MaskTable& table, const std::string& mask, platform::UiServices& ui);

class Tfrmmytype {
public:
    static constexpr int kResultCancelled = -1;

    Tfrmmytype(MaskTable& table, platform::UiServices& ui);

    ListBox list_mytypes;
    bool check_mytypessorted = false;
    WindowBounds bounds{0, 0, 380, 320};
    bool visible = false;
    // -1 when left with "Mégse", 0 otherwise.
    int result = 0;

    // Loads the own-types line into the list, selects the first item, clears the result.
    void open();

    void add();                    // "Hozzáad", the Insert key
    void change();                 // "Módosít", Enter or a double-click
    void remove(bool viewAlerts);  // "Törlés", the Delete key
    void setSorted(bool sorted);   // "Rendezett"
    void store();                  // "Elment"
    void cancel();                 // "Mégse"
    void escape();                 // Esc: closes without marking the result

    // The window's hint while the mouse moves over it; over the list, the list's own.
    std::string hint(bool overList = false) const;

    bool KitFigyel(const std::string& mask) { return config::KitFigyel(table_, mask, ui_); }

private:
    // Puts text at its place (sorted or at the end) and returns its index.
    int insert(std::string text);
    int indexOfNoCase(std::string_view text) const;

    MaskTable& table_;
    platform::UiServices& ui_;
};

}  // namespace kefelo::config
