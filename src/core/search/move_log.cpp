#include "core/search/move_log.h"

#include <cstdio>

#include "base/text/codec.h"
#include "base/text/format.h"

namespace kefelo::search {
namespace {

bool isDriveLetter(char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); }

// "C:" for a drive's root, the share without its backslash for a network root.
std::string volumeName(const std::string& root) {
    if (root.size() == 3 && root[1] == ':') return text::asciiUpper(root.substr(0, 2));
    return root.substr(0, root.size() - 1);
}

std::string kibibytes(uint64_t bytes) { return text::Ezredel(text::toDecimal(static_cast<int64_t>(bytes / 1024))); }

std::string volumeLine(const char* role, const std::string& root,
                       const std::function<std::optional<platform::DiskSpace>(const std::string&)>& space) {
    const std::optional<platform::DiskSpace> s = space(root);
    if (!s) return {};
    return "\r\n" + std::string(role) + volumeName(root) + " ) állapota: " + kibibytes(s->total) + " Kbájtból  " +
           kibibytes(s->freeToCaller) + " Kbájt szabad.";
}

}  // namespace

MoveLog::MoveLog(std::string_view chosenFolder)
    : text_(
          "Ez a Kefuló program átmeneti állomány-áthelyezési naplója.\r\n\r\n"
          "Ezen állomány neve jelöli az áthelyezés pontos időpontját.\r\n\r\n"
          "Az áthelyezés választott célhelye: " +
          std::string(chosenFolder) +
          "\r\n\r\n"
          "Az állományok előtt található elérési út azt jelzi, hogy honnan lett áthelyezve a fent megadott "
          "helyre.\r\n\r\n"
          "A sikeresen áthelyezett állományok a következők:\r\n") {}

std::string MoveLog::text() const {
    if (failures_.empty()) return text_;
    std::string all = text_ + "\r\nNem sikerült áthelyezni a következő állományokat:\r\n";
    for (const std::string& path : failures_) all += path + "\r\n";
    return all;
}

std::string MoveLog::summary(std::string_view target) const {
    if (failures_.empty()) return "Az áthelyezés(ek) sikeresek voltak!\r\n";
    return "Az áthelyezési kísérlet befejeződött, azonban egy vagy több állományt nem sikerült áthelyezni, ezek "
           "továbbra is szerepelnek kipipálva a \"Talalált állományok\" listában!"
           "\r\nNéhány ok, amiért az áthelyezés nem sikerülhet:\r\n- A(z) \"" +
           std::string(target) +
           "\" helyen már létezik ilyen nevű állomány;\r\n"
           "- A fájl éppen meg van nyitva (vagy használja egy program);\r\n"
           "- A bejelentkezett felhasználónévvel nincs jogunk az áthelyezési műveletre.";
}

std::optional<std::string> volumeRootOf(std::string_view path) {
    if (path.size() >= 2 && isDriveLetter(path[0]) && path[1] == ':') return std::string(path.substr(0, 2)) + "\\";
    if (!path.starts_with("\\\\")) return std::nullopt;
    const size_t server = path.find('\\', 2);
    if (server == std::string_view::npos || server == 2) return std::nullopt;
    const size_t share = path.find('\\', server + 1);
    const std::string_view root = path.substr(0, share);
    if (root.size() == server + 1) return std::nullopt;
    return std::string(root) + "\\";
}

std::string diskReport(const std::vector<std::string>& sourceRoots, const std::string& targetRoot,
                       const std::function<std::optional<platform::DiskSpace>(const std::string&)>& space) {
    std::string report = "\r\nLemezelemzés:";
    if (sourceRoots.size() == 1 && text::asciiUpper(sourceRoots[0]) == text::asciiUpper(targetRoot))
        return report + volumeLine("A gazdameghajtó ( ", targetRoot, space);
    for (const std::string& root : sourceRoots) report += volumeLine("A forrásmeghajtó ( ", root, space);
    return report + volumeLine("A célmeghajtó ( ", targetRoot, space);
}

std::string moveLogName(timeutil::TDateTime now) {
    const timeutil::CivilTime t = timeutil::toCivil(now);
    char name[64];
    std::snprintf(name, sizeof name, "%04d_%02d_%02d_ %02d_%02d_%02d.log", t.year, t.month, t.day, t.hour, t.minute,
                  t.second);
    return name;
}

std::string moveLogQuestion(std::string_view message, bool failures, std::string_view logPath) {
    return std::string(message) + "\r\nLehetősége van áthelyezési naplót készíteni." +
           (failures ? "\r\nEbben a sikeres és a sikertelen áthelyezési kísérletek egyaránt rögzítésre kerülnek."
                     : "Ebben szerepel az összes áthelyezett állomány régi és új helye is.") +
           "\r\n\r\nA napló leendő helye a következő állomány: \r\n" + std::string(logPath) +
           "\r\n\r\nSzeretné elkészítettni az Áthelyezési Naplót?";
}

std::string moveLogWriteFailed(std::string_view logPath, std::string_view target) {
    return "Nem sikerült létrehozni az Áthelyezési naplót a következő állományba:\r\n" + std::string(logPath) +
           "\r\n\r\nValószínűleg nincs írási jogosultsága a következő helyre:\r\n" + std::string(target);
}

}  // namespace kefelo::search
