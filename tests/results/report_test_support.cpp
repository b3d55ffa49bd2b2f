#include "report_test_support.h"

#include "shell/caption_tables.h"
#include "shell/code_page.h"

namespace tessaro::test {

namespace {

std::string CaptionFile(char prefix, int count, const std::map<std::string, std::string>& overrides,
                        CodePage page) {
    std::string text;
    for (int n = 1; n <= count; ++n) {
        std::string key = prefix + std::to_string(n);
        auto it = overrides.find(key);
        text += "\"" + (it == overrides.end() ? key : it->second) + "\"\r\n";
    }
    return EncodeText(text, page);
}

}  // namespace

FakeProjectForm GermanProjectForm() {
    FakeProjectForm form;
    form.texts = {
        {"AnwendBereich", "Gewerbekälte"},
        {"Tempbereich", "Kühlraum +2 °C"},
        {"AnlGroesse", "mittel"},
        {"Q0", "12,5"},
        {"AmbientT", "gemäßigt"},
        {"tambient", "25"},
        {"vdsize", "normal"},
        {"t0", "-10"},
        {"VFlsize", "groß"},
        {"Tc", "40"},
        {"Verdichterbauart", "Hubkolben"},
        {"RGart", "gleitend"},
        {"WinterRGart", "20 °C"},
        {"WartungI", "gut"},
        {"Fullzustand", "voll"},
        {"Leitungsdimension", "richtig"},
        {"WaermeD", "isoliert"},
        {"km", "1"},
        {"betrstd", "24"},
        {"lzfaktor", "0.6"},
        {"EnergKost", "0.12"},
        {"JahrebetrT", "365"},
        {"Spezco2emission", "0.6"},
        {"BetrKo", "3504.23"},
        {"co2consum", "17.52"},
    };
    return form;
}

void WriteCaptionFiles(const TempDir& dir, std::string_view languageCode,
                       const std::map<std::string, std::string>& overrides) {
    const std::string code(languageCode);
    const CodePage page = CodePageOfLanguage(code);
    dir.Write("Caption." + code, CaptionFile('M', CaptionTables::kMainEntries, overrides, page));
    dir.Write("TessaroCap." + code,
              CaptionFile('P', CaptionTables::kProgramEntries, overrides, page));
    dir.Write("infoTXT." + code, CaptionFile('I', CaptionTables::kInfoEntries, overrides, page));
}

AppState StateWithCaptions(const TempDir& dir, std::string_view languageCode) {
    AppState state{WorkingDir(dir.Path())};
    state.settings.LanguageCode = std::string(languageCode);
    LoadAllCaptions(state.dir, languageCode, state.captions);
    LoadInfoTexts(state.dir, languageCode, state.captions);
    return state;
}

}  // namespace tessaro::test
