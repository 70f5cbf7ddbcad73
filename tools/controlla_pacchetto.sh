#!/usr/bin/env bash
# Builds the Debian package the way Debian does, twice, and checks it:
#   - dpkg-buildpackage on two copies of the source tree at two paths, one
#     after the other (so every file has other modification times), with
#     another time zone and umask: the .deb files must be byte-identical;
#   - lintian on the whole upload (the .changes: source and binary packages)
#     finds no error, no warning and no informational tag;
#   - every file lies where the desktop looks for it, the menu entry and the
#     AppStream file validate, the program is stripped;
#   - autopkgtest runs debian/tests on the package installed for real.
# The copies are the work tree as git sees it (committed, changed and new
# files, not the ignored ones), built in a scratch directory: dpkg-buildpackage
# writes beside the tree it builds, and the work tree stays clean.
# Usage: tools/controlla_pacchetto.sh [scratch-dir]   (default: a temporary one,
# removed unless a check fails)
set -euo pipefail
cd "$(dirname "$0")/.."
radice="$(pwd)"

if [ -n "${1:-}" ]; then
  lavoro="$1"
  mkdir -p "$lavoro"
else
  lavoro="$(mktemp -d /tmp/mappix-pacchetto.XXXXXX)"
  # kept when a check fails, for its logs and packages
  trap '[ $? -ne 0 ] || rm -rf "$lavoro"' EXIT
fi
lavoro="$(realpath "$lavoro")"

fallito() { echo "package check: $* (files in $lavoro)" >&2; exit 1; }
inizio=$SECONDS
tempo() { echo "package check: $1 in $((SECONDS - inizio)) s"; inizio=$SECONDS; }

# copia_sorgenti DIR: the work tree into DIR, every file with the time of the copy.
copia_sorgenti() {
  mkdir -p "$1"
  git -C "$radice" ls-files -z --cached --others --exclude-standard |
    while IFS= read -r -d '' f; do [ -e "$radice/$f" ] && printf '%s\0' "$f"; done |
    tar -C "$radice" --null -T - -cf - | tar -C "$1" -xmf -
}

# costruisci DIR ENV...: dpkg-buildpackage in DIR with that environment.
costruisci() {
  local albero="$1"
  shift
  (cd "$albero" && env "$@" nice dpkg-buildpackage -us -uc >../build.log 2>&1) || {
    tail -n 40 "$albero/../build.log" >&2
    fallito "dpkg-buildpackage failed in $albero (whole output in $albero/../build.log)"
  }
}

rm -rf "$lavoro/a" "$lavoro/b"
copia_sorgenti "$lavoro/a/mappix"
costruisci "$lavoro/a/mappix" TZ=UTC
tempo "first build (dpkg-buildpackage -us -uc in $lavoro/a/mappix)"
copia_sorgenti "$lavoro/b/altra/strada/mappix"
(umask 0002 && costruisci "$lavoro/b/altra/strada/mappix" TZ=XYZ-14)
tempo "second build (in $lavoro/b/altra/strada/mappix, TZ=XYZ-14, umask 0002)"

# --- reproducible -------------------------------------------------------------
mapfile -t debs < <(cd "$lavoro/a" && ls ./*.deb)
[ ${#debs[@]} -gt 0 ] || fallito "the first build made no .deb"
(cd "$lavoro/a" && sha256sum "${debs[@]}") >"$lavoro/a.sha256"
(cd "$lavoro/b/altra/strada" && sha256sum "${debs[@]}") >"$lavoro/b.sha256" ||
  fallito "the second build did not make the same .deb files"
echo "package check: first build:  $(tr '\n' ' ' <"$lavoro/a.sha256")"
echo "package check: second build: $(tr '\n' ' ' <"$lavoro/b.sha256")"
if ! cmp -s "$lavoro/a.sha256" "$lavoro/b.sha256"; then
  for d in "${debs[@]}"; do
    mkdir -p "$lavoro/x/a/$d" "$lavoro/x/b/$d"
    dpkg-deb -R "$lavoro/a/$d" "$lavoro/x/a/$d"
    dpkg-deb -R "$lavoro/b/altra/strada/$d" "$lavoro/x/b/$d"
  done
  diff -r --no-dereference "$lavoro/x/a" "$lavoro/x/b" >&2 || true
  fallito "two builds of one source differ; diffoscope (Debian package) tells where:" \
    "diffoscope $lavoro/a/mappix_*.deb $lavoro/b/altra/strada/mappix_*.deb"
fi
tempo "reproducibility: the .deb files of the two builds are identical"

# --- lintian --------------------------------------------------------------------
changes="$(ls "$lavoro"/a/mappix_*.changes)"
lintian --display-info --fail-on error,warning,info --tag-display-limit 0 "$changes" ||
  fallito "lintian found errors, warnings or informational tags in $(basename "$changes")"
tempo "lintian on $(basename "$changes")"

# --- the files of the package ---------------------------------------------------
deb="$(ls "$lavoro"/a/mappix_*_*.deb)"
contenuto="$lavoro/contenuto"
rm -rf "$contenuto"
dpkg-deb -x "$deb" "$contenuto"
id=it.mappix.Mappix
attesi=(
  usr/bin/mappix
  "usr/share/applications/$id.desktop"
  "usr/share/metainfo/$id.metainfo.xml"
  "usr/share/icons/hicolor/scalable/apps/$id.svg"
  usr/share/man/man1/mappix.1.gz
  usr/share/doc/mappix/copyright
  usr/share/doc/mappix/changelog.gz
)
for lato in 16 24 32 48 64 128 256; do
  attesi+=("usr/share/icons/hicolor/${lato}x${lato}/apps/$id.png")
done
for f in "${attesi[@]}"; do
  [ -s "$contenuto/$f" ] || fallito "missing $f in $(basename "$deb")"
done
for lato in 16 32 256; do
  file "$contenuto/usr/share/icons/hicolor/${lato}x${lato}/apps/$id.png" | grep -q "${lato} x ${lato}" ||
    fallito "icon ${lato}x${lato} has the wrong size"
done
file "$contenuto/usr/bin/mappix" | grep -q ', stripped' || fallito "/usr/bin/mappix is not stripped"
desktop-file-validate "$contenuto/usr/share/applications/$id.desktop"
appstreamcli validate --no-net --pedantic "$contenuto/usr/share/metainfo/$id.metainfo.xml" >/dev/null ||
  appstreamcli validate --no-net "$contenuto/usr/share/metainfo/$id.metainfo.xml"
tempo "$(basename "$deb"): ${#attesi[@]} files in place, menu entry and AppStream valid"

# --- autopkgtest ---------------------------------------------------------------
# It installs the package and the tests' dependencies on this machine; a
# package that was not installed before is removed again.
sudo_cmd=()
[ "$(id -u)" -eq 0 ] || sudo_cmd=(sudo)
gia_installato=0
dpkg-query -W -f='${db:Status-Status}' mappix 2>/dev/null | grep -qx installed && gia_installato=1
esito=0
"${sudo_cmd[@]}" autopkgtest "$deb" "$lavoro/a/mappix" -- null >"$lavoro/autopkgtest.log" 2>&1 || esito=$?
if [ "$gia_installato" = 0 ]; then
  DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get remove -y -qq mappix >/dev/null
fi
[ "$esito" -eq 0 ] || {
  grep -v -E '^(Get|Ign|Hit):|^\(Reading database' "$lavoro/autopkgtest.log" | tail -n 60 >&2
  fallito "autopkgtest failed (exit status $esito)"
}
# autopkgtest's own summary: one line per test
sed -n '/@@@@ summary/,/^autopkgtest \[/{/^autopkgtest \[/!p}' "$lavoro/autopkgtest.log"
tempo "autopkgtest"
