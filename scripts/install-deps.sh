#!/usr/bin/env bash
# Installs the Debian packages a task needs, only when some are missing:
#   install-deps.sh [build|test|bench|fuzz|valgrind]...   (no argument: all of them)
# Needs nothing beyond bash, coreutils, dpkg and apt, so it works on a bare
# Debian 12 system; sudo is used only when not root.
set -euo pipefail

declare -A groups=(
  # GoogleTest is here too: the default configuration builds the tests.
  [build]="cmake make g++ pkg-config
    qt6-base-dev qt6-base-dev-tools qt6-l10n-tools qt6-tools-dev qt6-tools-dev-tools libgl-dev
    qt6-image-formats-plugins qt6-translations-l10n libplist-dev libplist++-dev libgtest-dev libgmock-dev"
  [test]="locales desktop-file-utils appstream"
  [bench]="libbenchmark-dev libboost-dev"
  [fuzz]="clang-14 libclang-rt-14-dev"
  [valgrind]="valgrind"
)

wanted=("$@")
[ ${#wanted[@]} -gt 0 ] || wanted=(build test bench fuzz valgrind)

packages=()
for group in "${wanted[@]}"; do
  if [ -z "${groups[$group]+set}" ]; then
    echo "install-deps.sh: unknown group '$group' (build test bench fuzz valgrind)" >&2
    exit 2
  fi
  # Package names split on white space on purpose.
  # shellcheck disable=SC2206
  [ "$group" = build ] || packages+=(${groups[build]})
  # shellcheck disable=SC2206
  packages+=(${groups[$group]})
done

as_root=()
if [ "$(id -u)" -ne 0 ]; then
  if command -v sudo >/dev/null 2>&1; then
    as_root=(sudo)
  else
    as_root=(missing-sudo)
  fi
fi
run_as_root() {
  if [ "${as_root[*]}" = missing-sudo ]; then
    echo "install-deps.sh: need root for: $*; run as root or install sudo" >&2
    exit 1
  fi
  "${as_root[@]}" "$@"
}

declare -A seen=()
missing=()
for p in "${packages[@]}"; do
  [ -z "${seen[$p]+set}" ] || continue
  seen[$p]=1
  status="$(dpkg-query -W -f='${Status}' "$p" 2>/dev/null || true)"
  [ "$status" = "install ok installed" ] || missing+=("$p")
done

if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  # env, not a prefix assignment: sudo resets the environment.
  run_as_root env DEBIAN_FRONTEND=noninteractive apt-get update
  run_as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends \
    "${missing[@]}"
fi

# The number-text and translation tests run under comma-decimal locales when
# they exist: German and French.
if [ -n "${seen[locales]+set}" ]; then
  installed="$(locale -a 2>/dev/null || true)"
  for locale_name in de_DE fr_FR; do
    grep -qixE "$locale_name\.utf-?8" <<<"$installed" && continue
    if [ "${as_root[*]}" = missing-sudo ] || ! "${as_root[@]}" localedef -i "$locale_name" -f UTF-8 "$locale_name.UTF-8"; then
      echo "note: $locale_name.UTF-8 locale not generated"
    fi
  done
fi
