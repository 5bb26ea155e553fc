#!/usr/bin/env bash
# What the two commands of the README build: scripts/run only the programs it may start
# (qor-helper and its companion vexa), not the tests and benchmarks, with warnings left
# warnings; scripts/test everything with warnings as errors, runs the tests, then builds
# the model tests alone with the sanitizers beside it and runs those. The scripts run from a copy of scripts/ in which
# scripts/setup installs nothing, with cmake, ctest and the program replaced by stand-ins
# that write down how they were called, so no build is needed.
#   run_scripts.sh SOURCE_DIR
set -euo pipefail
source_dir="$1"

scratch="$(mktemp -d "${TMPDIR:-/tmp}/qor-scripts-XXXXXX")"
trap 'rm -rf "$scratch"' EXIT
fail() { echo "FAILED: $*"; exit 1; }

tree="$scratch/tree"
mkdir -p "$tree" "$scratch/bin"
cp -r "$source_dir/scripts" "$tree/"
printf '#!/bin/sh\nexit 0\n' >"$tree/scripts/setup"
for tool in cmake ctest; do
  printf '#!/bin/sh\necho "%s $*" >>"%s/calls"\n' "$tool" "$scratch" >"$scratch/bin/$tool"
done
build="$scratch/build"
mkdir -p "$build/app"
printf '#!/bin/sh\necho "program $*" >>"%s/calls"\n' "$scratch" >"$build/app/qor-helper"
chmod +x "$tree/scripts/setup" "$scratch/bin/"* "$build/app/qor-helper"
run() {
  : >"$scratch/calls"
  PATH="$scratch/bin:$PATH" QOR_BUILD_DIR="$build" "$tree/scripts/$1" "${@:2}" >/dev/null
}
# The build calls ("cmake --build ..."), one a line.
builds() {
  grep '^cmake --build ' "$scratch/calls" || true
}

echo "== scripts/run --home DIR"
run run --home "$scratch/try"
cat "$scratch/calls"
[ "$(builds | wc -l)" -eq 1 ] || fail "scripts/run builds $(builds | wc -l) times, not once"
targets="$(builds | sed -n 's/.* --target //p' | tr ' ' '\n' | sort | tr '\n' ' ')"
[ "$targets" = "qor-helper vexa " ] ||
  fail "scripts/run builds \"${targets:-everything}\", not only qor-helper and vexa: $(builds)"
grep -qx "program --home $scratch/try" "$scratch/calls" ||
  fail "the program did not get --home $scratch/try"
if grep -q -- '-DQOR_WERROR=ON' "$scratch/calls"; then
  fail "scripts/run turns warnings into errors"
fi

echo "== scripts/test"
run test
cat "$scratch/calls"
sanitize="$build-sanitize"
[ "$(builds | wc -l)" -eq 2 ] || fail "scripts/test builds $(builds | wc -l) times, not twice"
[ "$(builds | sed -n 1p)" = "cmake --build $build" ] ||
  fail "scripts/test does not build everything first: $(builds)"
[ "$(builds | sed -n 2p)" = "cmake --build $sanitize --target model_tests" ] ||
  fail "the second build is not the model tests alone: $(builds)"
grep -q -- "^cmake -S . -B $build .*-DQOR_WERROR=ON" "$scratch/calls" ||
  fail "scripts/test does not turn warnings into errors"
grep -q -- "^cmake -S . -B $sanitize .*-DQOR_SANITIZE=ON" "$scratch/calls" ||
  fail "the second build has no sanitizers"
grep -qx "ctest --test-dir $build --output-on-failure -j $(nproc)" "$scratch/calls" ||
  fail "scripts/test does not run every test"
grep -q "^ctest --test-dir $sanitize -L model " "$scratch/calls" ||
  fail "scripts/test does not run the model tests under the sanitizers"
echo "2 passed, 0 failed"
