#!/usr/bin/env bash
# Brings the translation sources resources/translations/*.ts up to date with
# the code and the window designs, keeping every translation already made:
#   update-translations.sh           rewrite the .ts files
#   update-translations.sh --check   change nothing; fail when a .ts file is
#                                    not current or has an unfinished entry
# The designs go through uic first, as the build compiles them
# (--tr Wandrel::tr), so lupdate files their texts under the table "Wandrel"
# instead of under each form's class name. QT_BIN and QT_LIBEXEC override the
# Debian locations of lupdate/lrelease and uic.
set -euo pipefail
cd "$(dirname "$0")/.."
bin="${QT_BIN:-/usr/lib/qt6/bin}"
libexec="${QT_LIBEXEC:-/usr/lib/qt6/libexec}"
check=no
case "${1:-}" in
  --check) check=yes ;;
  "") ;;
  *)
    echo "usage: $0 [--check]" >&2
    exit 2
    ;;
esac

work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
mkdir "$work/designs" "$work/ts"

while IFS= read -r design; do
  name="$(basename "${design%.ui}")"
  "$libexec/uic" --tr Wandrel::tr --include platform/UiText.h "$design" \
    -o "$work/designs/ui_$name.h"
done < <(find src -name '*.ui' | sort)

tables=(resources/translations/wandrel_*.ts)
targets=()
for table in "${tables[@]}"; do
  if [ $check = yes ]; then
    cp "$table" "$work/ts/"
    targets+=("$work/ts/$(basename "$table")")
  else
    targets+=("$table")
  fi
done

# Without locations a moved line changes nothing; texts gone from the sources
# are dropped rather than kept as obsolete entries.
"$bin/lupdate" -silent -locations none -no-obsolete -extensions cpp,h -I src \
  src "$work/designs" -ts "${targets[@]}" 2>"$work/lupdate.log" || {
  cat "$work/lupdate.log" >&2
  exit 1
}
if [ -s "$work/lupdate.log" ]; then
  cat "$work/lupdate.log" >&2
  echo "update-translations: lupdate warned; fix the sources above" >&2
  exit 1
fi

status=0
if [ $check = yes ]; then
  for table in "${tables[@]}"; do
    if ! diff -u "$table" "$work/ts/$(basename "$table")"; then
      echo "update-translations: $table is not current; run scripts/update-translations.sh" >&2
      status=1
    fi
  done
fi

# Every text translated: lrelease counts what is left unfinished or untranslated.
for table in "${targets[@]}"; do
  report="$("$bin/lrelease" "$table" -qm "$work/check.qm")"
  if grep -Eq '[1-9][0-9]* unfinished|Ignored [0-9]+ untranslated' <<<"$report"; then
    echo "update-translations: $(basename "$table") has texts to translate:" >&2
    echo "$report" >&2
    status=1
  fi
done
exit $status
