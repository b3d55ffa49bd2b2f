#pragma once

#include <array>
#include <functional>
#include <set>
#include <string>
#include <string_view>

namespace tessaro {

class MessageBox;
class WorkingDir;
struct Settings;
struct ShellState;

// One language of the welcome dialog: its code, the names of its option label and flag picture,
// the flag's picture file, and the text of the option label: the language's own name, as a
// speaker of it writes it, so that everybody finds their language whatever language the dialog
// is shown in.
struct WelcomeLanguage {
    std::string_view code;
    std::string_view optionName;
    std::string_view flagName;
    std::string_view flagPicture;
    std::string_view ownName;
};

// The sixteen languages in the order of the language table (the dialog lays them out in it).
inline constexpr std::array<WelcomeLanguage, 16> kWelcomeLanguages = {{
    {"ENG", "Engopt", "PICENG", "england.bmp", "English"},
    {"GER", "GERopt", "PICGER", "Germany.bmp", "Deutsch"},
    {"FRA", "FRAopt", "PICFRA", "Frankr.bmp", "Français"},
    {"ESP", "ESPopt", "PICESP", "SPANIEN.bmp", "Español"},
    {"NDL", "NDLOpt", "PICNDL", "niederl.bmp", "Nederlands"},
    {"ITA", "ITAOpt", "PICITA", "italien.bmp", "Italiano"},
    {"POR", "POROpt", "PICPOR", "Portugal.bmp", "Português"},
    {"SWE", "SWEOpt", "PICSWE", "schweden.bmp", "Svenska"},
    {"RUS", "RUSOpt", "PICRUS", "russisch.bmp", "Русский"},
    {"POL", "POLOpt", "PICPOL", "polen.bmp", "Polski"},
    {"TRK", "TRKOpt", "PICTRK", "tuerkei.bmp", "Türkçe"},
    {"ROM", "ROMOpt", "PICROM", "rumaen.bmp", "Română"},
    {"GRE", "GREopt", "PICGre", "Griechl.bmp", "Ελληνικά"},
    {"HUN", "HUNopt", "PICHUN", "Ungarn.bmp", "Magyar"},
    {"BUL", "Bulopt", "Picbul", "Bulgaria.bmp", "Български"},
    {"ARA", "ARAopt", "PicARA", "Arabic.bmp", "العربية"},
}};

// The component pictures of the welcome dialog, Picture2 to Picture15 in this order.
inline constexpr std::array<std::string_view, 14> kComponentPictures = {
    "exv1cap.bmp",  "herm2cap.bmp", "MagV1cap.bmp", "samm1cap.bmp", "schg2cap.bmp",
    "trok1cap.bmp", "verd1cap.bmp", "verf1cap.bmp", "absp1cap.bmp", "oela1cap.bmp",
    "halb2cap.bmp", "kw02cap.bmp",  "pres3cap.bmp", "verf6cap.bmp"};

// The start picture for a help context: 1 "start02.bmp", 2 "start03.bmp", 3 "start04.bmp", any
// other value "start01.bmp".
std::string_view StartPictureName(int helpContext);

// The codes whose option label the dialog disables because their main caption file is missing or
// empty. The files are probed by the names the dialog has always used ("Caption.ARA",
// "CAPTION.ndl", ...), matched on disk in any letter case. English and German are never probed.
std::set<std::string> UnavailableWelcomeLanguages(const WorkingDir& dir);

// Reads field 8 of line 1 of "kparam.dat" (the carried value V1) again into the record; the other
// fields are left alone. A file without that field leaves V1 as it was.
void ReloadCarriedValueV1(const WorkingDir& dir, Settings& settings);

// Whether a language's option label is the chosen one (bold and upright): its code equals the
// current language code.
bool IsChosenLanguage(std::string_view code, std::string_view languageCode);

// The language that the dialog's confirmation takes: the labels are tested in the order ARA, BUL,
// ENG, GER, GRE, FRA, ESP, HUN, NDL, ITA, SWE, POR, RUS, POL, TRK, ROM and the last bold one
// wins; with none bold the choice is the empty code.
std::string ChosenWelcomeLanguage(const std::function<bool(std::string_view code)>& isBold);

// The confirmation of the welcome dialog for the chosen code: the settings are read again in
// full (which puts the stored language back); when the chosen language is available it becomes
// the language and the settings are written, otherwise the not-available message is shown and
// the stored language stays. Returns whether the chosen language was taken.
bool ConfirmWelcomeChoice(ShellState& state, std::string_view chosen, MessageBox& messages);

}  // namespace tessaro
