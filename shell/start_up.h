#pragma once

#include <optional>
#include <string>

namespace tessaro {

struct ShellState;
class BusyPointer;

// The start of a run up to the main window's layout: the settings (the whole of "kparam.dat" is
// read so that its values survive the run), the defaults (font "Arial", language "GER", currency
// "EUR"), the caption tables and info texts of the language, and, when readHandOver is set, the
// hand-over file read and reset. Returns the sentence that explains why the start cannot go on
// (a missing or short "kparam.dat"); in that case no other file has been touched.
std::optional<std::string> StartUp(ShellState& state, BusyPointer* busy, bool readHandOver);

}  // namespace tessaro
