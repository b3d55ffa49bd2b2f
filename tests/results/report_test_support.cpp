#include "report_test_support.h"

namespace tessaro::test {

namespace {

using Slot = std::string* (CaptionTables::*)(int);

void Fill(CaptionTables& captions, Slot slot, char prefix, int count,
          const std::map<std::string, std::string>& overrides) {
    for (int n = 1; n <= count; ++n) {
        std::string key = prefix + std::to_string(n);
        auto it = overrides.find(key);
        *(captions.*slot)(n) = it == overrides.end() ? key : it->second;
    }
}

}  // namespace

void FillCaptions(CaptionTables& captions, const std::map<std::string, std::string>& overrides) {
    Fill(captions, &CaptionTables::MainSlot, 'M', CaptionTables::kMainEntries, overrides);
    Fill(captions, &CaptionTables::ProgramSlot, 'P', CaptionTables::kProgramEntries, overrides);
    Fill(captions, &CaptionTables::InfoSlot, 'I', CaptionTables::kInfoEntries, overrides);
}

AppState ReportState(const TempDir& dir, std::string_view languageCode,
                     const std::map<std::string, std::string>& overrides) {
    AppState state{WorkingDir(dir.Path())};
    state.settings.LanguageCode = std::string(languageCode);
    FillCaptions(state.captions, overrides);
    return state;
}

}  // namespace tessaro::test
