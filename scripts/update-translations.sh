#!/usr/bin/env bash
# Brings the translations in translations/ up to date with the sources:
# new texts come in unfinished, a text that moved to another context keeps
# its translation, and texts no longer in the sources are dropped. Translate
# the unfinished ones (Qt Linguist, or by hand in the .ts file) before
# committing; `make test` refuses them (scripts/check-translations.sh).
#
#   scripts/update-translations.sh            every language
#   scripts/update-translations.sh de         one language
set -euo pipefail
cd "$(dirname "$0")/.."

LUPDATE=${LUPDATE:-$(command -v lupdate6 || echo /usr/lib/qt6/bin/lupdate)}

# The program's own folders; tests and benchmarks show the user nothing.
mapfile -t FOLDERS < <(grep -vE '^(#|$)' scripts/source-folders | grep -vxE 'tests|bench')

languages=("$@")
if [ ${#languages[@]} -eq 0 ]; then
  mapfile -t languages < <(grep -vE '^(#|$)' translations/languages)
fi
for lang in "${languages[@]}"; do
  ts="translations/jubilo_${lang}.ts"
  "$LUPDATE" -silent -locations none -disable-heuristic similartext -disable-heuristic number -extensions cpp,h -I . "${FOLDERS[@]}" -target-language "$lang" -ts "$ts"
  # A text that only moved to another context keeps its translation; then
  # what the sources no longer show is dropped.
  python3 scripts/carry-translations.py "$ts"
  "$LUPDATE" -silent -locations none -disable-heuristic similartext -disable-heuristic number -extensions cpp,h -I . "${FOLDERS[@]}" -target-language "$lang" -no-obsolete -ts "$ts"
done
