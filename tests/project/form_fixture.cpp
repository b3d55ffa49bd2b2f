#include "project/form_fixture.h"

#include "shell/code_page.h"

namespace tessaro::test {

namespace {

std::string Lines(const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines)
        text += line + "\r\n";
    return text;
}

std::vector<std::string> Named(const std::string& prefix, int count) {
    std::vector<std::string> lines;
    for (int n = 1; n <= count; ++n)
        lines.push_back(prefix + std::to_string(n));
    return lines;
}

}  // namespace

FormFixture::FormFixture() {
    std::vector<std::string> main = Named("M", 273);
    for (int k = 1; k <= 61; ++k)
        main[static_cast<size_t>(96 + k - 1)] = "CL" + std::to_string(k);
    temp.Write("Caption.TST", Lines(main));
    temp.Write("VerbCapt.TST", Lines(Named("V", 24)));
    std::vector<std::string> program = Named("P", CaptionTables::kProgramEntries);
    program[37] = "M86";  // program entries 38..40 share their slots with main entries 86..88
    program[38] = "M87";
    program[39] = "M88";
    for (int n : {61, 62, 63})  // the messages that name a range or a file and its reason
        program[static_cast<size_t>(n - 1)] = "\"P" + std::to_string(n) + " %1, %2\"";
    temp.Write("TessaroCap.TST", Lines(program));
    info = Named("I", 66);
    temp.Write("infoTXT.TST", Lines(info));
    temp.CopyFromData({"R22.DAT"});
    state.settings.LanguageCode = "TST";
    state.settings.CurrencyCode = "EUR";
    LoadAllCaptions(state.dir, "TST", state.captions);
    LoadInfoTexts(state.dir, "TST", state.captions);
}

void FormFixture::WriteProject(const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines)
        text += "\"" + line + "\"\r\n";
    temp.Write("TempPart.dat", EncodeText(text, CodePage::Windows1252));
}

void FormFixture::WriteTypicalProject() {
    WriteProject({"R22", "10", "-10", "32", "P4", "P10", "P9", "P9", "P15", "P19", "P23", "P26",
                  "P9", "P15", "P35", "M87", "P45", "P33"});
    WriteEnergy("12,0.8,0.2,365,0.5\r\n");
}

void FormFixture::SetInfoText(int n, const std::string& text) {
    info[static_cast<size_t>(n - 1)] = "\"" + text + "\"";
    temp.Write("infoTXT.TST", EncodeText(Lines(info), CodePage::Windows1252));
    LoadInfoTexts(state.dir, "TST", state.captions);
}

ProjectForm& FormFixture::Open(char decimalSeparator) {
    form = std::make_unique<ProjectForm>(state, messages, host);
    state.decimalSeparator = decimalSeparator;
    form->Load();
    return *form;
}

std::vector<std::string> FormFixture::MessageTexts() const {
    std::vector<std::string> texts;
    for (const auto& shown : messages.shown)
        texts.push_back(shown.text);
    return texts;
}

}  // namespace tessaro::test
