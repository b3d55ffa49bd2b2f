#!/bin/sh
# Installs what Tessaro needs, builds it and starts the desktop program. The installation needs
# root: run as root it installs directly, otherwise through sudo (or says what to do without it).
# The build and the program run as the user who typed the command, also when that user went
# through sudo, so that the build folder and the user's data folder belong to that user.
#
#   tools/start.sh
set -e
cd "$(dirname "$0")/.."
if [ "$(id -u)" -eq 0 ]; then
    tools/install-deps.sh
elif command -v sudo >/dev/null 2>&1; then
    sudo tools/install-deps.sh
else
    echo "start.sh: installing the packages needs root and sudo is not installed:" >&2
    echo "  run tools/install-deps.sh as root, then tools/start.sh again." >&2
    exit 1
fi
build_and_start='cmake --preset default && cmake --build --preset default && exec build/app/tessaro'
if [ "$(id -u)" -eq 0 ] && [ -n "${SUDO_USER:-}" ] && [ "$SUDO_USER" != root ]; then
    exec sudo -u "$SUDO_USER" -H sh -c "$build_and_start"
fi
exec sh -c "$build_and_start"
