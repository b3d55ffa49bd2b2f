#!/bin/sh
# Installs the build into a fresh prefix and runs the installed programs from outside the source
# tree: tessaro-calc on a copy of the installed data, and tessaro, which must find its installed
# data beside its bin folder and fill a new user data folder from it.
set -eu
build="$1"
scratch="$(mktemp -d)"
trap 'rm -rf "$scratch"' EXIT
prefix="$scratch/prefix"
cmake --install "$build" --prefix "$prefix" >/dev/null

test -x "$prefix/bin/tessaro" && test -x "$prefix/bin/tessaro-calc"
test -f "$prefix/share/applications/tessaro.desktop"
test -f "$prefix/share/icons/hicolor/scalable/apps/tessaro.svg"

mkdir "$scratch/work"
cp "$prefix/share/tessaro/"* "$scratch/work/"
cd "$scratch/work"
"$prefix/bin/tessaro-calc" >"$scratch/calc.txt"
grep -q '^LeistZ=3.31$' "$scratch/calc.txt" || { echo "tessaro-calc: unexpected result"; cat "$scratch/calc.txt"; exit 1; }

# The desktop program started in an empty folder: it works in the user data folder.
mkdir "$scratch/empty"
cd "$scratch/empty"
status=0
QT_QPA_PLATFORM=offscreen HOME="$scratch/home" XDG_DATA_HOME= XDG_DATA_DIRS=/nonexistent \
    timeout 5 "$prefix/bin/tessaro" >/dev/null 2>&1 || status=$?
# It waits for the user until the time-out ends it.
[ "$status" -eq 124 ] || { echo "tessaro ended early with status $status"; exit 1; }
test -f "$scratch/home/.local/share/tessaro/kparam.dat" || { echo "no user data folder"; exit 1; }
test -f "$scratch/home/.local/share/tessaro/R22.DAT"

# What a Linux user reaches the programs by: manual pages, the metainfo, the package's documents.
for file in share/man/man1/tessaro.1.gz share/man/man1/tessaro-calc.1.gz \
    share/metainfo/com.tessaro_software.Tessaro.metainfo.xml share/doc/tessaro/copyright \
    share/doc/tessaro/changelog.gz; do
    test -f "$prefix/$file" || { echo "not installed: $file"; exit 1; }
done
"$prefix/bin/tessaro" --version | grep -qx 'tessaro [0-9.]*'
"$prefix/bin/tessaro-calc" --version | grep -qx 'tessaro-calc [0-9.]*'

# tessaro-calc from an empty folder works in the user data folder as tessaro does, filling it on
# first use in the language of the user's locale; --help lists the fields with their items there.
cd "$scratch/empty"
HOME="$scratch/home2" XDG_DATA_HOME= XDG_DATA_DIRS=/nonexistent LC_ALL= LC_MESSAGES= \
    LANG=ru_RU.UTF-8 "$prefix/bin/tessaro-calc" >"$scratch/calc2.txt"
grep -q '^LeistZ=3.31$' "$scratch/calc2.txt" || { echo "tessaro-calc: no user folder"; exit 1; }
grep -q 'RUS' "$scratch/home2/.local/share/tessaro/kparam.dat" || { echo "first start not in Russian"; exit 1; }
HOME="$scratch/home2" XDG_DATA_HOME= "$prefix/bin/tessaro-calc" --help --lang ENG >"$scratch/help.txt"
grep -q '^  AnwendBereich *Application' "$scratch/help.txt" || { echo "--help lacks the fields"; exit 1; }
grep -q '^      5  Floating condensing$' "$scratch/help.txt" || { echo "--help lacks the items"; exit 1; }
