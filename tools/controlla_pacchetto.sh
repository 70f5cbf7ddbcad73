#!/usr/bin/env bash
# Builds the .deb from a build tree, unpacks it into a scratch root and checks
# that every file lies where the desktop looks for it, that the menu entry and
# the AppStream file validate, that the installed program is linked whole and
# stripped, and that lintian finds no error and no warning.
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

for f in usr/share/doc/mappix/copyright usr/share/doc/mappix/changelog.Debian.gz \
         usr/share/man/man1/mappix.1.gz; do
  [ -s "$root/$f" ] || { echo "package check: missing $f in $deb" >&2; exit 1; }
done
file "$root/usr/bin/mappix" | grep -q ', stripped' \
  || { echo "package check: /usr/bin/mappix is not stripped" >&2; exit 1; }
for campo in "Section education" "Priority optional"; do
  [ "$(dpkg-deb -f "$deb" "${campo% *}")" = "${campo#* }" ] \
    || { echo "package check: ${campo% *} is not ${campo#* }" >&2; exit 1; }
done
lintian --fail-on error,warning --tag-display-limit 0 "$deb"

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
# With MAPPIX_INSTALLA=1 (as root) the package is installed for real with apt,
# the installed program is started under Xvfb until its window maps, and the
# package is removed again.
if [ "${MAPPIX_INSTALLA:-0}" = 1 ] && [ "$(id -u)" -eq 0 ]; then
  DEBIAN_FRONTEND=noninteractive apt-get install -y -qq "$(realpath "$deb")" >/dev/null
  fifo="$(mktemp -u)"; mkfifo "$fifo"
  Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$fifo" >/dev/null 2>&1 &
  xvfb=$!
  read -r display <"$fifo"; rm -f "$fifo"
  DISPLAY=":$display" /usr/bin/mappix >/dev/null 2>&1 &
  app=$!
  mapped=0
  for _ in $(seq 200); do
    if DISPLAY=":$display" xdotool search --onlyvisible --name '^Mappix$' >/dev/null 2>&1; then
      mapped=1; break
    fi
    sleep 0.05
  done
  kill "$app" "$xvfb" 2>/dev/null || true
  DEBIAN_FRONTEND=noninteractive apt-get remove -y -qq mappix >/dev/null
  [ "$mapped" = 1 ] || { echo "package check: the installed /usr/bin/mappix showed no window" >&2; exit 1; }
  echo "package check: installed with apt, /usr/bin/mappix opened its window, removed again"
fi
echo "package check: $(basename "$deb") installs ${#expected[@]} files in place; Depends: $depends"
