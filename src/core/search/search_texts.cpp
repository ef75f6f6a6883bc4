#include "core/search/search_texts.h"

#include <algorithm>
#include <cmath>

#include "core/app/program_texts.h"
#include "base/text/format.h"

namespace kefelo::search {
namespace {
constexpr int64_t kMsPerDay = 86400000;

int64_t msOfDay(timeutil::TDateTime t) {
    return std::llround((t - std::floor(t)) * static_cast<double>(kMsPerDay)) % kMsPerDay;
}
}  // namespace

std::string invalidMaskMessage(std::string_view mask, int position) {
    std::string text = "A keresett állomány-típusok között érvénytelen is van:\r\n\"";
    text += mask;
    text += "\" (a(z) " + std::to_string(position) + ". karakternél)\r\n\r\n";
    text += "A keresés nem indult el. Javítsa vagy törölje ezt a típust!";
    return text;
}

std::string elapsedText(timeutil::TDateTime start, timeutil::TDateTime end) {
    if (std::floor(start) != std::floor(end)) return "?";
    const int64_t ms = std::max<int64_t>(0, msOfDay(end) - msOfDay(start));
    std::string fraction = std::to_string(ms % 1000);
    fraction.insert(0, 3 - fraction.size(), '0');
    return std::to_string(ms / 1000) + "." + fraction;
}

std::string resultsCaption(std::string_view location, std::string_view elapsed) {
    std::string caption = "  T a l á l t   á l l o m á n y o k (\"";
    caption += location;
    caption += "\" helyen , ";
    caption += elapsed;
    caption += " mp alatt) : ";
    return caption;
}

std::string searchingTrayHint(std::string_view fileVersion, std::string_view folder) {
    return app::programTitle(fileVersion) + " - Átmeneti állományok keresése folyamatban...\r\nVizsgált hely:\r\n" +
           std::string(folder);
}

std::string previewStatus(int64_t files, int64_t keptFresh) {
    std::string out = " A Takarítás " + text::Ezredel(text::toDecimal(files)) + " állományt törölne.";
    if (keptFresh > 0) {
        out += " " + text::Ezredel(text::toDecimal(keptFresh)) + " friss állomány megmarad.";
    }
    return out;
}

}  // namespace kefelo::search
