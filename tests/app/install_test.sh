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
