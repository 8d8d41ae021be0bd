#!/usr/bin/env bash
# `cmake --install` into a scratch prefix lays out the program, its image-list editor, its
# desktop entry, its AppStream metainfo and its icons, and the desktop's validators accept
# them. Files named *.reg open with the program: the entry takes them, and the
# registry-script MIME type is defined by the program only where the system's data folders
# do not define it.
set -euo pipefail
build=$1
prefix=$(mktemp -d)
bare=$(mktemp -d)
trap 'rm -rf "$prefix" "$bare"' EXIT
env -u XDG_DATA_DIRS cmake --install "$build" --prefix "$prefix" >/dev/null
id=br.com.tarvelo.Tarvelo
expected=(
  bin/tarvelo
  bin/tarvelo-imagelist
  share/applications/$id.desktop
  share/metainfo/$id.metainfo.xml
  share/icons/hicolor/scalable/apps/$id.svg
)
for size in 16 22 24 32 48 64 96 128 256; do
  expected+=("share/icons/hicolor/${size}x${size}/apps/$id.png")
done
for f in "${expected[@]}"; do
  [ -s "$prefix/$f" ] || { echo "missing after install: $f"; exit 1; }
done
for program in tarvelo tarvelo-imagelist; do
  [ -x "$prefix/bin/$program" ] || { echo "bin/$program is not executable"; exit 1; }
done
desktop=$prefix/share/applications/$id.desktop
desktop-file-validate "$desktop"
grep -qx 'Exec=tarvelo %f' "$desktop" || { echo "the desktop entry does not take a file"; exit 1; }
grep -qx 'MimeType=text/x-ms-regedit;' "$desktop" || { echo "the desktop entry does not take *.reg files"; exit 1; }
appstreamcli validate --no-net "$prefix/share/metainfo/$id.metainfo.xml" >/dev/null

# The MIME type: left to the system where it defines it, brought by the program elsewhere.
package=share/mime/packages/$id.xml
if grep -qs '<mime-type type="text/x-ms-regedit"' /usr/local/share/mime/packages/*.xml /usr/share/mime/packages/*.xml; then
  [ ! -e "$prefix/$package" ] || { echo "$package installed although the system defines the type"; exit 1; }
else
  [ -s "$prefix/$package" ] || { echo "missing after install: $package"; exit 1; }
fi
XDG_DATA_DIRS=$bare/none cmake --install "$build" --prefix "$bare" >/dev/null 2>&1
[ -s "$bare/$package" ] || { echo "no $package on a system without the type"; exit 1; }
if command -v update-mime-database >/dev/null; then
  grep -qx 'text/x-ms-regedit:\*\.reg' "$bare/share/mime/globs" \
    || { echo "the installed MIME database does not map *.reg to text/x-ms-regedit"; exit 1; }
fi
echo "installed and valid"
