#include "base/time/datetime.h"

#include <cmath>
#include <cstdio>

namespace kefelo::timeutil {
namespace {
// Days from 1970-01-01 for a proleptic Gregorian date (H. Hinnant's algorithm).
int64_t daysFromCivil(int64_t y, unsigned m, unsigned d) {
    y -= m <= 2;
    const int64_t era = (y >= 0 ? y : y - 399) / 400;
    const unsigned yoe = static_cast<unsigned>(y - era * 400);
    const unsigned doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
    const unsigned doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + static_cast<int64_t>(doe) - 719468;
}

void civilFromDays(int64_t z, int& y, int& m, int& d) {
    z += 719468;
    const int64_t era = (z >= 0 ? z : z - 146096) / 146097;
    const unsigned doe = static_cast<unsigned>(z - era * 146097);
    const unsigned yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const int64_t yy = static_cast<int64_t>(yoe) + era * 400;
    const unsigned doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const unsigned mp = (5 * doy + 2) / 153;
    d = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
    m = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
    y = static_cast<int>(yy + (m <= 2));
}

const int64_t kEpochOffset = daysFromCivil(1899, 12, 30);  // TDateTime 0 in Unix days
constexpr int64_t kMsPerDay = 86400000;

std::string pad(int value, size_t width) {
    std::string s = std::to_string(value);
    while (s.size() < width) s.insert(s.begin(), '0');
    return s;
}
}  // namespace

TDateTime toDateTime(const CivilTime& t) {
    double days = static_cast<double>(daysFromCivil(t.year, t.month, t.day) - kEpochOffset);
    double frac = (t.hour * 3600000.0 + t.minute * 60000.0 + t.second * 1000.0 + t.millisecond) / kMsPerDay;
    // Before the epoch the time of day still counts forward from the day (TDateTime rule).
    return days >= 0 ? days + frac : days - frac;
}

CivilTime toCivil(TDateTime value) {
    CivilTime t;
    double whole = std::trunc(value);
    double frac = std::fabs(value - whole);
    int64_t ms = static_cast<int64_t>(std::llround(frac * kMsPerDay));
    int64_t days = static_cast<int64_t>(whole);
    if (ms >= kMsPerDay) {
        ms -= kMsPerDay;
        days += value >= 0 ? 1 : -1;
    }
    civilFromDays(days + kEpochOffset, t.year, t.month, t.day);
    t.hour = static_cast<int>(ms / 3600000);
    t.minute = static_cast<int>(ms / 60000 % 60);
    t.second = static_cast<int>(ms / 1000 % 60);
    t.millisecond = static_cast<int>(ms % 1000);
    return t;
}

TDateTime dateOnly(TDateTime value) { return std::trunc(value); }

double daySpan(TDateTime a, TDateTime b) { return std::fabs(a - b); }

TDateTime fromFileTime(int64_t ticks) {
    // 1601-01-01 is 109205 days before 1899-12-30.
    constexpr double kTicksPerDay = 864000000000.0;
    return static_cast<double>(ticks) / kTicksPerDay - 109205.0;
}

int64_t toFileTime(TDateTime value) {
    constexpr double kTicksPerDay = 864000000000.0;
    return static_cast<int64_t>(std::llround((value + 109205.0) * kTicksPerDay));
}

uint32_t toDosDateTime(const CivilTime& t) {
    uint32_t date = static_cast<uint32_t>(((t.year - 1980) & 0x7F) << 9 | (t.month & 0x0F) << 5 | (t.day & 0x1F));
    uint32_t time = static_cast<uint32_t>((t.hour & 0x1F) << 11 | (t.minute & 0x3F) << 5 | ((t.second / 2) & 0x1F));
    return date << 16 | time;
}

namespace {
// Walks a Windows date or time picture: quoted text is copied as it stands, every run of
// one letter goes to `field`, which returns false for letters it does not know.
template <typename Field>
std::string renderPicture(std::string_view picture, Field field) {
    std::string out;
    for (size_t i = 0; i < picture.size();) {
        char c = picture[i];
        if (c == '\'') {
            size_t close = picture.find('\'', i + 1);
            if (close == std::string_view::npos) close = picture.size();
            out.append(picture.substr(i + 1, close - i - 1));
            i = close + 1;
            continue;
        }
        size_t run = 1;
        while (i + run < picture.size() && picture[i + run] == c) ++run;
        if (!field(c, run, out)) out.append(run, c);
        i += run;
    }
    return out;
}
}  // namespace

std::string formatDate(TDateTime value, std::string_view picture) {
    const CivilTime t = toCivil(value);
    return renderPicture(picture, [&](char c, size_t run, std::string& out) {
        if (c == 'y') {
            out += run <= 2 ? pad(t.year % 100, 2) : pad(t.year, 4);
        } else if (c == 'M') {
            out += pad(t.month, run >= 2 ? 2 : 1);
        } else if (c == 'd') {
            out += pad(t.day, run >= 2 ? 2 : 1);
        } else {
            return false;
        }
        return true;
    });
}

std::string formatTime(TDateTime value, std::string_view picture) {
    const CivilTime t = toCivil(value);
    return renderPicture(picture, [&](char c, size_t run, std::string& out) {
        const size_t width = run >= 2 ? 2 : 1;
        if (c == 'H') {
            out += pad(t.hour, width);
        } else if (c == 'h') {
            out += pad(t.hour % 12 == 0 ? 12 : t.hour % 12, width);
        } else if (c == 'm') {
            out += pad(t.minute, width);
        } else if (c == 's') {
            out += pad(t.second, width);
        } else if (c == 't') {
            out += run >= 2 ? (t.hour < 12 ? "AM" : "PM") : (t.hour < 12 ? "A" : "P");
        } else {
            return false;
        }
        return true;
    });
}

}  // namespace kefelo::timeutil
