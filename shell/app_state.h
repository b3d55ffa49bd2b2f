#pragma once

#include <utility>

#include "engine/engine_state.h"
#include "shell/caption_tables.h"
#include "shell/settings.h"
#include "shell/working_dir.h"

namespace tessaro {

// The shared records of one run, created once by main() and passed by reference: the working
// folder, the settings record with its run flags, the caption tables of the current language and
// the engine's records. Every test starts from a fresh one.
struct AppState {
    explicit AppState(WorkingDir workingDir = WorkingDir()) : dir(std::move(workingDir)) {}

    WorkingDir dir;
    // The decimal separator of the user's number format ('.' or ','), used by the plain number
    // text.
    char decimalSeparator = '.';
    Settings settings;
    CaptionTables captions;
    EngineState engine;
    // Set by the first calculation run; the project form prepares the catalogue list and runs the
    // calculation on opening only before it.
    bool calculationDone = false;
};

}  // namespace tessaro
