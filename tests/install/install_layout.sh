#!/usr/bin/env bash
# Installs the build tree into a temporary prefix and checks what lands where.
set -euo pipefail
build=$1
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
cmake --install "$build" --prefix "$prefix" >/dev/null

failed=0
fail() { echo "FAIL: $*"; failed=1; }

for file in bin/jubilo share/jubilo/HAND-M.CUR share/applications/jubilo.desktop \
    share/icons/hicolor/scalable/apps/jubilo.svg share/metainfo/io.github.jubilo.Jubilo.metainfo.xml \
    share/man/man1/jubilo.1.gz share/doc/jubilo/copyright share/doc/jubilo/changelog.gz \
    share/mime/packages/jubilo.xml; do
  [ -f "$prefix/$file" ] || fail "$file is not installed"
done
[ -x "$prefix/bin/jubilo" ] || fail "bin/jubilo is not executable"
# Data files live under share/, not beside the installed program.
[ ! -e "$prefix/bin/HAND-M.CUR" ] || fail "HAND-M.CUR is installed beside the program"
cmp -s "$prefix/share/jubilo/HAND-M.CUR" "$(dirname "$0")/../../resources/HAND-M.CUR" ||
  fail "the installed cursor file differs from resources/HAND-M.CUR"

# The man page names the command, its forms and every file the program uses.
man=$(gzip -dc "$prefix/share/man/man1/jubilo.1.gz")
for word in '.B jubilo' '.B jubilo \-\-version' '.RI [ plan ]' 'Tarvel.ini' 'Jubilo.lock' '.I *.jubilo' \
    'application/x\-jubilo\-plan' 'damaged\-<date>' 'vemqal########.xls' 'HAND\-M.CUR' 'x/o.cjs'; do
  grep -qF -- "$word" <<<"$man" || fail "the man page does not mention $word"
done
grep -q '@[A-Z_]*@' <<<"$man" && fail "the man page holds an unset @VARIABLE@"

# The metadata points at the desktop entry that is installed.
metainfo="$prefix/share/metainfo/io.github.jubilo.Jubilo.metainfo.xml"
grep -q '<launchable type="desktop-id">jubilo.desktop</launchable>' "$metainfo" ||
  fail "the metainfo does not launch jubilo.desktop"
grep -q '@[A-Z_]*@' "$metainfo" && fail "the metainfo holds an unset @VARIABLE@"

# The plan files' type is one name in all three files: the MIME package
# defines it, the desktop entry opens it, the metainfo offers it.
plan_type=application/x-jubilo-plan
desktop="$prefix/share/applications/jubilo.desktop"
mime="$prefix/share/mime/packages/jubilo.xml"
grep -qx "MimeType=$plan_type;" "$desktop" || fail "the desktop entry does not open $plan_type"
grep -qx 'Exec=jubilo %f' "$desktop" || fail "the desktop entry does not pass the file it opens"
grep -qF "<mediatype>$plan_type</mediatype>" "$metainfo" || fail "the metainfo does not provide $plan_type"
grep -qF "<mime-type type=\"$plan_type\">" "$mime" || fail "the MIME package does not define $plan_type"

# The validators, when installed (scripts/install-deps.sh installs them).
if command -v xmllint >/dev/null; then
  xmllint --noout "$mime" "$metainfo" || fail "xmllint"
fi
if command -v update-mime-database >/dev/null; then
  # The database built from the installed package alone: *.jubilo is a plan,
  # and update-mime-database has nothing to say about the package (the
  # prefix is its search path, or it notes that the prefix is not).
  said=$(XDG_DATA_DIRS="$prefix/share" update-mime-database "$prefix/share/mime" 2>&1) ||
    fail "update-mime-database: $said"
  [ -z "$said" ] || fail "update-mime-database: $said"
  grep -qF ":$plan_type:*.jubilo" "$prefix/share/mime/globs2" ||
    fail "the MIME database does not take *.jubilo for $plan_type"
  grep -qxF "$plan_type text/plain" "$prefix/share/mime/subclasses" ||
    fail "the MIME database does not take a plan for text"
fi
if command -v desktop-file-validate >/dev/null; then
  desktop-file-validate "$desktop" || fail "desktop-file-validate"
fi
if command -v appstreamcli >/dev/null; then
  # --no-net: the screenshot's address is not fetched.
  appstreamcli validate --no-net "$metainfo" || fail "appstreamcli validate"
fi
exit $failed
