// Random sessions on the shipped example, with the action words of tessaro-calc: after any session
// that ends with calculate and O.K., the project reopens with the same texts and figures, in its
// own language and in every other; focus and mouse-over never change a field or a file. A failing
// session is printed as the tessaro-calc command line that repeats it.
#include <cmath>
#include <cstdio>
#include <cstring>
#include <map>
#include <memory>
#include <random>

#include <gtest/gtest.h>

#include "app/calc_session.h"
#include "engine/app_state.h"
#include "project/foreign_choices.h"
#include "project/form/project_form.h"
#include "project/project_extras.h"
#include "shell/start_up.h"
#include "support/temp_dir.h"

namespace tessaro {
namespace {

// The sessions one run tries.
constexpr int kSessions = 300;

// The project form opened in a run of its own, as tessaro-calc opens it.
struct OpenForm {
    OpenForm(const std::filesystem::path& dir, std::string_view language, char separator)
        : state(WorkingDir(dir)) {
        state.decimalSeparator = separator;
        EXPECT_FALSE(StartUp(state, nullptr, false).has_value());
        state.settings.LanguageCode = std::string(language);
        LoadAllCaptions(state.dir, language, state.captions);
        LoadInfoTexts(state.dir, language, state.captions);
        form.Load();
    }
    AppState state;
    test::RecordingMessageBox messages;
    FormHost host;
    ProjectForm form{state, messages, host};
};

std::vector<std::string> FieldTexts(const ProjectForm& form) {
    return {form.Record().texts.begin(), form.Record().texts.end()};
}

std::vector<std::string> Figures(const ProjectForm& form) {
    const ResultLabels& l = form.Labels();
    return {l.tSLeit, l.LeistZ, l.BetrKo, l.kWstunden, l.co2consum};
}

// The item number of every choice field in its list (0: no item).
std::vector<int> Items(const ProjectForm& form) {
    std::vector<int> items;
    for (int i = 0; i < kFieldCount; ++i) {
        const auto field = static_cast<FieldId>(i);
        if (IsChoiceField(field))
            items.push_back(ItemNumber(form.Record()[field], form.Lists()[field], false));
    }
    return items;
}

// A number text a user might type into a box: mostly sensible, sometimes beyond its range or no
// number at all, with a point or a comma.
std::string NumberText(FieldId field, std::mt19937& random) {
    static const char* const kOdd[] = {"", "abc", "1e308", "NaN", "-300", "12 5", "99999999"};
    std::uniform_int_distribution<int> kind(0, 9);
    if (kind(random) == 0)
        return kOdd[std::uniform_int_distribution<size_t>(0, std::size(kOdd) - 1)(random)];
    // The sensible spans of the boxes; the energy factors' boxes from 0 to 1.
    static const std::map<FieldId, std::pair<double, double>> kSpans = {
        {FieldId::Q0, {0.5, 300}},        {FieldId::t0, {-40, 10}},
        {FieldId::Tc, {15, 69}},          {FieldId::tambient, {-10, 45}},
        {FieldId::betrstd, {1, 24}},      {FieldId::JahrebetrT, {50, 366}},
        {FieldId::EnergKost, {0.05, 0.6}}};
    const auto found = kSpans.find(field);
    const auto span = found != kSpans.end() ? found->second : std::pair{0.0, 1.0};
    const double value = std::uniform_real_distribution<double>(span.first, span.second)(random);
    char text[32];
    std::snprintf(text, sizeof text, "%.15g", std::round(value * 100) / 100);
    if (std::uniform_int_distribution<int>(0, 1)(random) == 1 && std::strchr(text, '.'))
        *std::strchr(text, '.') = ',';
    return text;
}

std::vector<FieldId> Fields(bool choices) {
    std::vector<FieldId> fields;
    for (int i = 0; i < kFieldCount; ++i) {
        if (IsChoiceField(static_cast<FieldId>(i)) == choices)
            fields.push_back(static_cast<FieldId>(i));
    }
    return fields;
}

template <typename T>
const T& OneOf(const std::vector<T>& items, std::mt19937& random) {
    return items[std::uniform_int_distribution<size_t>(0, items.size() - 1)(random)];
}

class SessionProperty : public ::testing::Test {
  protected:
    // A fresh copy of the shipped example: the project files as shipped, nothing else written.
    void Reset() {
        for (const char* name : {"TempPart.dat", "energk.dat"})
            folder.Write(name, *WorkingDir(test::DataDir()).ReadBytes(name));
        for (const char* name : {kProjectExtrasFile, "ergEN1.DAT"})
            std::filesystem::remove(folder.Path() / name);
    }

    std::string Files() const {
        return folder.Read("TempPart.dat") + "|" + folder.Read("energk.dat") + "|" +
               folder.Read(kProjectExtrasFile);
    }

    // The next action: applied to the form at once, so that the next one fits what it shows.
    CalcAction NextAction(ProjectForm& form, std::mt19937& random) {
        using Kind = CalcAction::Kind;
        const int roll = std::uniform_int_distribution<int>(0, 99)(random);
        if (roll < 40) {
            const FieldId field = OneOf(Fields(true), random);
            const int size = static_cast<int>(form.Lists()[field].size());
            return {Kind::Pick, field, std::uniform_int_distribution<int>(1, size)(random), {}};
        }
        if (roll < 70) {
            const FieldId field = OneOf(Fields(false), random);
            return {Kind::Enter, field, 0, NumberText(field, random)};
        }
        if (roll < 80)
            return {Kind::Focus, OneOf(Fields(roll % 2 == 0), random), 0, {}};
        if (roll < 90)
            return {Kind::Hover, FieldId::Q0, 0,
                    std::string(OneOf(ProjectForm::MouseOverControls(), random))};
        return {roll < 95 ? Kind::Calculate : Kind::Print, FieldId::Q0, 0, {}};
    }

    // Runs one session; returns the actions carried out.
    std::vector<CalcAction> RunSession(OpenForm& open, std::mt19937& random) {
        using Kind = CalcAction::Kind;
        ProjectForm& form = open.form;
        std::vector<CalcAction> actions;
        const int length = std::uniform_int_distribution<int>(1, 14)(random);
        for (int n = 0; n < length; ++n) {
            const CalcAction action = NextAction(form, random);
            const std::vector<std::string> texts = FieldTexts(form);
            const std::string files = Files();
            actions.push_back(action);
            EXPECT_EQ(RunCalcActions(form, {action}), std::nullopt);
            if (action.kind == Kind::Focus || action.kind == Kind::Hover) {
                EXPECT_EQ(FieldTexts(form), texts) << "looking changed a field";
                EXPECT_EQ(Files(), files) << "looking changed a file";
            }
        }
        // A refused energy value stays pending; Escape gives the saved one back before O.K.
        std::vector<CalcAction> ending;
        for (FieldId field : kEnergyFields) {
            if (form.Pending(field))
                ending.push_back({Kind::Escape, field, 0, {}});
        }
        ending.push_back({Kind::Calculate, FieldId::Q0, 0, {}});
        ending.push_back({Kind::Ok, FieldId::Q0, 0, {}});
        EXPECT_EQ(RunCalcActions(form, ending), std::nullopt);
        actions.insert(actions.end(), ending.begin(), ending.end());
        return actions;
    }

    // The command line that repeats a session, and the one that reopens its project.
    static std::string CommandLine(std::string_view language, char separator,
                                   const std::vector<CalcAction>& actions) {
        std::string line = std::string(separator == ',' ? "LC_ALL=de_DE.UTF-8" : "LC_ALL=C.UTF-8") +
                           " tessaro-calc --lang " + std::string(language);
        for (const std::string& word : CalcActionWords(actions))
            line += " '" + word + "'";
        return line;
    }

    test::TempDir folder;
};

TEST_F(SessionProperty, AReopenedProjectShowsTheSameFiguresInEveryLanguage) {
    folder.CopyAllData();
    int failures = 0;
    for (int n = 0; n < kSessions && failures < 3; ++n) {
        std::mt19937 random(static_cast<unsigned>(16 * 100003 + n));
        const std::string_view language = n % 2 == 0 ? "GER" : "ENG";
        const char separator = n % 4 < 2 ? '.' : ',';
        Reset();
        OpenForm session(folder.Path(), language, separator);
        const std::vector<CalcAction> actions = RunSession(session, random);
        const std::string repeat =
            "in a copy of data/: " + CommandLine(language, separator, actions);
        ASSERT_TRUE(session.form.Closed()) << repeat;

        OpenForm again(folder.Path(), language, separator);
        const bool same = FieldTexts(again.form) == FieldTexts(session.form) &&
                          Figures(again.form) == Figures(session.form);
        EXPECT_TRUE(same) << repeat << "\n  then: tessaro-calc --lang " << language;
        failures += same ? 0 : 1;
        // Four other languages a session, in turn, so that every few sessions reach all of them.
        for (size_t k = 0; k < 4; ++k) {
            const std::string_view other = kLanguageCodes[(4 * n + k) % kLanguageCodes.size()];
            OpenForm elsewhere(folder.Path(), other, separator);
            const bool alike = Figures(elsewhere.form) == Figures(session.form) &&
                               Items(elsewhere.form) == Items(session.form);
            EXPECT_TRUE(alike) << repeat << "\n  then: tessaro-calc --lang " << other;
            failures += alike ? 0 : 1;
        }
    }
}

}  // namespace
}  // namespace tessaro
