#!/bin/sh
# Writes the language files of data/ from the UTF-8 drafts in tools/lang-src/<CODE>/, in the
# language's code page with CR LF line ends:
#   Caption.txt, VerbCapt.txt, TessaroCap.txt, infoTXT.txt  numbered drafts, one "number|text" line
#       per entry; entries not listed become empty lines; "#" starts a comment line
#   Simhelp.txt, Simhelp2.txt  plain text, one line of the help text per line (an empty line is an
#       empty line of the text); written as one field per line with "Z" line breaks between them
#   Language.txt  the fields of the language information file <CODE>.dat, one per line
# A text that holds a comma or begins or ends with a space is written in double quotes. A double
# quote or a tab in a text, a character the code page lacks, or a wrong entry number stops the run.
# Usage: tools/lang-src/build-language-files.sh [CODE ...]   (default: every language folder here)
set -eu

here=$(cd "$(dirname "$0")" && pwd)
data=$(cd "$here/../../data" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

code_page() {
    case "$1" in
        ARA) echo CP1256 ;;
        BUL | RUS) echo CP1251 ;;
        GRE) echo CP1253 ;;
        TRK) echo CP1254 ;;
        POL | HUN | ROM) echo CP1250 ;;
        *) echo CP1252 ;;
    esac
}

# The awk function that turns one text into one field of the data-file syntax.
field_awk='
function fail(message) { printf "%s:%d: %s\n", FILENAME, FNR, message > "/dev/stderr"; failed = 1; exit 1 }
function field(text) {
    if (index(text, "\"")) fail("a text cannot hold a double quote")
    if (index(text, "\t")) fail("a text cannot hold a tab")
    if (text ~ /,/ || text ~ /^ / || text ~ / $/) return "\"" text "\""
    return text
}
'

numbered() {  # draft count discarded... > out
    draft=$1 count=$2 discarded=$3
    awk -v count="$count" -v discarded="$discarded" "$field_awk"'
        BEGIN { ORS = "\r\n"; split(discarded, list, " "); for (i in list) skip[list[i]] = 1 }
        { sub(/\r$/, "") }
        /^#/ || /^ *$/ { next }
        {
            bar = index($0, "|")
            if (bar == 0) fail("expected number|text")
            n = substr($0, 1, bar - 1)
            if (n !~ /^[0-9]+$/ || n + 0 < 1 || n + 0 > count) fail("entry number out of range: " n)
            n += 0
            if (n in entry) fail("entry " n " given twice")
            if (n in skip) fail("entry " n " is discarded by the program")
            entry[n] = substr($0, bar + 1)
        }
        END {
            if (failed) exit 1
            for (n = 1; n <= count; ++n) print field(n in entry ? entry[n] : "")
        }' "$draft"
}

help_text() {  # draft > out
    awk "$field_awk"'
        BEGIN { ORS = "\r\n" }
        { sub(/\r$/, ""); line[NR] = $0 }
        END {
            if (failed) exit 1
            last = NR
            while (last > 0 && line[last] ~ /^ *$/) --last
            for (i = 1; i <= last; ++i) {
                FNR = i
                if (i > 1) print "Z"
                if (line[i] ~ /^ *$/) continue
                plain = line[i]
                gsub(/^ +| +$/, "", plain)
                if (toupper(plain) == "Z") fail("a help line cannot be Z alone")
                print field(line[i])
            }
        }' "$1"
}

plain_fields() {  # draft > out
    awk "$field_awk"'BEGIN { ORS = "\r\n" } { sub(/\r$/, ""); print field($0) }' "$1"
}

# Converts the UTF-8 file $1 to the code page $2 and puts it at $3.
install_file() {
    iconv -f UTF-8 -t "$2" "$1" > "$work/converted"
    mv "$work/converted" "$3"
}

build_language() {
    code=$1
    src="$here/$code"
    page=$(code_page "$code")
    numbered "$src/Caption.txt" 273 "235 264 265" > "$work/out"
    install_file "$work/out" "$page" "$data/Caption.$code"
    numbered "$src/VerbCapt.txt" 24 "" > "$work/out"
    install_file "$work/out" "$page" "$data/VerbCapt.$code"
    numbered "$src/TessaroCap.txt" 120 "" > "$work/out"
    install_file "$work/out" "$page" "$data/TessaroCap.$code"
    numbered "$src/infoTXT.txt" 66 "" > "$work/out"
    install_file "$work/out" "$page" "$data/infoTXT.$code"
    help_text "$src/Simhelp.txt" > "$work/out"
    install_file "$work/out" "$page" "$data/Simhelp.$code"
    help_text "$src/Simhelp2.txt" > "$work/out"
    install_file "$work/out" "$page" "$data/Simhelp2.$code"
    plain_fields "$src/Language.txt" > "$work/out"
    install_file "$work/out" "$page" "$data/$code.dat"
    echo "$code: written in $page"
}

if [ $# -eq 0 ]; then
    for dir in "$here"/*/; do
        set -- "$@" "$(basename "$dir")"
    done
fi
for code in "$@"; do
    build_language "$code"
done
