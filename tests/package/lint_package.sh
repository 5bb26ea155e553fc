#!/usr/bin/env bash
# The Debian package as a distribution would take it: made by CPack from this build and
# checked by lintian, which must report no error ("E:"), and, for a build with the
# hardening flags (QOR_HARDEN), no program without them. Other warnings and notes are
# printed for the reader and do not fail.
#   lint_package.sh BUILD_DIR [hardened|plain]
# Exits 77 (skipped) when the Debian tools or lintian are missing.
set -euo pipefail
build="$1"
hardened="${2:-plain}"

for tool in cpack dpkg-deb dpkg-shlibdeps lintian; do
  if ! command -v "$tool" >/dev/null; then
    echo "SKIPPED: $tool is missing (scripts/setup installs dpkg-dev and lintian)"
    exit 77
  fi
done

scratch="$(mktemp -d "${TMPDIR:-/tmp}/qor-lintian-XXXXXX")"
trap 'rm -rf "$scratch"' EXIT
fail() { echo "FAILED: $*"; exit 1; }

cpack --config "$build/CPackConfig.cmake" -G DEB -B "$scratch/pkg" >"$scratch/cpack.log" 2>&1 ||
  { cat "$scratch/cpack.log"; fail "cpack could not make the package"; }
deb="$(ls "$scratch"/pkg/*.deb 2>/dev/null | head -n 1)"
[ -n "$deb" ] || fail "no .deb was made"
echo "made $(basename "$deb")"

# lintian's own status also counts errors; the tags are read too, so that a lintian
# that cannot run at all is not taken for a clean package.
status=0
lintian --no-tag-display-limit --display-info "$deb" >"$scratch/lintian.log" 2>&1 || status=$?
grep -v '^running with root privileges' "$scratch/lintian.log" || true
errors="$(grep -c '^E: ' "$scratch/lintian.log" || true)"
[ "$errors" -eq 0 ] || fail "lintian reports $errors errors"
[ "$status" -eq 0 ] || fail "lintian ended with status $status"
if [ "$hardened" = hardened ]; then
  missing="$(grep -E 'hardening-no-(relro|bindnow|fortify-functions|pie)' "$scratch/lintian.log" || true)"
  [ -z "$missing" ] || fail "a program lacks the hardening flags: $missing"
fi
echo "1 passed, 0 failed"
