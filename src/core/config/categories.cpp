#include "core/config/categories.h"

namespace kefelo::config {

namespace {

const std::array<std::string, kFixedCategoryCount> kFixedLines = {
    "*.TMP|*.TEMP|*.$$$|*.FND|*.~MP|*.~*|~*.*|*.??~|*.??$|*.^*|*.*~|*.___|*._DD|*._MP",
    "*.BAK|*.OLD|*.PRV",
    "CHKLIST.*|*.CHK|FILE*._DD",
    "*.FTS|*.FTG|*.GID",
    "*.MS",
    "*.NCH",
    "*.WBK",
    "*.DMP",
    "*.DAO",
    "*.ERR",
    "*.DB$|*.$DB",
    "MSCREATE.DIR|*.---",
    "*LOG.TXT|BOOTLOG.PRV|MODEMDET.TXT|SUHDLOG.DAT|SYSTEM.1ST|BOOTLOG.TXT|SETUPLOG.TXT|SFLOG.TXT|NDISLOG.TXT|"
    "EELOG.TXT|BRNDLOG.TXT|RUNONCEEX.TXT|OEWABLOG.TXT|SCHEDLOG.TXT|ENVCHECKLOG.TXT|FAULTLOG.TXT|DETLOG.TXT|"
    "NETLOG.TXT|SCANDISK.LOG",
    "*.PCH|*.NCB|*.ILK",
    "*.ILC|*.ILD|*.ILS|*.ILF|*.TDS",
    "IEBAK.DAT|*.SIK",
    "FFASTUN.*",
    "*.DIZ",
    "TWAIN*.MTX",
    "THUMBS.DB",
    "*.WRI|README.TXT",
};

const std::string kEmpty;

}  // namespace

const std::array<std::string, kCategoryCount>& categoryNames() {
    static const std::array<std::string, kCategoryCount> names = {
        "Általános átmeneti fájlok",
        "Biztonsági másolatok",
        "Töredezettség-mentesítési segédállományok",
        "Súgó állományok segédállományai",
        "Microsoft biztonsági másolatok",
        "Outlook Express levelezőprogram átmeneti állományai",
        "Microsoft Word biztonsági másolat",
        "Memória-térkép mentés",
        "Registry adatbázis biztonsági mentései",
        "Hibanapló",
        "Adatbázisok ideinglenes állományai",
        "Telepítők segédállományai",
        "Rendszernaplók",
        "Visual Studio fejlesztőkörnyezet átmeneti állományai",
        "C++ Builder fejlesztőkörnyezet átmeneti állományai",
        "Lomtárfájlok",
        "A Microsoft gyorskeresés indexfájlja",
        "Leíró állományok",
        "TWAIN átmeneti állományok",
        "ThumbNials Windows állományok",
        "\"Olvassel\" állományok",
        "Saját állomány-típusaim (max. összhosszúság: 255 karakter)",
    };
    return names;
}

const std::string& fixedMaskLine(int category) {
    if (category < 0 || category >= kFixedCategoryCount) return kEmpty;
    return kFixedLines[static_cast<size_t>(category)];
}

MaskTable::MaskTable() : MaskTable(std::string()) {}

MaskTable::MaskTable(std::string ownTypes) : lines_(kFixedLines.begin(), kFixedLines.end()) {
    lines_.push_back(std::move(ownTypes));
}

const std::string& MaskTable::line(int category) const {
    if (category < 0 || category >= lineCount()) return kEmpty;
    return lines_[static_cast<size_t>(category)];
}

std::vector<std::string> splitMaskLine(std::string_view line) {
    std::vector<std::string> pieces;
    size_t pos = 0;
    while (pos < line.size()) {
        size_t bar = line.find('|', pos);
        if (bar == std::string_view::npos) bar = line.size();
        pieces.emplace_back(line.substr(pos, bar - pos));
        pos = bar + 1;
    }
    return pieces;
}

std::string FileMask(std::string_view maskLine) {
    std::string out;
    out.reserve(maskLine.size() + 16);
    for (char c : maskLine) {
        if (c == '|')
            out += ", ";
        else
            out += c;
    }
    return out;
}

}  // namespace kefelo::config
