#pragma once

// The caption entries that Tessaro shows in a window, a message box or the report, per table.
// Every language set must hold a text in each of them; the other entries belong to the sibling
// programs of the suite and may be empty.

#include <array>

namespace tessaro::test {

// Main caption entries (Caption.<code>). Caption list entry k is main entry 96 + k.
inline constexpr std::array kShownMain = {
    // Project form labels: compressor type, efficiency class, plant size, hours per day,
    // running-time factor, electricity price, days per year, evaporator and condenser size.
    12, 22, 37, 82, 83, 84, 85, 203,
    // Evaporator and condenser panel titles and report headings.
    13, 14,
    // Help, cancel, print settings, exit, print, calculate, printer: buttons, menus, captions.
    21, 35, 63, 75, 76, 81, 166,
    // Result window heading: labels before the user name, the date and the page number; its check
    // box; its full text (caption list 50).
    25, 26, 27, 38, 61, 221, 146,
    // Running costs and emission labels, form captions and report titles.
    66, 222,
    // Report temperature titles, and their first word (171).
    40, 41, 68, 171,
    // Compressor type items (the slots of program entries 38 to 40).
    86, 87, 88,
    // Language menu, welcome heading and message; language not available (caption list 61).
    91, 157,
    // Caption list 38 to 40 and 42: information lines of the input boxes and the main window.
    134, 135, 136, 138,
    // Caption list 52 to 55 and 59: messages on input limits, exit question.
    148, 149, 150, 151, 155};

// Compressor caption entries (VerbCapt.<code>): none is shown. Its entries 2, 10, 11 and 12 are
// the slots of main entries 199, 1, 169 and 170 and must hold the same texts as those.

// Program caption entries (TessaroCap.<code>): the main window caption (1), the project form's
// labels (12, 13, 21, 22, 29, 30, 32, 46, 47), the items of its option lists and the messages of
// the number boxes and of files that cannot be written (61 to 67).
inline constexpr std::array kShownProgram = {
    1,  2,  3,  4,  5,  6,  7,  8,  9,  10,  // caption; application items; size classes
    12, 13, 14, 15, 16, 17, 18, 19, 20,      // labels; ordered scale; temperature ranges
    21, 22, 23, 24, 25, 26, 27, 28,          // labels; maintenance and charge items
    29, 30, 31, 32, 33, 34, 35, 36, 37,      // labels; application item; none; efficiency
    38, 39, 40, 41, 42, 43, 44, 45, 46, 47,  // compressor types; pressure control; labels
    61, 62, 63, 64, 65, 66, 67,              // number box and file-write messages
    68, 69,                                  // report: notice line, web address line
};

// Info text entries (infoTXT.<code>): the help panel texts of the project form and the notes at
// the end of the report.
inline constexpr std::array kShownInfo = {
    1,  2,  3,  6,  7,  8,  11, 12, 13,      // maintenance state, refrigerant charge, pipe sizing
    16, 17, 18, 19, 21, 22, 23, 26, 27, 28,  // suction line insulation, condenser, evaporator size
    30, 31, 32, 33, 34, 35, 36, 37,          // application (30: none chosen)
    39, 40, 41, 42, 43, 44, 45,              // report notes
    46, 47, 48, 49, 51, 52, 53, 54, 55,      // efficiency class, the five energy values
    57, 58, 59, 60, 61, 63, 64,              // pressure control; winter set point: one, none
};

// The report notes among the info entries; the others are help panel texts.
inline constexpr int kFirstReportNote = 39;
inline constexpr int kLastReportNote = 45;

}  // namespace tessaro::test
