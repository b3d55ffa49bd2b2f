#pragma once

#include <string>

namespace tessaro {

// A day of the calendar.
struct CalendarDate {
    int day = 1;
    int month = 1;
    int year = 2000;
};

// Today in the local time zone.
CalendarDate Today();

// FormatReportDate: the date shown in the report heading, day and month with two digits each and
// the year with four, joined by "." ("06.12.2026").
std::string FormatReportDate(const CalendarDate& date);

}  // namespace tessaro
