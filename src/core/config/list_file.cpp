#include "core/config/list_file.h"

#include <algorithm>

#include "base/text/codec.h"

namespace kefelo::config {
namespace {

// Lines are counted in characters, as the file holds one byte per character.
size_t charCount(std::string_view utf8) {
    size_t count = 0;
    for (size_t pos = 0; pos < utf8.size(); ++count) text::nextCodePoint(utf8, pos);
    return count;
}

bool isBlank(const ContainerRow& row) { return row.path.empty(); }
bool isBlank(const TaskRow& row) { return row.location.empty() && row.masks.empty(); }

// The grids fill their one blank row before they grow.
template <typename Row>
Row& appendRow(Grid<Row>& grid) {
    if (!isBlank(grid.rows.front())) grid.rows.emplace_back();
    return grid.rows.back();
}

// "|" in front means active. All leading bars go, not just one: a bar can never begin a
// Windows path, and a path left starting with one could not be written back faithfully
// (an inactive "|x" would come back active as "x").
bool takeActivePrefix(std::string& path) {
    size_t bars = path.find_first_not_of('|');
    if (bars == std::string::npos) bars = path.size();
    path.erase(0, bars);
    return bars > 0;
}

}  // namespace

ListFileRows parseListFile(const std::vector<std::string>& lines) {
    ListFileRows rows;
    bool inTasks = false;
    for (const std::string& line : lines) {
        if (charCount(line) < 2) {
            inTasks = true;
            continue;
        }
        if (!inTasks) {
            ContainerRow& row = appendRow(rows.containers);
            row.mark = Mark::Inactive;
            row.path = line;
            continue;
        }
        TaskRow& row = appendRow(rows.tasks);
        size_t gt = line.find('>');
        if (gt == std::string::npos) {
            row.location.clear();
            row.masks = line;
        } else {
            row.location = line.substr(0, gt);
            row.masks = line.substr(gt + 1);
        }
    }
    for (ContainerRow& row : rows.containers.rows) {
        if (takeActivePrefix(row.path)) row.mark = Mark::Active;
    }
    for (TaskRow& row : rows.tasks.rows) {
        if (isBlank(row)) continue;
        row.mark = takeActivePrefix(row.location) ? Mark::Active : Mark::Inactive;
    }
    auto& tasks = rows.tasks.rows;
    if (tasks.size() > 1 && tasks.back().location.empty()) tasks.pop_back();
    return rows;
}

std::vector<std::string> formatListFile(const ContainerGrid& containers, const TaskGrid& tasks) {
    std::vector<std::string> lines;
    for (const ContainerRow& row : containers.rows) {
        if (row.path.empty()) continue;
        std::string line = (row.mark == Mark::Active ? "|" : "") + row.path;
        // A one-character line would end the container section on reading and turn
        // every later container into a task; such a path is no usable folder anyway.
        if (charCount(line) < 2) continue;
        lines.push_back(std::move(line));
    }
    // Rows after the last located task are left out: the reader drops a trailing row
    // without location, one per start, so writing them would only change the file at
    // every exit. Any located task keeps the section, so a first row whose location has
    // gone blank cannot throw away the tasks after it.
    auto lastLocated =
        std::find_if(tasks.rows.rbegin(), tasks.rows.rend(), [](const TaskRow& row) { return !row.location.empty(); });
    if (lastLocated == tasks.rows.rend()) return lines;
    lines.emplace_back("*");
    for (auto row = tasks.rows.begin(); row != lastLocated.base(); ++row) {
        // A wholly blank row would be the one-character line ">", which reads back as a
        // section mark, not as a row.
        if (isBlank(*row)) continue;
        lines.push_back((row->mark == Mark::Active ? "|" : "") + row->location + ">" + row->masks);
    }
    return lines;
}

std::string unstorableTextMessage(std::string_view text) {
    std::string message(kUnstorableTextIntro);
    message += text;
    message += kUnstorableTextClosing;
    return message;
}

bool refuseUnstorable(platform::UiServices& ui, std::string_view text) {
    if (text::fitsCp1250(text)) return false;
    ui.message(platform::MessageKind::Error, platform::Buttons::Ok, unstorableTextMessage(text));
    return true;
}

}  // namespace kefelo::config
