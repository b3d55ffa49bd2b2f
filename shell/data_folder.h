#pragma once

#include <filesystem>
#include <optional>
#include <string>

namespace tessaro {

// Where the desktop program works: the folder it is started in when that holds "kparam.dat";
// otherwise the user's own data folder, $XDG_DATA_HOME/tessaro (by default
// ~/.local/share/tessaro).
std::filesystem::path UserDataFolder(const char* xdgDataHome, const char* home);

// The folder of the installed data files: share/tessaro beside the program's bin folder, then
// tessaro in each folder of XDG_DATA_DIRS (by default /usr/local/share and /usr/share), then the
// fallback (the data folder of the source tree for a program run from its build folder). The first
// that holds "kparam.dat" wins.
std::optional<std::filesystem::path> FindInstalledData(const std::filesystem::path& programFolder,
                                                       const char* xdgDataDirs,
                                                       const std::filesystem::path& fallback);

// Fills a user data folder from the installed files on its first use (while it holds no
// "kparam.dat"): the folder is created and every installed file it lacks, whatever the letter case
// of the name, is copied in. Nothing already there is ever overwritten. Returns the sentence that
// explains a failure.
std::optional<std::string> FillDataFolder(const std::filesystem::path& folder,
                                          const std::filesystem::path& installed);

// The program's language code of the user's locale: the first of LC_ALL, LC_MESSAGES and LANG
// that is set and not empty names it by its language ("de_DE.UTF-8" gives GER, "ar" ARA, "el_GR"
// GRE); nothing for a language the program does not speak, or for C and POSIX.
std::optional<std::string> LocaleLanguage(const char* lcAll, const char* lcMessages,
                                          const char* lang);

// The folder to work in: the start folder when it holds "kparam.dat", otherwise the user data
// folder filled from the installed data. A folder filled now speaks firstLanguage, when given, from
// its first start. Returns the sentence that explains why there is none.
struct WorkingFolderChoice {
    std::filesystem::path folder;
    std::optional<std::string> error;
};
WorkingFolderChoice ChooseWorkingFolder(const std::filesystem::path& startFolder,
                                        const std::filesystem::path& userFolder,
                                        const std::optional<std::filesystem::path>& installed,
                                        const std::optional<std::string>& firstLanguage = {});

// The folder a program works in, chosen as above from the current folder and the environment
// (XDG_DATA_HOME, HOME, XDG_DATA_DIRS, and LC_ALL, LC_MESSAGES, LANG for the first start's
// language), the program being in programFolder. A program run from buildFolder takes sourceData
// as its installed data.
WorkingFolderChoice ChooseProgramWorkingFolder(const std::filesystem::path& programFolder,
                                               const std::filesystem::path& buildFolder,
                                               const std::filesystem::path& sourceData);

}  // namespace tessaro
