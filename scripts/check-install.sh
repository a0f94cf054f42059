#!/usr/bin/env bash
# Installs a build tree into a scratch prefix and tries what was installed:
# the desktop entry and the metainfo validate, the icon is there, and the
# program started from the prefix (offscreen, outside the source tree) comes
# up, logs nothing of its own and quits by itself.
#   check-install.sh BUILD_DIR SCRATCH_DIR VERSION
set -euo pipefail
build="$(cd "${1:?build dir}" && pwd)"
scratch="${2:?scratch dir}"
version="${3:?version}"
rm -rf "$scratch"
mkdir -p "$scratch/home"
mkdir -m 700 "$scratch/runtime"
scratch="$(cd "$scratch" && pwd)"
prefix="$scratch/prefix"
id=app.wandrel.Wandrel
fail() {
  echo "FAIL: $*" >&2
  exit 1
}

cmake --install "$build" --prefix "$prefix" >/dev/null
for f in bin/wandrel share/applications/$id.desktop share/metainfo/$id.metainfo.xml \
  share/icons/hicolor/scalable/apps/$id.svg; do
  [ -s "$prefix/$f" ] || fail "not installed: $f"
done

# Hints count as failures too.
out="$(desktop-file-validate "$prefix/share/applications/$id.desktop" 2>&1)" || fail "$out"
[ -z "$out" ] || fail "$out"
appstreamcli validate --no-net "$prefix/share/metainfo/$id.metainfo.xml" ||
  fail "metainfo does not validate"
grep -q "<release version=\"$version\"" "$prefix/share/metainfo/$id.metainfo.xml" ||
  fail "metainfo has no release $version"

cd "$scratch"
out="$("$prefix/bin/wandrel" --version)"
[ "$out" = "Wandrel $version" ] || fail "--version printed '$out'"

# A scratch home keeps the user's preferences out of it; the timeout only
# guards against a start that never returns.
status=0
env HOME="$scratch/home" XDG_CONFIG_HOME="$scratch/home/config" \
  XDG_DATA_HOME="$scratch/home/data" XDG_CACHE_HOME="$scratch/home/cache" XDG_RUNTIME_DIR="$scratch/runtime" \
  QT_QPA_PLATFORM=offscreen WANDREL_QUIT_AFTER_START=1 \
  QT_MESSAGE_PATTERN='%{category}: %{message}' \
  timeout 60 "$prefix/bin/wandrel" 2>"$scratch/stderr" || status=$?
cat "$scratch/stderr" >&2
[ $status -eq 0 ] || fail "installed wandrel exited with $status"
if grep -q '^wandrel: ' "$scratch/stderr"; then
  fail "installed wandrel logged problems at start"
fi
echo "installed and started from $prefix"
