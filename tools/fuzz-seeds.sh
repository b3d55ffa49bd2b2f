#!/bin/sh
# Collects the seed inputs of the fuzzing harnesses into OUT/HARNESS/: the shipped data files each
# reader takes (put into the harness's input form where it takes several files), the hand-made
# seeds of fuzz/seeds/HARNESS/ and the inputs kept as regressions in tests/regressions/inputs/.
#
#   tools/fuzz-seeds.sh OUT
set -e
out=${1:?usage: tools/fuzz-seeds.sh OUT}
mkdir -p "$out"
out=$(cd "$out" && pwd)
cd "$(dirname "$0")/.."
data=data

languages="GER ENG FRA ITA ESP POR NDL SWE POL HUN ROM TRK RUS BUL GRE ARA"

# seed HARNESS NAME FILE: one file as it stands.
seed() {
    mkdir -p "$out/$1"
    cp "$3" "$out/$1/$2"
}

# bundle HEADER FILE...: the header line, then each file after its marker line "==> NAME <==".
bundle() {
    printf '%s\n' "$1"
    shift
    first=1
    for file in "$@"; do
        [ -f "$file" ] || continue
        [ "$first" = 1 ] || printf '\n'
        first=0
        printf '==> %s <==\n' "$(basename "$file")"
        cat "$file"
    done
}

for file in kparam.dat TempPart.dat energk.dat Caption.ENG VerbCapt.GER TessaroCap.RUS \
    infoTXT.GRE ENG.dat; do
    seed field_reader "$file" "$data/$file"
done
for lang in ARA BUL GRE TRK POL GER; do
    seed code_page "Caption.$lang" "$data/Caption.$lang"
done
seed code_page Simhelp.HUN "$data/Simhelp.HUN"
seed settings kparam.dat "$data/kparam.dat"

mkdir -p "$out/caption_tables" "$out/help_text" "$out/project_files"
for lang in $languages; do
    bundle "$lang" "$data/Caption.$lang" "$data/VerbCapt.$lang" "$data/TessaroCap.$lang" \
        "$data/infoTXT.$lang" >"$out/caption_tables/$lang"
    bundle "$lang" "$data/Simhelp.$lang" "$data/Simhelp2.$lang" >"$out/help_text/$lang"
done
for lang in ENG GER FRA RUS GRE ARA; do
    separator=.
    [ "$lang" = GER ] || [ "$lang" = FRA ] && separator=,
    bundle "$lang $separator" "$data/TempPart.dat" "$data/energk.dat" "$data/Caption.$lang" \
        "$data/TessaroCap.$lang" >"$out/project_files/$lang"
done

# Every saturation table under its refrigerant's name, looked up by temperature, bubble or dew
# pressure in turn.
mkdir -p "$out/saturation_table"
column=0
for file in "$data"/*.DAT; do
    name=$(basename "$file" .DAT)
    case $column in
    0) key=263.15 ;;
    *) key=4.5 ;;
    esac
    { printf '%s %s %s\n' "$name" "$column" "$key"; cat "$file"; } \
        >"$out/saturation_table/$name"
    column=$(((column + 1) % 3))
done

for dir in fuzz/seeds/* tests/regressions/inputs/*; do
    [ -d "$dir" ] || continue
    harness=$(basename "$dir")
    case $dir in
    fuzz/*) prefix=hand ;;
    *) prefix=kept ;;
    esac
    mkdir -p "$out/$harness"
    for file in "$dir"/*; do
        [ -f "$file" ] && cp "$file" "$out/$harness/$prefix-$(basename "$file")"
    done
done
exit 0
