#!/usr/bin/env bash
# The Debian package as a learner gets it: made by CPack from this build, unpacked into a
# scratch root with dpkg -x, its desktop entry and AppStream data checked, and the
# program started from there on the offscreen platform with a fresh data folder. It must
# find its installation data beside itself (the build tree's is not reachable from there),
# run, and end cleanly when asked to.
#   install_package.sh BUILD_DIR SOURCE_DIR
# Exits 77 (skipped) when the Debian tools are missing.
set -euo pipefail
build="$1"
source_dir="$2"
id=io.github.qorhelper.QorHelper

for tool in cpack dpkg-deb dpkg-shlibdeps; do
  if ! command -v "$tool" >/dev/null; then
    echo "SKIPPED: $tool is missing (scripts/setup installs dpkg-dev); the package cannot be made here"
    exit 77
  fi
done

scratch="$(mktemp -d "${TMPDIR:-/tmp}/qor-package-XXXXXX")"
pid=""
cleanup() {
  if [ -n "$pid" ] && kill -0 "$pid" 2>/dev/null; then kill -KILL "$pid" 2>/dev/null || true; fi
  rm -rf "$scratch"
}
trap cleanup EXIT
fail() { echo "FAILED: $*"; exit 1; }

echo "== cpack"
cpack --config "$build/CPackConfig.cmake" -G DEB -B "$scratch/pkg" >"$scratch/cpack.log" 2>&1 ||
  { cat "$scratch/cpack.log"; fail "cpack could not make the package"; }
deb="$(ls "$scratch"/pkg/*.deb 2>/dev/null | head -n 1)"
[ -n "$deb" ] || fail "no .deb was made"
echo "made $(basename "$deb")"

# Dependencies come from the shared libraries it links.
depends="$(dpkg-deb -f "$deb" Depends)"
echo "Depends: $depends"
for lib in libqt6widgets6 libqt6gui6 libqt6core6 libc6; do
  [[ "$depends" == *"$lib"* ]] || fail "Depends lacks $lib"
done
# MIDI music plays only with a General MIDI sound font: a dependency, not a recommendation.
[[ "$depends" == *"timgm6mb-soundfont | fluid-soundfont-gm"* ]] ||
  fail "Depends lacks the General MIDI sound font (timgm6mb-soundfont | fluid-soundfont-gm)"
recommends="$(dpkg-deb -f "$deb" Recommends)"
[[ "$recommends" != *soundfont* ]] || fail "the sound font is only recommended: $recommends"

description="$(dpkg-deb -f "$deb" Description)"
if grep -q '^ ;' <<<"$description"; then fail "the description's lines are run together: $description"; fi
# Package managers show the description as it stands: no line over 80 characters.
long="$(dpkg-deb -f "$deb" Description | awk 'length($0) > 80')"
[ -z "$long" ] || fail "description lines over 80 characters: $long"

echo "== dpkg -x"
root="$scratch/root"
dpkg-deb -x "$deb" "$root"
for f in usr/bin/qor-helper \
         usr/share/qor-helper/dictionary/noun.txt usr/share/qor-helper/help/index.html \
         usr/share/qor-helper/hit.wav \
         "usr/share/applications/$id.desktop" \
         "usr/share/icons/hicolor/scalable/apps/$id.svg" \
         "usr/share/icons/hicolor/48x48/apps/$id.png" \
         "usr/share/icons/hicolor/256x256/apps/$id.png" \
         "usr/share/metainfo/$id.metainfo.xml" \
         usr/share/man/man1/qor-helper.1.gz usr/share/man/man1/vexa.1.gz \
         usr/share/doc/qor-helper/copyright usr/share/doc/qor-helper/changelog.gz; do
  [ -e "$root/$f" ] || fail "the package lacks $f"
done
# The manual pages are read as man reads them: gzip'd roff that formats without a warning.
for page in qor-helper vexa; do
  gz="$root/usr/share/man/man1/$page.1.gz"
  gzip -t "$gz" || fail "$page.1.gz is no gzip file"
  if command -v man >/dev/null; then
    warnings="$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -E UTF-8 -l -Tutf8 -Z "$gz" 2>&1 >/dev/null)"
    [ -z "$warnings" ] || fail "man warns about $page.1: $warnings"
    LC_ALL=C.UTF-8 MANWIDTH=80 man -l "$gz" 2>/dev/null | grep -q -- '--home' ||
      fail "the manual page of $page does not name --home"
  fi
done
if [ -n "${QOR_EXPECT_VEXA:-}" ]; then
  [ -x "$root/usr/bin/vexa" ] || fail "the package lacks usr/bin/vexa"
fi
# Nothing of the build or the tests goes along.
if find "$root" -name '*_tests' -o -name '*.a' | grep -q .; then fail "test programs or libraries in the package"; fi

if command -v desktop-file-validate >/dev/null; then
  desktop-file-validate "$root/usr/share/applications/$id.desktop" || fail "desktop-file-validate"
else
  echo "note: desktop-file-validate missing, the desktop entry is not checked"
fi
if command -v appstreamcli >/dev/null; then
  metainfo="$root/usr/share/metainfo/$id.metainfo.xml"
  report="$(appstreamcli validate --pedantic --no-net "$metainfo" 2>&1)" ||
    { echo "$report"; fail "appstreamcli validate"; }
  echo "$report"
  # Clean, also pedantically, but for two hints that are chosen:
  # - the component id keeps its capitals (the desktop entry and the running program
  #   carry the same name);
  # - AppStream before 1.0 (Debian 12 has 0.16) does not know <developer> yet, the form
  #   1.0 asks for; its readers take <developer_name>, which 1.0 calls deprecated.
  issues="$(grep -E '^[EWIP]: ' <<<"$report" |
    grep -v -E '^P: [^ ]+ cid-contains-uppercase-letter ' |
    grep -v -E '^I: [^ ]+ (unknown-tag developer|developer-name-tag-deprecated)$' || true)"
  [ -z "$issues" ] || fail "appstreamcli validate --pedantic: $issues"
  for tag in '<project_license>GPL-3.0-or-later</project_license>' '<metadata_license>' \
             '<developer id=' '<screenshot type="default">'; do
    grep -q -F "$tag" "$metainfo" || fail "the metainfo lacks $tag"
  done
  # Software centres fetch the screenshots by address; each is one of packaging/screenshots/.
  shots=0
  while IFS= read -r url; do
    shot="$source_dir/packaging/screenshots/$(basename "$url")"
    [ -s "$shot" ] || fail "the screenshot $url is not in packaging/screenshots/"
    file -b "$shot" | grep -q '^PNG image data' || fail "$shot is no PNG image"
    shots=$((shots + 1))
  done < <(sed -n 's#.*<image>\(https://[^<]*\)</image>.*#\1#p' "$metainfo")
  [ "$shots" -ge 2 ] || fail "the metainfo names $shots screenshots, not at least 2"
else
  echo "note: appstreamcli missing, the metainfo is not checked"
fi

echo "== start from the scratch root"
home="$scratch/home"
mkdir -p "$scratch/env"
HOME="$scratch/env" XDG_DATA_HOME="$scratch/env/data" XDG_CONFIG_HOME="$scratch/env/config" \
  XDG_RUNTIME_DIR="$scratch/env" QT_QPA_PLATFORM=offscreen \
  "$root/usr/bin/qor-helper" --home "$home" >"$scratch/run.log" 2>&1 &
pid=$!
# It copies its installation data into the fresh data folder, then waits for the learner.
for _ in $(seq 1 100); do
  [ -f "$home/dictionary/noun.txt" ] && break
  kill -0 "$pid" 2>/dev/null || break
  sleep 0.1
done
sleep 1
if ! kill -0 "$pid" 2>/dev/null; then
  wait "$pid" || true
  cat "$scratch/run.log"
  fail "the program ended on its own at start"
fi
cmp "$home/dictionary/noun.txt" "$root/usr/share/qor-helper/dictionary/noun.txt" ||
  fail "the data folder did not get the installed dictionaries"
[ -f "$home/help/index.html" ] || fail "the data folder did not get the help"
kill -TERM "$pid"
status=0
for _ in $(seq 1 50); do kill -0 "$pid" 2>/dev/null || break; sleep 0.1; done
kill -0 "$pid" 2>/dev/null && fail "the program did not end when asked to"
wait "$pid" || status=$?
pid=""
[ "$status" -eq 0 ] || { cat "$scratch/run.log"; fail "the program ended with status $status"; }
echo "1 passed, 0 failed"
