#include "core/help/help_viewer.h"

#include "base/text/codec.h"

namespace kefelo::help {
namespace {

std::string joinLines(const std::vector<std::string>& lines) {
    std::string out;
    for (size_t i = 0; i < lines.size(); ++i) {
        if (i > 0) out += "\r\n";
        out += lines[i];
    }
    return out;
}

}  // namespace

std::vector<std::string> fontSizeItems() {
    std::vector<std::string> items;
    for (int size = kFirstFontSize; size <= kLastFontSize; ++size) items.push_back(std::to_string(size));
    return items;
}

HelpViewer::HelpViewer() : HelpViewer(splitLines(builtInHelpText())) {}

HelpViewer::HelpViewer(const std::vector<std::string>& lines) : lines_(lines), topics_(parseTopics(lines)) {
    if (!topics_.empty()) current_ = 0;
}

std::vector<std::string> HelpViewer::titles() const {
    std::vector<std::string> out;
    out.reserve(topics_.size());
    for (const HelpTopic& topic : topics_) out.push_back(topic.title);
    return out;
}

void HelpViewer::select(int index) {
    if (index >= 0 && index < static_cast<int>(topics_.size())) current_ = index;
}

void HelpViewer::selectVersionHistory() { select(static_cast<int>(topics_.size()) - 5); }

std::string HelpViewer::currentText() const {
    return current_ < 0 ? std::string() : joinLines(topics_[current_].lines);
}

std::string HelpViewer::currentTitle() const { return current_ < 0 ? std::string() : topics_[current_].title; }

std::string HelpViewer::wholeText() const { return joinLines(lines_); }

bool HelpViewer::setFontSize(int points) {
    if (points < kFirstFontSize || points > kLastFontSize) return false;
    fontSize_ = points;
    return true;
}

std::string readmePath(std::string_view programDirectory) { return std::string(programDirectory) + kReadmeFileName; }

std::string readmeSaveWarning(std::string_view programDirectory) {
    return "A Súgó-t nem sikerült kimenteni a következő állományba:\r\n" + readmePath(programDirectory) +
           "\r\n\r\nValószínűleg nincs írási jogosultsága a következő helyre:\r\n" + std::string(programDirectory);
}

ReadmeResult saveReadmeIfMissing(platform::FileSystem& fs, platform::UiServices& ui,
                                 const std::string& programDirectory, bool viewAlerts) {
    const std::string path = readmePath(programDirectory);
    // A folder of that name counts as there too: it is not ours to replace.
    if (fs.fileExists(path) || fs.directoryExists(path)) return ReadmeResult::AlreadyThere;
    if (writeDocumentation(fs, path)) return ReadmeResult::Written;
    if (viewAlerts) {
        ui.message(platform::MessageKind::Warning, platform::Buttons::Ok, readmeSaveWarning(programDirectory));
    }
    return ReadmeResult::Failed;
}

bool writeDocumentation(platform::FileSystem& fs, const std::string& path) {
    return fs.writeFileAtomic(path, documentationFileBytes());
}

}  // namespace kefelo::help
