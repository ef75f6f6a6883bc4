#include "core/config/protected_names.h"

#include <algorithm>

#include "base/text/codec.h"
#include "core/config/list_file.h"

namespace kefelo::config {

using platform::Answer;
using platform::Buttons;
using platform::MessageKind;

const std::array<std::string_view, 3> kDefaultProtectedNames = {"data.bak", "opa11.bak", "readme.txt"};
const char* const kProtectedSelectDialogTitle = "Új védett állomány megkeresése";

namespace {

constexpr const char* kAlreadyProtected = "A megadott állománynév már szerepel a védettek között!";
constexpr const char* kNamePrompt = "Kérem a védett állomány nevét és kiterjesztését!\r\n(pl.: data.bak)";
constexpr const char* kClipboardCaption = "Vágólapról";

std::string officeWarning(std::string_view name, std::string_view lastSentence) {
    std::string text = "Egy, a kijelölt nevű állományt (\"";
    text += name;
    text +=
        "\") használ az Office programcsomag is. Ha ezt az állományt fizikailag törli elképzelhető, hogy az Office "
        "programok nem fognak helyesen működni!\r\n"
        "Erősen ajánlott, hogy a kijelölt nevet megtartsa a védett állományok között!\r\n\r\n";
    text += lastSentence;
    return text;
}

bool yes(platform::UiServices& ui, MessageKind kind, const std::string& text) {
    return ui.message(kind, Buttons::YesNo, text) == Answer::Yes;
}

}  // namespace

std::string bareName(std::string_view path) {
    const size_t cut = path.find_last_of("\\/:");
    return std::string(cut == std::string_view::npos ? path : path.substr(cut + 1));
}

bool isOfficeName(std::string_view name) { return name == "data.bak" || name == "opa11.bak"; }

ProtectionTest::ProtectionTest(const std::vector<std::string>& names) {
    folded_.reserve(names.size());
    for (const auto& n : names) folded_.push_back(text::lower(n));
}

bool ProtectionTest::operator()(std::string_view bareName) const {
    if (folded_.empty()) return false;
    const std::string folded = text::lower(bareName);
    return std::find(folded_.begin(), folded_.end(), folded) != folded_.end();
}

bool isProtected(const std::vector<std::string>& names, std::string_view bareName) {
    return std::any_of(names.begin(), names.end(),
                       [&](const std::string& n) { return text::equalsNoCase(n, bareName); });
}

ProtectedNames::ProtectedNames(ListBox& list, platform::UiServices& ui) : list_protectfiles(list), ui_(ui) {}

bool ProtectedNames::contains(std::string_view name) const { return isProtected(list_protectfiles.items, name); }

void ProtectedNames::selectFile(const std::string& programDirectory, bool viewAlerts) {
    select(ui_.openFileDialog(kProtectedSelectDialogTitle, programDirectory), viewAlerts);
}

void ProtectedNames::select(const std::optional<std::string>& chosenPath, bool viewAlerts) {
    if (!chosenPath) return;
    std::string name = bareName(*chosenPath);
    if (refuseUnstorable(ui_, name)) return;
    if (!name.empty() && !contains(name)) {
        append(std::move(name));
    } else if (viewAlerts && !name.empty()) {
        ui_.message(MessageKind::Information, Buttons::Ok, kAlreadyProtected);
    }
}

void ProtectedNames::enter(std::optional<ScreenPoint> mouse) {
    platform::InputBoxRequest request{"Új védett állomány megadása", kNamePrompt, "", std::nullopt, std::nullopt};
    if (mouse) {
        request.x = mouse->x;
        request.y = mouse->y;
    }
    for (;;) {
        auto entry = ui_.inputBox(request);
        if (!entry || entry->empty()) return;
        // The box opens again on the refused text, so one letter can be corrected.
        if (refuseUnstorable(ui_, *entry)) {
            request.initial = std::move(*entry);
            continue;
        }
        request.initial.clear();
        if (!contains(*entry)) {
            append(std::move(*entry));
            return;
        }
        const std::string question = std::string(kAlreadyProtected) + "\r\n\r\nSzeretne egy másik nevet megadni?";
        if (!yes(ui_, MessageKind::Confirmation, question)) return;
    }
}

void ProtectedNames::refreshClipboardItem(platform::Platform& platform) {
    const std::string path = platform::pastedLine(platform.clipboard).value_or("");
    auto& item = menuitem_fileprotectaddfromclipboard;
    if (!path.empty() && platform.fs.fileExists(path)) {
        item.enabled = true;
        item.caption = bareName(path);
    } else {
        item.enabled = false;
        item.caption = kClipboardCaption;
    }
}

void ProtectedNames::addFromClipboard(bool viewAlerts) {
    const auto& item = menuitem_fileprotectaddfromclipboard;
    // A disabled item cannot be chosen; its caption is not a name.
    if (!item.enabled) return;
    if (refuseUnstorable(ui_, item.caption)) return;
    if (!item.caption.empty() && !contains(item.caption)) {
        append(item.caption);
    } else if (viewAlerts && !item.caption.empty()) {
        ui_.message(MessageKind::Information, Buttons::Ok, kAlreadyProtected);
    }
}

void ProtectedNames::modify() {
    if (!list_protectfiles.hasSelection()) return;
    const size_t index = static_cast<size_t>(list_protectfiles.selected);
    const std::string old = list_protectfiles.items[index];
    if (isOfficeName(old) && !yes(ui_, MessageKind::Confirmation,
                                  officeWarning(old, "Szeretné mégis módosítani a kijelölt védett állomány-nevet?")))
        return;
    auto entry = ui_.inputBox({"Védett állomány névének módosítása", kNamePrompt, old, std::nullopt, std::nullopt});
    // Cancel keeps the old name, which changes nothing.
    if (!entry || entry->empty()) return;
    if (refuseUnstorable(ui_, *entry)) return;
    if (!contains(*entry)) {
        list_protectfiles.items[index] = std::move(*entry);
    } else if (*entry != old) {
        ui_.message(MessageKind::Information, Buttons::Ok,
                    "Ilyen nevű állomány már szerepel a listában!\r\n\r\nA módosítás sikertelen volt!");
    }
}

void ProtectedNames::remove(bool viewAlerts) {
    if (!list_protectfiles.hasSelection()) return;
    const int index = list_protectfiles.selected;
    const std::string name = text::lower(list_protectfiles.items[static_cast<size_t>(index)]);
    if (isOfficeName(name)) {
        if (!yes(ui_, MessageKind::Warning,
                 officeWarning(
                     name, "Szeretné mégis eltávolítani a védett állományok listájából a kijelölt nevű állományt?")))
            return;
        if (!yes(ui_, MessageKind::Warning,
                 "Teljesen biztos abban, hogy nincs Microsoft Office termék a számítógépén?"))
            return;
    }
    if (viewAlerts &&
        !yes(ui_, MessageKind::Confirmation, "Valóban szeretné eltávolítani a védettek közül ezt a nevet?:\r\n" + name))
        return;
    auto& items = list_protectfiles.items;
    items.erase(items.begin() + index);
    list_protectfiles.selected = std::min(index, static_cast<int>(items.size()) - 1);
}

void ProtectedNames::reset(bool viewAlerts) {
    if (viewAlerts && !list_protectfiles.items.empty() &&
        !yes(ui_, MessageKind::Confirmation,
             "Valóban törli a lista tartalmát és visszaállítja az alapértelmezett három nevet?"))
        return;
    list_protectfiles.items.clear();
    for (auto name : kDefaultProtectedNames) append(std::string(name));
    list_protectfiles.selected = 0;
}

}  // namespace kefelo::config
