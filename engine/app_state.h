#pragma once

#include <utility>

#include "engine/engine_state.h"
#include "shell/shell_state.h"

namespace tessaro {

// The shared records of one run, created once by main() and passed by reference: the shell's
// records (working folder, settings, captions) and the engine's. It lives beside the engine so
// that it sees both layers it composes; the shell's own code takes only the ShellState part.
// Every test starts from a fresh one.
struct AppState : ShellState {
    explicit AppState(WorkingDir workingDir = WorkingDir()) : ShellState(std::move(workingDir)) {}

    EngineState engine;
    // Set by the first calculation run; the project form prepares the catalogue list and runs the
    // calculation on opening only before it.
    bool calculationDone = false;
};

}  // namespace tessaro
