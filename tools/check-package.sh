#!/bin/sh
# Checks the program as a Debian package, with Debian's own tools: the desktop entry
# (desktop-file-validate), the AppStream metainfo (appstreamcli), the manual pages (groff's
# warnings), then the package that cpack builds from the release build (lintian: no errors; the
# warnings are printed). Run after the release build.
#
#   tools/check-package.sh [BUILD]      (default: build)
set -eu
cd "$(dirname "$0")/.."
build=${1:-build}

desktop-file-validate packaging/tessaro.desktop
appstreamcli validate --no-net packaging/com.tessaro_software.Tessaro.metainfo.xml
for page in packaging/man/*.1; do
    warnings=$(groff -man -ww -z "$page" 2>&1)
    if [ -n "$warnings" ]; then
        echo "$page: $warnings"
        exit 1
    fi
done

rm -f "$build"/tessaro_*.deb
(cd "$build" && cpack -G DEB >/dev/null)
deb=$(ls "$build"/tessaro_*.deb)
echo "lintian $deb"
lintian --fail-on error --tag-display-limit 0 "$deb"
echo "check-package.sh: the package passes"
