#pragma once

// The caption entries that Tessaro shows in a window, a message box or the report, per table.
// Every language set must hold a text in each of them; the other entries belong to the sibling
// programs of the suite and may be empty.

#include <array>

namespace tessaro::test {

// Main caption entries (Caption.<code>). Caption list entry k is main entry 96 + k.
inline constexpr std::array kShownMain = {
    12,   // compressor type label (project form, report)
    13,   // evaporator panel title, report heading
    14,   // condenser panel title, report heading
    21,   // help buttons and menu, help box caption
    22,   // efficiency class label
    25,   // result window heading label
    26,   // result window heading label
    27,   // result window heading, before the user name
    35,   // cancel buttons
    37,   // plant size label; report label of size and cooling capacity
    38,   // result window heading, before the date
    40,   // report: evaporating temperature (after entry 171)
    41,   // report: condensing temperature (after entry 171)
    61,   // result window heading, before the page number
    63,   // main window menu; print settings button and caption
    66,   // running costs label; form caption and report title
    68,   // suction gas temperature title (after entry 171)
    75,   // exit button and menu; title of the exit question
    76,   // print buttons; heading check box of the result window
    81,   // calculate button; main window button and menu; titles
    82,   // operating hours per day label
    83,   // running-time factor label
    84,   // electricity price label
    85,   // operating days per year label
    86,   // compressor type item 1 (the slot of program entry 38)
    87,   // compressor type item 2 (program entry 39)
    88,   // compressor type item 3 (program entry 40)
    91,   // language menu, welcome heading, language message
    134,  // caption list 38: information line for the cooling capacity box
    135,  // caption list 39: information line for the evaporating temperature box
    136,  // caption list 40: information line for the condensing temperature box
    138,  // caption list 42: main window information line
    146,  // caption list 50: full heading of the result window
    148,  // caption list 52: message, cooling capacity not above 0
    149,  // caption list 53: message, evaporating temperature below the limit
    150,  // caption list 54: message, condensing temperature above the limit
    151,  // caption list 55: message, condensing below evaporating temperature
    155,  // caption list 59: exit question
    157,  // caption list 61: language not available
    166,  // printer button and menu; print settings caption
    171,  // first word of the temperature labels
    203,  // evaporator and condenser size label
    221,  // result window heading check box
    222,  // emission labels; form caption and report title
};

// Compressor caption entries (VerbCapt.<code>): none is shown. Its entries 2, 10, 11 and 12 are
// the slots of main entries 199, 1, 169 and 170 and must hold the same texts as those.
inline constexpr std::array<int, 0> kShownCompressor = {};

// Program caption entries (TessaroCap.<code>): the main window caption (1), the project form's
// labels (12, 13, 21, 22, 29, 30, 32, 46, 47) and the items of its option lists.
inline constexpr std::array kShownProgram = {
    1,  2,  3,  4,  5,  6,  7,  8,  9,  10,  // caption; application items; size classes
    12, 13, 14, 15, 16, 17, 18, 19, 20,      // labels; ordered scale; temperature ranges
    21, 22, 23, 24, 25, 26, 27, 28,          // labels; maintenance and charge items
    29, 30, 31, 32, 33, 34, 35, 36, 37,      // labels; application item; none; efficiency
    38, 39, 40, 41, 42, 43, 44, 45, 46, 47,  // compressor types; pressure control; labels
};

// Info text entries (infoTXT.<code>): the help panel texts of the project form and the notes at
// the end of the report (39 to 45).
inline constexpr std::array kShownInfo = {
    1,  2,  3,                       // maintenance state
    6,  7,  8,                       // refrigerant charge
    11, 12, 13,                      // pipe sizing
    16, 17, 18, 19,                  // suction line insulation
    21, 22, 23,                      // condenser size
    26, 27, 28,                      // evaporator size
    30, 31, 32, 33, 34, 35, 36, 37,  // application (30: none chosen)
    39, 40, 41, 42, 43, 44, 45,      // report notes
    46, 47, 48, 49,                  // efficiency class
    51, 52, 53, 54, 55,              // the five energy values
    57, 58, 59, 60, 61,              // condensing pressure control
    63, 64,                          // winter set point: a set point, none
};

// The report notes among the info entries; the others are help panel texts.
inline constexpr int kFirstReportNote = 39;
inline constexpr int kLastReportNote = 45;

}  // namespace tessaro::test
