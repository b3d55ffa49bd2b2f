#pragma once

namespace tessaro {

class WorkingDir;
struct Settings;

inline constexpr const char* kHandOverFile = "VARNHOLTData.dat";

// Reads the hand-over file that a sibling program writes before it starts this one: two integers a
// and b (b becomes HandOverActive) and, when both are non-zero, a text that is not used. Then the
// file is rewritten as "0" CR LF "0" CR LF. A missing or unreadable file counts as a = b = 0.
void ReadAndResetHandOver(const WorkingDir& dir, Settings& settings);

}  // namespace tessaro
