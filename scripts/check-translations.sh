#!/usr/bin/env bash
# Fails when a translation is behind the sources: a text the sources show
# that a translation lacks or leaves unfinished, a text the translation
# keeps that the sources no longer show, or a text lupdate cannot place in
# its context (a tr() outside a class that declares its texts' context).
set -euo pipefail
cd "$(dirname "$0")/.."

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp translations/jubilo_*.ts "$work/"
warnings=$(LUPDATE_TS_DIR="$work" bash -c '
  mapfile -t FOLDERS < <(grep -vE "^(#|$)" scripts/source-folders | grep -vxE "tests|bench")
  for ts in "$LUPDATE_TS_DIR"/*.ts; do
    "${LUPDATE:-/usr/lib/qt6/bin/lupdate}" -silent -locations none -disable-heuristic similartext -disable-heuristic number -extensions cpp,h -I . "${FOLDERS[@]}" -ts "$ts"
  done' 2>&1 | sort -u)
status=0
if [ -n "$warnings" ]; then
  echo "lupdate cannot place these texts:" >&2
  echo "$warnings" >&2
  status=1
fi
for ts in "$work"/*.ts; do
  name=$(basename "$ts")
  for kind in unfinished vanished obsolete; do
    count=$(grep -c "type=\"$kind\"" "$ts" || true)
    if [ "$count" -gt 0 ]; then
      echo "translations/$name: $count $kind entries (run scripts/update-translations.sh and translate them)" >&2
      status=1
    fi
  done
done
python3 scripts/check-translation-texts.py translations/jubilo_*.ts || status=1
exit $status
