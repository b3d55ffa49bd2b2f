#include "shell/data_folder.h"

#include <cstdlib>
#include <string_view>
#include <utility>

#include "shell/settings.h"
#include "shell/working_dir.h"

namespace tessaro {

namespace fs = std::filesystem;

namespace {

bool HoldsSettings(const fs::path& folder) {
    std::error_code error;
    return fs::is_directory(folder, error) && WorkingDir(folder).Exists(kSettingsFile);
}

}  // namespace

fs::path UserDataFolder(const char* xdgDataHome, const char* home) {
    // An XDG variable that is not an absolute path is to be ignored.
    if (xdgDataHome != nullptr && *xdgDataHome == '/')
        return fs::path(xdgDataHome) / "tessaro";
    return fs::path(home != nullptr && *home != '\0' ? home : "/tmp") / ".local" / "share" /
           "tessaro";
}

std::optional<fs::path> FindInstalledData(const fs::path& programFolder, const char* xdgDataDirs,
                                          const fs::path& fallback) {
    const fs::path beside = programFolder.parent_path() / "share" / "tessaro";
    if (HoldsSettings(beside))
        return beside;
    std::string_view dirs = xdgDataDirs != nullptr && *xdgDataDirs != '\0'
                                ? std::string_view(xdgDataDirs)
                                : std::string_view("/usr/local/share:/usr/share");
    while (!dirs.empty()) {
        const size_t colon = dirs.find(':');
        const std::string_view dir = dirs.substr(0, colon);
        dirs = colon == std::string_view::npos ? std::string_view() : dirs.substr(colon + 1);
        if (!dir.empty() && dir.front() == '/' && HoldsSettings(fs::path(dir) / "tessaro"))
            return fs::path(dir) / "tessaro";
    }
    if (!fallback.empty() && HoldsSettings(fallback))
        return fallback;
    return std::nullopt;
}

std::optional<std::string> FillDataFolder(const fs::path& folder, const fs::path& installed) {
    std::error_code error;
    fs::create_directories(folder, error);
    if (error)
        return "The folder \"" + folder.string() + "\" cannot be created: " + error.message() + ".";
    const WorkingDir target(folder);
    for (const fs::directory_entry& entry : fs::directory_iterator(installed, error)) {
        if (!entry.is_regular_file(error))
            continue;
        const std::string name = entry.path().filename().string();
        if (target.Exists(name))
            continue;
        fs::copy_file(entry.path(), folder / name, fs::copy_options::skip_existing, error);
        if (error)
            return "\"" + name + "\" cannot be copied into \"" + folder.string() +
                   "\": " + error.message() + ".";
        // Installed files may be read-only; the user's copies are the user's to change.
        fs::permissions(folder / name, fs::perms::owner_write, fs::perm_options::add, error);
    }
    if (error)
        return "The installed data in \"" + installed.string() +
               "\" cannot be read: " + error.message() + ".";
    return std::nullopt;
}

std::optional<std::string> LocaleLanguage(const char* lcAll, const char* lcMessages,
                                          const char* lang) {
    static constexpr std::pair<std::string_view, const char*> kLanguages[] = {
        {"de", "GER"}, {"en", "ENG"}, {"fr", "FRA"}, {"es", "ESP"}, {"it", "ITA"}, {"pt", "POR"},
        {"nl", "NDL"}, {"sv", "SWE"}, {"pl", "POL"}, {"hu", "HUN"}, {"ro", "ROM"}, {"tr", "TRK"},
        {"ru", "RUS"}, {"bg", "BUL"}, {"el", "GRE"}, {"ar", "ARA"}};
    for (const char* value : {lcAll, lcMessages, lang}) {
        if (value == nullptr || *value == '\0')
            continue;
        const std::string_view locale(value);
        const std::string_view language = locale.substr(0, locale.find_first_of("_.@"));
        for (const auto& [name, code] : kLanguages) {
            if (language == name)
                return code;
        }
        return std::nullopt;
    }
    return std::nullopt;
}

WorkingFolderChoice ChooseWorkingFolder(const fs::path& startFolder, const fs::path& userFolder,
                                        const std::optional<fs::path>& installed,
                                        const std::optional<std::string>& firstLanguage) {
    if (HoldsSettings(startFolder))
        return {startFolder, std::nullopt};
    if (HoldsSettings(userFolder))
        return {userFolder, std::nullopt};
    if (!installed)
        return {userFolder,
                "The installed data files of Tessaro (\"kparam.dat\" and the files "
                "beside it) cannot be found."};
    if (std::optional<std::string> error = FillDataFolder(userFolder, *installed))
        return {userFolder, error};
    if (firstLanguage) {
        // The first start speaks the user's language; the welcome dialog still offers all.
        const WorkingDir dir(userFolder);
        Settings settings;
        if (!LoadSettingsShort(dir, settings)) {
            LoadSettingsCarried(dir, settings);
            settings.LanguageCode = *firstLanguage;
            SaveSettings(dir, settings);
        }
    }
    return {userFolder, std::nullopt};
}

WorkingFolderChoice ChooseProgramWorkingFolder(const fs::path& programFolder,
                                               const fs::path& buildFolder,
                                               const fs::path& sourceData) {
    const std::optional<fs::path> installed =
        FindInstalledData(programFolder, std::getenv("XDG_DATA_DIRS"),
                          programFolder == buildFolder ? sourceData : "");
    return ChooseWorkingFolder(
        fs::current_path(), UserDataFolder(std::getenv("XDG_DATA_HOME"), std::getenv("HOME")),
        installed,
        LocaleLanguage(std::getenv("LC_ALL"), std::getenv("LC_MESSAGES"), std::getenv("LANG")));
}

}  // namespace tessaro
