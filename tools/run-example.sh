#!/bin/sh
# Runs tessaro-calc on the example project in a scratch working folder, never inside data/.
set -e
top="$(cd "$(dirname "$0")/.." && pwd)"
work="${TMPDIR:-/tmp}/tessaro-example"
rm -rf "$work"
mkdir -p "$work"
cp "$top"/data/* "$work"/
cd "$work"
echo "Working folder: $work"
"$top/build/app/tessaro-calc" "$@"
