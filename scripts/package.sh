#!/usr/bin/env bash
# Builds the Debian package lumora_<version>_amd64.deb, checks it with lintian (an
# error fails), unpacks it into a scratch root and runs the packaged lumora-cli there.
#
#   scripts/package.sh [BUILD_DIR]     (default: build; configured when missing)
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD
build=${1:-build}

fail() { echo "package: $*" >&2; exit 1; }

for tool in cpack dpkg-deb dpkg-shlibdeps lintian appstreamcli; do
  command -v "$tool" >/dev/null || fail "$tool is missing (scripts/deps.sh installs it)"
done
[[ -f "$build/CMakeCache.txt" ]] ||
  cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
targets=(kl440-sim lumora-cli lumora-packaging)
grep -q '^LUMORA_UI:BOOL=ON' "$build/CMakeCache.txt" && [[ -f src/ui/main/LumoraMain.cpp ]] && targets+=(lumora)
cmake --build "$build" -j"$(nproc)" --target "${targets[@]}" >"$build/package-build.log" 2>&1 || {
  grep -E "error|FAILED|multiple definition|undefined reference" "$build/package-build.log" | cut -c1-300 | head -15 >&2
  fail "the build failed (whole output: $build/package-build.log)"
}

rm -f "$build"/lumora_*.deb
(cd "$build" && cpack -G DEB >cpack.log 2>&1) || { cat "$build/cpack.log" >&2; fail "cpack failed"; }
deb=$(ls "$build"/lumora_*_amd64.deb 2>/dev/null | head -1)
[[ -n "$deb" ]] || fail "cpack wrote no lumora_*_amd64.deb"
echo "package: $deb"

# Lintian's errors fail the step; its warnings are shown.
lintian_log="$build/lintian.log"
lintian_args=(--tag-display-limit 0)
[[ $(id -u) -eq 0 ]] && lintian_args+=(--allow-root)
lintian "${lintian_args[@]}" "$deb" >"$lintian_log" 2>&1 || true
cat "$lintian_log"
if grep -q '^E: ' "$lintian_log"; then
  fail "lintian found errors"
fi
echo "package: lintian: no errors ($(grep -c '^W: ' "$lintian_log" || true) warnings)"

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
dpkg -x "$deb" "$scratch"
for f in usr/bin/lumora-cli usr/bin/kl440-sim usr/share/applications/lumora.desktop \
         usr/share/metainfo/com.tessil.Lumora.metainfo.xml usr/share/icons/hicolor/48x48/apps/lumora.png \
         usr/share/man/man1/lumora-cli.1.gz usr/share/bash-completion/completions/lumora-cli; do
  [[ -e "$scratch/$f" ]] || fail "the package holds no /$f"
done
appstreamcli validate --no-net "$scratch/usr/share/metainfo/com.tessil.Lumora.metainfo.xml" >/dev/null ||
  fail "appstreamcli does not accept the metainfo"
if command -v desktop-file-validate >/dev/null; then
  desktop-file-validate "$scratch/usr/share/applications/lumora.desktop" || fail "the desktop entry is not valid"
fi
version=$("$scratch/usr/bin/lumora-cli" --version) || fail "the packaged lumora-cli --version failed"
echo "package: $version (from the unpacked package)"
[[ "$version" == "lumora-cli $(dpkg-deb -f "$deb" Version)" ]] || fail "lumora-cli reports another version than the package"
