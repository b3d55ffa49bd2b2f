#pragma once

#include <string>
#include <string_view>

namespace tessaro {

class WorkingDir;
struct AppState;

// The catalogue files shared with the sibling programs of the suite, and the catalogue list file
// this program prepares for them.
//
// - register "katalg.lst": one entry per line, the catalogue name and a description, in the
//   data-file field syntax (Windows-1252); the first 7 characters of a name identify the catalogue;
// - data file, name + "N.rdm": records of 570 bytes; record 51 begins with a 40-byte text field
//   whose first character is the catalogue's type digit;
// - index file, name + "I.rdm": records of 128 bytes, each one section title in the DOS code page;
// - list file, CurrentRefrigerant + ".LST": 18 lines of data file name, section title and
//   (k - 1) * 66 + 2 for list position k (Windows-1252).

inline constexpr const char* kCatalogueRegisterFile = "katalg.lst";
inline constexpr size_t kCatalogueRecordLength = 570;
inline constexpr int kCatalogueTypeRecord = 51;
inline constexpr size_t kCatalogueTypeFieldLength = 40;
inline constexpr size_t kCatalogueTitleLength = 128;
inline constexpr int kCatalogueSections = 18;

// The catalogue type by the name's letters (compared in upper case): ending "EX" 1, "KP" 2, "VD" 3,
// "KD" 4, "MV" 7; else beginning "KA" 5; anything else 0.
int CatalogueTypeOfName(std::string_view name);

// The catalogue type of a catalogue (its 7-character name): the digit at the start of record 51 of
// its data file (anything but a digit, and a record beyond the end of the file, read as 0). A
// type 0 is replaced by the type of the name, which is stamped into the field (its digits, then
// blanks to 40 characters; the rest of the record and of the file kept, the file grown with zero
// bytes to the end of record 51 where it was shorter). A missing data file is not created: its
// type is the type of the name.
int CatalogueType(const WorkingDir& dir, std::string_view name);

// Title conversion: one title record of an index file (DOS code page) to the program's text
// (UTF-8): a double quote becomes two apostrophes, the DOS umlauts, sharp s and degree sign become
// their Windows-1252 characters, NUL bytes are dropped, every other byte stays as its
// Windows-1252 character. Nothing is trimmed.
std::string ConvertCatalogueTitle(std::string_view dosBytes);

// The list position (1..18) of index record k (1..18); 0 outside.
int ListPositionOfIndexRecord(int k);

// The list file of a refrigerant: its name + ".LST".
std::string CatalogueListFileName(std::string_view refrigerant);

// Build catalogue list: leaves an existing, non-empty list file of the refrigerant alone.
// Otherwise reads the register entry by entry (its first 256 entries at most), typing (and
// stamping) each catalogue until the first of type 0, and writes the list of that catalogue's
// section titles (empty titles when its index file is missing). A missing register, or one without
// an entry of type 0, gives no list file. A catalogue name that is no plain file name (a path
// separator, "..", a control character) names no files: its catalogue counts as one whose files
// are missing. Returns whether a list file was written.
bool BuildCatalogueList(const WorkingDir& dir, std::string_view refrigerant);

// The entry point of the project form on its first opening in a run: builds the list file of
// CurrentRefrigerant in the working folder.
void PrepareCatalogueList(const AppState& state);

}  // namespace tessaro
