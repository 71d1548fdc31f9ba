#!/usr/bin/env bash
# Regenerates docs/pdf-vs-libreoffice.png: the example plan's workbook, saved
# by the report run, printed to PDF by Jubilo's engine and by LibreOffice,
# first pages side by side at 100 dpi, each labelled. Needs a built tree
# (report_tests), LibreOffice, poppler-utils and ImageMagick.
#   scripts/compare-pdf-with-libreoffice.sh [build-dir] [output.png]
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build_dir="${1:-$root/build}"
out="${2:-$root/docs/pdf-vs-libreoffice.png}"
work="$(mktemp -d /tmp/jubilo-pdf-compare.XXXXXX)"
trap 'rm -rf "$work"' EXIT

# The report run saves the workbook; the test exports Jubilo's PDF of it.
JUBILO_PLAN_PDF_DIR="$work" QT_QPA_PLATFORM=offscreen \
  "$build_dir/tests/report/report_tests" --gtest_filter='PlanPdfTest.SamplePlan*' >"$work/test.log" ||
  { cat "$work/test.log"; exit 1; }
# LibreOffice with a profile of its own, so no running instance takes part.
soffice -env:UserInstallation="file://$work/profile" --headless --norestore \
  --convert-to pdf --outdir "$work/lo" "$work/sample-plan.xls" >/dev/null

pdftoppm -r 100 -png -f 1 -l 1 -singlefile "$work/sample-plan.pdf" "$work/jubilo"
pdftoppm -r 100 -png -f 1 -l 1 -singlefile "$work/lo/sample-plan.pdf" "$work/libreoffice"
label() {  # a grey band with the name above the page, a thin frame around it
  convert "$1" -bordercolor '#999999' -border 1 -gravity North -background '#eeeeee' \
    -splice 0x32 -font DejaVu-Sans -pointsize 20 -fill black -annotate +0+6 "$2" "$3"
}
label "$work/jubilo.png" "Jubilo" "$work/a.png"
label "$work/libreoffice.png" "LibreOffice" "$work/b.png"
convert "$work/a.png" "$work/b.png" -background white +append \
  -define png:compression-level=9 "$out"
echo "$out: $(du -k "$out" | cut -f1) KB"
