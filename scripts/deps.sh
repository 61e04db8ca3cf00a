#!/usr/bin/env bash
# Installs the Debian packages the build needs, only those that are missing.
# Usage: scripts/deps.sh [extra packages...]
set -euo pipefail

# Qt 6 for the desktop program and its tests (the offscreen platform comes with libqt6gui6);
# Liberation Sans is the form's face, whose metrics the label-fit test measures, and with
# Liberation Serif and Mono the printed form's faces; poppler-utils reads the PDFs back in the
# tests of `ferdix --pdf`; qt6-l10n-tools has lrelease, which compiles Qt's texts in Norwegian;
# the screen-reader test reads the real window over AT-SPI on a virtual display of its own
# (xvfb, a desktop bus, the accessibility bus, pyatspi, xdotool to type); dpkg-dev has
# dpkg-shlibdeps, with which CPack finds the libraries the .deb depends on.
packages=(cmake ninja-build g++ libgtest-dev libgmock-dev libbenchmark-dev
  qt6-base-dev qt6-base-dev-tools qt6-l10n-tools libqt6printsupport6 qt6-qpa-plugins libgl-dev
  fonts-liberation2 poppler-utils xvfb xauth dbus at-spi2-core python3-pyatspi xdotool dpkg-dev
  "$@")
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if ((${#missing[@]})); then
  echo "Installing: ${missing[*]}"
  SUDO=""
  [ "$(id -u)" -eq 0 ] || SUDO="sudo"
  export DEBIAN_FRONTEND=noninteractive
  $SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}" ||
    { $SUDO apt-get update -qq && $SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}"; }
fi
