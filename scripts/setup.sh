#!/bin/sh
# Installs what building, running and testing need on a Debian 12 machine,
# skipping the packages that are already there.
set -e
PACKAGES="cmake g++ make qt6-base-dev libgl-dev libgtest-dev libgmock-dev libbenchmark-dev \
fonts-liberation xvfb xauth imagemagick xdotool clang libclang-rt-14-dev python3 \
help2man desktop-file-utils dpkg-dev"
missing=""
for p in $PACKAGES; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing="$missing $p"
done
if [ -n "$missing" ]; then
  echo "Installing:$missing"
  SUDO=""
  [ "$(id -u)" -eq 0 ] || SUDO=sudo
  $SUDO apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq --no-install-recommends $missing
fi
