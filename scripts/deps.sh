#!/bin/sh
# Installs the Debian packages that building, running and testing need, when they are missing.
set -e
packages="cmake ninja-build g++ pkg-config qt6-base-dev libgl-dev libgtest-dev
  qt6-base-private-dev libopenal-dev libopenal1 libespeak-ng-dev espeak-ng-data libspeechd-dev
  speech-dispatcher speech-dispatcher-espeak-ng pulseaudio clang libclang-rt-14-dev zlib1g-dev"
missing=""
for p in $packages; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing="$missing $p"
done
[ -z "$missing" ] && exit 0
echo "installing:$missing"
sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"
$sudo apt-get update -q
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -q $missing
