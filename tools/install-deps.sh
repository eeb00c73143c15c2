#!/usr/bin/env bash
# Installs the Debian 12 packages trackmill needs to build, test and run. Run as root (or through sudo).
set -euo pipefail
if [ "$(id -u)" -ne 0 ]; then exec sudo "$0" "$@"; fi
export DEBIAN_FRONTEND=noninteractive
apt-get update
# Build: compiler, CMake, pkg-config; git and clang-format for the style check; clang with its libFuzzer runtime for
# the fuzz targets.
# Tests and benchmarks: GoogleTest with its mocks, Google Benchmark (only with -DTRACKMILL_BENCH=ON).
# Libraries: FreeType and fontconfig with the two faces the program asks for, libjpeg (pictures), libpng (screen
# dumps), SDL2 (windows and sound), libcdio and libcddb (CDs and the CD database), libXdamage (the launch probe),
# libsoxr (the rs resampler).
# Xvfb, xdotool and x11-utils (xwininfo): the tests that show real windows on a private X server, type into them
# and look at their stacking.
# desktop-file-utils: the install check validates the desktop entry.
# Programs run by trackmill and its tools: lame (MP3), sox (the demo CD and the fixtures), espeak-ng (the demo CD and
# the speech fixtures).
apt-get install -y --no-install-recommends \
  build-essential cmake pkg-config git clang-format clang libclang-rt-14-dev \
  libgtest-dev libgmock-dev libbenchmark-dev \
  libfreetype-dev libfontconfig-dev fonts-dejavu-core fonts-wqy-zenhei \
  libjpeg-dev libpng-dev libsdl2-dev libxdamage-dev xvfb xdotool x11-utils desktop-file-utils \
  libcdio-dev libcddb2-dev libsoxr-dev \
  lame sox espeak-ng
