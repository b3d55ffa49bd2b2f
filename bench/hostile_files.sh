#!/bin/sh
# What oversized and odd data files cost the program: for each kind of file the program reads, a
# fresh working folder with the shipped data files in which that one file is its real content
# followed by filler up to 50 MB (a catalogue register of 50 MB of entries, a catalogue data file
# of 50 MB to be stamped), or a named pipe, or a link to /dev/zero, read through the real
# entry points: tessaro-calc (start, form load with project, energy and catalogue files, the first
# calculation run over the saturation table) or bench/hostile_read (desktop start with the
# hand-over file, welcome probe, help, about message, report viewer). Prints the wall time and the
# maximum resident size of each run, measured with /usr/bin/time -v.
#
#   bench/hostile_files.sh BUILD_FOLDER [SIZE_IN_MB]
#
# A run is stopped after LIMIT seconds (environment, default 60) and then shown as "stopped".
set -eu

build=$(cd "${1:?usage: hostile_files.sh BUILD_FOLDER [SIZE_IN_MB]}" && pwd)
megabytes=${2:-50}
limit=${LIMIT:-60}
source_dir=$(cd "$(dirname "$0")/.." && pwd)
calc="$build/app/tessaro-calc"
reader="$build/bench/hostile_read"
for program in "$calc" "$reader" /usr/bin/time; do
    [ -x "$program" ] || { echo "hostile_files.sh: $program is missing" >&2; exit 2; }
done

root=$(mktemp -d "${TMPDIR:-/tmp}/tessaro-hostile-XXXXXX")
trap 'chmod -R u+w "$root" 2>/dev/null; rm -rf "$root"' EXIT INT TERM
size=$((megabytes * 1024 * 1024))

# A fresh working folder with the shipped data files.
fresh() {
    rm -rf "$root/work"
    mkdir "$root/work"
    cp "$source_dir"/data/* "$root/work/"
}

# Appends whole copies of a line (ended by CR LF) to a file until it holds about $size bytes.
pad() {
    have=$(wc -c <"$1")
    yes "$(printf '%s\r' "$2")" | head -n $(((size - have) / (${#2} + 2))) >>"$1"
}

# Runs a program in the working folder and prints one row: what, wall time, maximum resident size.
measure() {
    what=$1
    shift
    status=0
    (cd "$root/work" && /usr/bin/time -v -o "$root/time.txt" timeout "$limit" "$@" \
        >"$root/out.txt" 2>"$root/err.txt") || status=$?
    wall=$(sed -n 's/.*Elapsed (wall clock) time.*: //p' "$root/time.txt")
    rss=$(sed -n 's/.*Maximum resident set size (kbytes): //p' "$root/time.txt")
    note=""
    case $status in
        0) ;;
        124) note="stopped after ${limit} s" ;;
        *) note="exit status $status: $(head -c 120 "$root/err.txt" | tr '\n' ' ')" ;;
    esac
    printf '%-44s %10s %10s MB  %s\n' "$what" "$wall" "$((${rss:-0} / 1024))" "$note"
}

printf '%-44s %10s %13s\n' "file (run)" "wall" "max resident"

fresh
measure "shipped files (tessaro-calc)" "$calc"
measure "shipped files (hostile_read start)" "$reader" start

fresh
pad "$root/work/energk.dat" "18,0.75,0.28,365,0.38"
measure "energk.dat ${megabytes} MB (tessaro-calc)" "$calc"

fresh
pad "$root/work/TempPart.dat" '"Normal"'
measure "TempPart.dat ${megabytes} MB (tessaro-calc)" "$calc"

fresh
pad "$root/work/kparam.dat" '"","","","GER","EUR","Arial","",0,"","","",0,"C:\",0'
measure "kparam.dat ${megabytes} MB (tessaro-calc)" "$calc"

fresh
pad "$root/work/Caption.GER" '"Beschriftung"'
measure "Caption.GER ${megabytes} MB (tessaro-calc)" "$calc"

fresh
pad "$root/work/R22.DAT" "$(tail -n 1 "$source_dir/data/R22.DAT" | tr -d '\r')"
measure "R22.DAT ${megabytes} MB (tessaro-calc)" "$calc"

fresh
: >"$root/work/katalg.lst"
pad "$root/work/katalg.lst" '"VALVEEX","Expansion valves"'
measure "katalg.lst ${megabytes} MB (tessaro-calc)" "$calc"

fresh
printf '"BIGCATA","one large catalogue"\r\n' >"$root/work/katalg.lst"
head -c "$size" /dev/zero >"$root/work/BIGCATAN.rdm"
measure "BIGCATAN.rdm ${megabytes} MB, stamped (tessaro-calc)" "$calc"

fresh
(cd "$root/work" && "$calc" print >/dev/null)
pad "$root/work/ergEN1.DAT" '"        Bemerkung"'
measure "ergEN1.DAT ${megabytes} MB (hostile_read report)" "$reader" report

fresh
pad "$root/work/Simhelp.GER" 'Hilfetext'
measure "Simhelp.GER ${megabytes} MB (hostile_read help)" "$reader" help

fresh
pad "$root/work/GER.dat" 'Sprachinformation'
measure "GER.dat ${megabytes} MB (hostile_read about)" "$reader" about

fresh
printf '1\r\n1\r\n' >"$root/work/VARNHOLTData.dat"
pad "$root/work/VARNHOLTData.dat" '"Aufruf"'
measure "VARNHOLTData.dat ${megabytes} MB (hostile_read start)" "$reader" start

fresh
pad "$root/work/Caption.FRA" '"Texte"'
measure "Caption.FRA ${megabytes} MB (hostile_read welcome)" "$reader" welcome

for name in TempPart.dat energk.dat R22.DAT; do
    fresh
    rm "$root/work/$name"
    mkfifo "$root/work/$name"
    measure "$name a named pipe (tessaro-calc)" "$calc"
done

fresh
rm "$root/work/TempPart.dat"
ln -s /dev/zero "$root/work/TempPart.dat"
# The address space is bounded so that a reader that never stops ends early.
measure "TempPart.dat a link to /dev/zero (tessaro-calc)" sh -c "ulimit -v 2097152; exec '$calc'"
