#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs everything needed to build, run and test the program on Debian 12 (idempotent).
set -euo pipefail
pkgs=(build-essential cmake ninja-build pkg-config
      qt6-base-dev qt6-base-dev-tools qt6-multimedia-dev qt6-svg-dev
      qt6-charts-dev libqt6opengl6-dev qt6-translations-l10n libqt6svg6 libqt6multimedia6 libqt6charts6 qt6-image-formats-plugins
      libjpeg-dev libgtest-dev libbenchmark-dev cmark-gfm
      espeak-ng sox libsox-fmt-all
      xvfb openbox xdotool imagemagick x11-apps desktop-file-utils appstream
      fonts-dejavu-core fonts-comfortaa fonts-liberation2
      pulseaudio pulseaudio-utils gstreamer1.0-plugins-base)
missing=()
for p in "${pkgs[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  sudo=""; [ "$(id -u)" -eq 0 ] || sudo="sudo"
  export DEBIAN_FRONTEND=noninteractive
  $sudo apt-get -o DPkg::Lock::Timeout=300 update -qq
  $sudo apt-get -o DPkg::Lock::Timeout=300 install -y -qq --no-install-recommends "${missing[@]}"
fi
# A Polish locale, for the programs' Polish --help and for the test that reads it.
if ! locale -a 2>/dev/null | grep -qix 'pl_PL.utf8'; then
  sudo=""; [ "$(id -u)" -eq 0 ] || sudo="sudo"
  dpkg-query -W -f='${Status}' locales 2>/dev/null | grep -q 'install ok installed' ||
    { $sudo apt-get -o DPkg::Lock::Timeout=300 update -qq
      $sudo env DEBIAN_FRONTEND=noninteractive apt-get -o DPkg::Lock::Timeout=300 install -y -qq --no-install-recommends locales; }
  $sudo sed -i 's/^# *\(pl_PL.UTF-8 UTF-8\)/\1/' /etc/locale.gen
  grep -q '^pl_PL.UTF-8 UTF-8' /etc/locale.gen || echo 'pl_PL.UTF-8 UTF-8' | $sudo tee -a /etc/locale.gen >/dev/null
  $sudo locale-gen >/dev/null
fi
