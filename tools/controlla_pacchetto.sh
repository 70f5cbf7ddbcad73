#!/usr/bin/env bash
# Builds the .deb from a build tree, unpacks it into a scratch root and checks
# that every file lies where the desktop looks for it, that the menu entry and
# the AppStream file validate, and that the installed program is linked whole.
set -euo pipefail
build="${1:?usage: controlla_pacchetto.sh <build-dir>}"
root="$(mktemp -d)"
trap 'rm -rf "$root"' EXIT

(cd "$build" && cpack -G DEB >/dev/null)
deb="$(ls -t "$build"/mappix_*.deb | head -n 1)"
dpkg-deb -x "$deb" "$root"

id=it.mappix.Mappix
expected=(
  usr/bin/mappix
  "usr/share/applications/$id.desktop"
  "usr/share/metainfo/$id.metainfo.xml"
  "usr/share/icons/hicolor/scalable/apps/$id.svg"
)
for size in 16 24 32 48 64 128 256; do
  expected+=("usr/share/icons/hicolor/${size}x${size}/apps/$id.png")
done
for f in "${expected[@]}"; do
  [ -s "$root/$f" ] || { echo "package check: missing $f in $deb" >&2; exit 1; }
done
for size in 16 32 256; do
  file "$root/usr/share/icons/hicolor/${size}x${size}/apps/$id.png" | grep -q "${size} x ${size}" \
    || { echo "package check: icon ${size}x${size} has the wrong size" >&2; exit 1; }
done

depends="$(dpkg-deb -f "$deb" Depends)"
for lib in libqt6core6 libqt6gui6 libqt6widgets6 libqt6svg6; do
  grep -q "$lib" <<<"$depends" || { echo "package check: $lib missing from Depends: $depends" >&2; exit 1; }
done
if ldd "$root/usr/bin/mappix" | grep -q "not found"; then
  echo "package check: unresolved libraries" >&2; ldd "$root/usr/bin/mappix" >&2; exit 1
fi

desktop-file-validate "$root/usr/share/applications/$id.desktop"
appstreamcli validate --no-net --pedantic "$root/usr/share/metainfo/$id.metainfo.xml" >/dev/null \
  || appstreamcli validate --no-net "$root/usr/share/metainfo/$id.metainfo.xml"
echo "package check: $(basename "$deb") installs ${#expected[@]} files in place; Depends: $depends"
