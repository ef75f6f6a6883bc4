#pragma once
// The platform's TDateTime: days since 1899-12-30 as a double, the fraction the time of
// day; 0.0 means never.
#include <cstdint>
#include <string>
#include <string_view>

namespace kefelo::timeutil {

using TDateTime = double;

struct CivilTime {
    int year = 1899, month = 12, day = 30;
    int hour = 0, minute = 0, second = 0, millisecond = 0;
};

TDateTime toDateTime(const CivilTime& t);
CivilTime toCivil(TDateTime value);
// The whole days of a date-time (the date without its time of day).
TDateTime dateOnly(TDateTime value);
// Fractional days between two moments, always positive (DaySpan).
double daySpan(TDateTime a, TDateTime b);

// FILETIME ticks (100 ns since 1601-01-01) to TDateTime and back.
TDateTime fromFileTime(int64_t ticks);
int64_t toFileTime(TDateTime value);

// Packed DOS date-time: high word date, low word time (two-second resolution).
uint32_t toDosDateTime(const CivilTime& t);

// Renders a date with a Windows short-date picture such as "yyyy. MM. dd." or "M/d/yyyy"
// (y, M, d runs; text in single quotes is literal; other characters are copied).
std::string formatDate(TDateTime value, std::string_view picture);
// Renders a time with a Windows time picture such as "HH:mm:ss" or "h:mm:ss tt".
std::string formatTime(TDateTime value, std::string_view picture);

}  // namespace kefelo::timeutil
