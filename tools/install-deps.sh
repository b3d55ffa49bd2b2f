#!/bin/sh
# Installs from Debian's packages everything Tessaro needs to build, run and test.
set -e
export DEBIAN_FRONTEND=noninteractive
apt-get update
apt-get install -y --no-install-recommends \
    g++ cmake make pkg-config \
    clang libclang-rt-14-dev \
    qt6-base-dev qt6-svg-dev libgl-dev qt6-translations-l10n \
    libgtest-dev libgmock-dev googletest \
    nlohmann-json3-dev libbenchmark-dev \
    fonts-dejavu-core fonts-liberation2 clang-format \
    locales poppler-utils xvfb xauth \
    dpkg-dev desktop-file-utils file lintian appstream groff-base

# A German locale (decimal comma), so that the tests run the program as a German user would.
if ! locale -a 2>/dev/null | grep -qi '^de_DE\.utf-\?8$'; then
    sed -i 's/^# *\(de_DE.UTF-8 UTF-8\)/\1/' /etc/locale.gen
    grep -q '^de_DE.UTF-8 UTF-8' /etc/locale.gen || echo 'de_DE.UTF-8 UTF-8' >>/etc/locale.gen
    locale-gen
fi
