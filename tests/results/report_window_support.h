#pragma once

#include "engine/app_state.h"
#include "support/temp_dir.h"

namespace tessaro::test {

// A copy of the shipped data folder, started as the program starts (settings, captions of the
// language given), with the report file of the example project written by the project form's
// print button.
class ReportFolder {
  public:
    explicit ReportFolder(std::string_view languageCode = "GER");

    TempDir temp;
    AppState state;
};

}  // namespace tessaro::test
