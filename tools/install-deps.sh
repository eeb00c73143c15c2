#!/usr/bin/env bash
# Installs the Debian 12 packages trackmill needs to build, test and run. Run as root (or through sudo).
set -euo pipefail
if [ "$(id -u)" -ne 0 ]; then exec sudo "$0" "$@"; fi
export DEBIAN_FRONTEND=noninteractive
apt-get update
apt-get install -y --no-install-recommends \
  build-essential cmake pkg-config git clang-format \
  libgtest-dev libgmock-dev googletest libbenchmark-dev \
  libfreetype-dev libfontconfig-dev fonts-dejavu-core fonts-wqy-zenhei \
  libjpeg-dev libpng-dev zlib1g-dev libsdl2-dev \
  libcdio-dev libcddb2-dev \
  lame sox espeak-ng \
  xvfb xauth
