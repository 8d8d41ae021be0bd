#!/usr/bin/env bash
# Installs every Debian package the build, the program and the tests need, and the
# locales the tests run under. Quiet and quick when everything is already there.
set -euo pipefail

packages=(
  build-essential cmake ninja-build pkg-config clang libclang-rt-14-dev
  qt6-base-dev qt6-base-dev-tools libqt6opengl6-dev qt6-qpa-plugins qt6-l10n-tools qt6-translations-l10n
  libgmp-dev libasound2-dev libpng-dev libfontconfig-dev libfluidsynth-dev timgm6mb-soundfont
  libxcb1-dev libxcb-xtest0-dev libxcb-xkb-dev libxcb-keysyms1-dev libxcb-xfixes0-dev libx11-xcb-dev libxcb-damage0-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  xvfb openbox xdotool x11-utils imagemagick xauth
  fonts-liberation fonts-dejavu-core
  dbus locales
  desktop-file-utils appstream shared-mime-info
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
if [ ${#missing[@]} -gt 0 ]; then
  echo "deps: installing ${missing[*]}"
  export DEBIAN_FRONTEND=noninteractive
  $sudo apt-get update -qq
  $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
fi

# The users' locales. Installing the locales package rebuilds the locale archive, so they
# are generated after it. "locale -a" names them as pt_BR.utf8.
for name in pt_BR en_US es_ES fr_FR; do
  grep -qx "$name.utf8" <<<"$(locale -a)" && continue
  echo "deps: generating the locale $name.UTF-8"
  # localedef's exit status also counts warnings; the list says whether the locale is there.
  $sudo localedef -i "$name" -f UTF-8 "$name.UTF-8" || true
  grep -qx "$name.utf8" <<<"$(locale -a)" || { echo "deps: the locale $name.UTF-8 could not be generated" >&2; exit 1; }
done
