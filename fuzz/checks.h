#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>

#include "fuzz/check_support.h"

namespace tessaro::fuzz {

// The checks of the readers of outside data, one per reader. Each takes any bytes, feeds them to
// the reader (through files of the private scratch folder where the reader reads files) and says
// which property broke, if any. The fuzzing harnesses and the regression test share them.

// Data-file fields: the fields written back with the field writer and read again are the same
// fields (a double quote comes back as two apostrophes); reading by lines gives the same fields;
// a file of the working folder reads as its decoded text does.
Finding CheckFieldReader(std::string_view input);

// Number texts: the readers never fail on any bytes and give finite numbers; a finite double
// (the number at the start of the input, and the first eight bytes taken as a double) written as
// plain number text (point or comma) and as sign-place text reads back within 15 significant
// digits.
Finding CheckNumberText(std::string_view input);

// Code pages: for every code page, decoding gives UTF-8 and decode(encode(decode(b))) ==
// decode(b); encoding any bytes never fails.
Finding CheckCodePage(std::string_view input);

// Settings file "kparam.dat" (the input): loaded as at start-up, saved and loaded again gives the
// same record; the same for the full load with its defaults.
Finding CheckSettings(std::string_view input);

// Hand-over file (the input): the flag read is its second field, the file is reset to two zeros,
// and a second read gives 0.
Finding CheckHandOver(std::string_view input);

// Caption and info files: header line = language code, then the files. The tables loaded, written
// back one entry a line in the language's code page and loaded again are the same.
Finding CheckCaptionTables(std::string_view input);

// Help files: header line = language code, then the files. Both help texts are trimmed UTF-8
// and come back the same when written as one field and loaded again.
Finding CheckHelpText(std::string_view input);

// Saturation tables: header line "NAME COLUMN KEY", then the table file of refrigerant NAME. The
// rows read are finite; the lookup succeeds exactly when the table has a row and the column is
// 0..2, and then brackets the key with finite rows of the table.
Finding CheckSaturationTable(std::string_view input);

// Project and energy files: header line "LANGUAGE SEPARATOR", then the files (the project file,
// the energy file, captions of the language). Loaded as the project form does, saved and loaded
// again gives the same record.
Finding CheckProjectFiles(std::string_view input);

// Report file (the input): its records framed again and split give the same records; the file of
// the working folder reads the same in its language's code page.
Finding CheckReportReader(std::string_view input);

// Catalogue files: header line = refrigerant, then the register "katalg.lst" and the catalogue
// data and index files. Preparing the catalogue list touches nothing outside the working folder,
// keeps a list file with content and writes a new one as 18 lines of three fields.
Finding CheckCatalogueList(std::string_view input);

using Check = Finding (*)(std::string_view input);

// Variants file (the input): what the reader takes stays within its limits, and written back and
// read again it is the same.
Finding CheckVariantsFile(std::string_view input);

struct Harness {
    std::string_view name;  // the harness "fuzz_" + name, its seeds and kept inputs
    Check check;
};

// Every check with the name of its harness.
std::span<const Harness> Harnesses();

// The body of a harness's LLVMFuzzerTestOneInput: runs the check and, on a finding, prints it
// and aborts, so that the fuzzer reports the input as a crash and keeps it.
int RunFuzzInput(Check check, const std::uint8_t* data, std::size_t size);

}  // namespace tessaro::fuzz
