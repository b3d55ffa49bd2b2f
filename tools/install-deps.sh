#!/bin/sh
# Installs from Debian's packages everything Tessaro needs to build, run and test.
set -e
export DEBIAN_FRONTEND=noninteractive
apt-get update
apt-get install -y --no-install-recommends \
    g++ cmake make pkg-config \
    qt6-base-dev libgl-dev \
    libgtest-dev libgmock-dev googletest \
    nlohmann-json3-dev libbenchmark-dev \
    fonts-dejavu-core
