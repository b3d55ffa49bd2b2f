#include "results/report_date.h"

#include <cstdio>
#include <ctime>

namespace tessaro {

CalendarDate Today() {
    std::time_t now = std::time(nullptr);
    std::tm local{};
    if (::localtime_r(&now, &local) == nullptr)
        return {};
    return {local.tm_mday, local.tm_mon + 1, local.tm_year + 1900};
}

std::string FormatReportDate(const CalendarDate& date) {
    char text[32];
    std::snprintf(text, sizeof text, "%02d.%02d.%04d", date.day, date.month, date.year);
    return text;
}

}  // namespace tessaro
