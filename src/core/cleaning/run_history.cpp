#include "core/cleaning/run_history.h"

#include <algorithm>
#include <cstdio>
#include <limits>

#include "base/text/codec.h"
#include "base/text/format.h"

namespace kefelo::cleaning {
namespace {

constexpr std::string_view kManual = "kézi";
constexpr std::string_view kAutomatic = "automatikus";
constexpr std::string_view kFoldedPrefix = "korábbi ";
constexpr std::string_view kFoldedSuffix = " takarítás összesen";
constexpr std::string_view kHalted = "megszakítva";
// Windows error codes of a full disk.
constexpr uint32_t kDiskFull = 112;
constexpr uint32_t kHandleDiskFull = 39;
// No count of ours comes near 10^18; longer digit runs are damage, not data.
constexpr size_t kMaxDigits = 18;

int64_t saturatingAdd(int64_t a, int64_t b) {
    return a > std::numeric_limits<int64_t>::max() - b ? std::numeric_limits<int64_t>::max() : a + b;
}

std::string_view trimBlanks(std::string_view s) {
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t')) s.remove_suffix(1);
    return s;
}

std::optional<int64_t> parseCount(std::string_view field) {
    field = trimBlanks(field);
    if (field.empty() || field.size() > kMaxDigits) return std::nullopt;
    int64_t value = 0;
    for (char c : field) {
        if (c < '0' || c > '9') return std::nullopt;
        value = value * 10 + (c - '0');
    }
    return value;
}

// The date as written ("2026-12-10 02:46:29"), and the forms a spreadsheet saves it in
// ("2026.12.10. 2:46", "2026. 12. 10. 2:46:29"): the numbers in order, any separators.
std::optional<timeutil::TDateTime> parseWhen(std::string_view field) {
    int parts[6] = {0, 0, 0, 0, 0, 0};
    int count = 0;
    size_t pos = 0;
    while (pos < field.size()) {
        if (field[pos] < '0' || field[pos] > '9') {
            ++pos;
            continue;
        }
        if (count == 6) return std::nullopt;
        int value = 0, digits = 0;
        while (pos < field.size() && field[pos] >= '0' && field[pos] <= '9') {
            if (++digits > 4) return std::nullopt;
            value = value * 10 + (field[pos++] - '0');
        }
        parts[count++] = value;
    }
    if (count < 3) return std::nullopt;
    timeutil::CivilTime t;
    t.year = parts[0];
    t.month = parts[1];
    t.day = parts[2];
    t.hour = parts[3];
    t.minute = parts[4];
    t.second = parts[5];
    if (t.year < 1900 || t.month < 1 || t.month > 12 || t.day < 1 || t.day > 31 || t.hour > 23 || t.minute > 59 ||
        t.second > 59) {
        return std::nullopt;
    }
    const timeutil::TDateTime value = timeutil::toDateTime(t);
    // 31 February and its kin come back as another day.
    const timeutil::CivilTime back = timeutil::toCivil(value);
    if (back.day != t.day || back.month != t.month) return std::nullopt;
    return value;
}

std::string formatWhen(timeutil::TDateTime when) {
    // Whole seconds, rounded so that 02:46:29.9995 does not read 02:46:29.
    const timeutil::CivilTime t = timeutil::toCivil(when + 0.5 / 86400000.0);
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%04d-%02d-%02d %02d:%02d:%02d", t.year, t.month, t.day, t.hour, t.minute,
                  t.second);
    return buffer;
}

std::vector<std::string_view> splitFields(std::string_view line) {
    std::vector<std::string_view> fields;
    size_t start = 0;
    for (;;) {
        const size_t semicolon = line.find(';', start);
        fields.push_back(
            line.substr(start, semicolon == std::string_view::npos ? std::string_view::npos : semicolon - start));
        if (semicolon == std::string_view::npos) return fields;
        start = semicolon + 1;
    }
}

bool fold(RunEntry& into, const RunEntry& run) {
    into.foldedRuns = saturatingAdd(into.foldedRuns, run.kind == RunKind::Folded ? run.foldedRuns : 1);
    into.deletedFiles = saturatingAdd(into.deletedFiles, run.deletedFiles);
    into.bytesFreed = saturatingAdd(into.bytesFreed, run.bytesFreed);
    into.undeletable = saturatingAdd(into.undeletable, run.undeletable);
    if (into.when == 0 || (run.when != 0 && run.when < into.when)) into.when = run.when;
    return run.kind != RunKind::Folded;
}

std::vector<HistoryLine> withUnwritten(std::vector<HistoryLine> lines, const std::vector<RunEntry>& unwritten) {
    for (const RunEntry& entry : unwritten) lines.push_back({formatRunLine(entry), entry});
    return lines;
}

}  // namespace

std::string formatRunLine(const RunEntry& e) {
    std::string kind;
    switch (e.kind) {
        case RunKind::Manual:
            kind = kManual;
            break;
        case RunKind::Automatic:
            kind = kAutomatic;
            break;
        case RunKind::Folded:
            kind = std::string(kFoldedPrefix) + std::to_string(e.foldedRuns) + std::string(kFoldedSuffix);
            break;
    }
    return formatWhen(e.when) + ";" + kind + ";" + std::to_string(e.deletedFiles) + ";" + std::to_string(e.bytesFreed) +
           ";" + std::to_string(e.undeletable) + ";" + (e.halted ? std::string(kHalted) : std::string());
}

std::optional<RunEntry> parseRunLine(std::string_view line) {
    const std::vector<std::string_view> fields = splitFields(line);
    if (fields.size() != 5 && fields.size() != 6) return std::nullopt;
    RunEntry e;
    const std::optional<timeutil::TDateTime> when = parseWhen(fields[0]);
    if (!when) return std::nullopt;
    e.when = *when;
    const std::string kind = text::lower(trimBlanks(fields[1]));
    if (kind == kManual) {
        e.kind = RunKind::Manual;
    } else if (kind == kAutomatic) {
        e.kind = RunKind::Automatic;
    } else if (kind.starts_with(kFoldedPrefix) && kind.ends_with(kFoldedSuffix) &&
               kind.size() > kFoldedPrefix.size() + kFoldedSuffix.size()) {
        const std::optional<int64_t> runs = parseCount(std::string_view(kind).substr(
            kFoldedPrefix.size(), kind.size() - kFoldedPrefix.size() - kFoldedSuffix.size()));
        if (!runs) return std::nullopt;
        e.kind = RunKind::Folded;
        e.foldedRuns = *runs;
    } else {
        return std::nullopt;
    }
    const std::optional<int64_t> files = parseCount(fields[2]);
    const std::optional<int64_t> bytes = parseCount(fields[3]);
    const std::optional<int64_t> undeletable = parseCount(fields[4]);
    if (!files || !bytes || !undeletable) return std::nullopt;
    e.deletedFiles = *files;
    e.bytesFreed = *bytes;
    e.undeletable = *undeletable;
    if (fields.size() == 6) {
        const std::string_view note = trimBlanks(fields[5]);
        if (!note.empty() && text::lower(note) != kHalted) return std::nullopt;
        e.halted = !note.empty();
    }
    return e;
}

std::vector<HistoryLine> parseHistory(const std::vector<std::string>& lines) {
    std::vector<HistoryLine> out;
    out.reserve(lines.size());
    for (size_t i = 0; i < lines.size(); ++i) {
        const std::string& line = lines[i];
        if (i == 0 && line == kRunHistoryHeader) continue;
        // Blank lines carry nothing worth keeping.
        if (trimBlanks(line).empty()) continue;
        out.push_back({line, parseRunLine(line)});
    }
    return out;
}

std::vector<std::string> formatHistory(std::vector<HistoryLine> lines, size_t maxDetailed) {
    const auto detailed = static_cast<size_t>(std::count_if(
        lines.begin(), lines.end(), [](const HistoryLine& l) { return l.entry && l.entry->kind != RunKind::Folded; }));
    if (detailed > maxDetailed) {
        size_t excess = detailed - maxDetailed;
        RunEntry folded;
        folded.kind = RunKind::Folded;
        size_t next = 0;
        for (; next < lines.size() && excess > 0; ++next) {
            if (lines[next].entry && fold(folded, *lines[next].entry)) --excess;
        }
        // A folded line right after the cut belongs to the same past.
        while (next < lines.size() && lines[next].entry && lines[next].entry->kind == RunKind::Folded) {
            fold(folded, *lines[next++].entry);
        }
        lines.erase(lines.begin(), lines.begin() + static_cast<std::ptrdiff_t>(next));
        lines.insert(lines.begin(), HistoryLine{formatRunLine(folded), folded});
    }
    std::vector<std::string> out;
    out.reserve(lines.size() + 1);
    out.emplace_back(kRunHistoryHeader);
    for (const HistoryLine& line : lines) out.push_back(line.entry ? formatRunLine(*line.entry) : line.raw);
    return out;
}

HistorySummary summarise(const std::vector<HistoryLine>& lines, size_t latestCount) {
    HistorySummary s;
    for (const HistoryLine& line : lines) {
        if (!line.entry) continue;
        const RunEntry& e = *line.entry;
        s.totalFreed = saturatingAdd(s.totalFreed, e.bytesFreed);
        s.runs = saturatingAdd(s.runs, e.kind == RunKind::Folded ? e.foldedRuns : 1);
        if (s.since == 0 || (e.when != 0 && e.when < s.since)) s.since = e.when;
        if (e.kind != RunKind::Folded) s.latest.push_back(e);
    }
    if (s.latest.size() > latestCount) {
        s.latest.erase(s.latest.begin(), s.latest.end() - static_cast<std::ptrdiff_t>(latestCount));
    }
    return s;
}

RunChartTexts runChartTexts(const HistorySummary& s, std::string_view shortDatePicture) {
    RunChartTexts t;
    t.total = text::Ezredel(text::toDecimal(s.totalFreed));
    t.since = s.runs == 0 ? "Még nem volt takarítás." : timeutil::formatDate(s.since, shortDatePicture) + " óta";
    int64_t most = 0;
    for (const RunEntry& e : s.latest) most = std::max(most, e.bytesFreed);
    if (!s.latest.empty()) t.scale = text::Ezredel(text::toDecimal(most));
    return t;
}

void RunHistory::load() {
    const std::optional<std::string> bytes = fs_.readFile(path());
    lines_ = bytes ? parseHistory(text::decodeLines(*bytes)) : std::vector<HistoryLine>{};
    summary_ = summarise(withUnwritten(lines_, unwritten_));
    if (changed) changed();
}

bool RunHistory::record(const RunEntry& entry, bool automaticMode) {
    unwritten_.push_back(entry);
    const std::string file = path();
    // Read afresh: the file is the record, whatever this copy loaded at its start.
    bool unreadable = false;
    std::optional<std::string> bytes;
    if (fs_.getAttributes(file)) {
        bytes = fs_.readFile(file);
        unreadable = !bytes;
    }
    bool written = false;
    uint32_t error = 0;
    if (!unreadable) {
        lines_ = bytes ? parseHistory(text::decodeLines(*bytes)) : std::vector<HistoryLine>{};
        const std::vector<std::string> content = formatHistory(withUnwritten(lines_, unwritten_));
        written = fs_.writeFileAtomic(file, text::encodeLines(content));
        if (written) {
            lines_ = parseHistory(content);
            unwritten_.clear();
        } else {
            error = fs_.lastError();
        }
    } else {
        error = fs_.lastError();
    }
    summary_ = summarise(withUnwritten(lines_, unwritten_));
    if (changed) changed();
    if (!written && !automaticMode) {
        ui_.message(platform::MessageKind::Warning, platform::Buttons::Ok,
                    historyWriteFailedMessage(file, error, unreadable));
    }
    return written;
}

std::string historyWriteFailedMessage(const std::string& path, uint32_t errorCode, bool unreadable) {
    std::string message =
        "A takarítás eredményét nem sikerült felvenni a takarítások előzményei közé:\r\n" + path + "\r\n\r\n";
    if (unreadable) {
        message += "A meglévő állományt nem sikerült beolvasni, ezért a program nem írja felül.";
    } else if (errorCode == kDiskFull || errorCode == kHandleDiskFull) {
        message += "Megtelt a lemez. Az eddigi előzmények megmaradtak; szabadítson fel helyet a lemezen!";
    } else {
        message += "Valószínűleg nincs írási jogosultsága erre a helyre. Az eddigi előzmények megmaradtak.";
    }
    message += "\r\nA mostani eredményt a program a következő takarítás végén újra megpróbálja beírni.";
    return message;
}

}  // namespace kefelo::cleaning
