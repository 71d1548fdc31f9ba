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
    share/man/man1/jubilo.1.gz share/doc/jubilo/copyright share/doc/jubilo/changelog.gz; do
  [ -f "$prefix/$file" ] || fail "$file is not installed"
done
[ -x "$prefix/bin/jubilo" ] || fail "bin/jubilo is not executable"
# Data files live under share/, not beside the installed program.
[ ! -e "$prefix/bin/HAND-M.CUR" ] || fail "HAND-M.CUR is installed beside the program"
cmp -s "$prefix/share/jubilo/HAND-M.CUR" "$(dirname "$0")/../../resources/HAND-M.CUR" ||
  fail "the installed cursor file differs from resources/HAND-M.CUR"

# The man page names the command and every file the program uses.
man=$(gzip -dc "$prefix/share/man/man1/jubilo.1.gz")
for word in '.B jubilo' 'Tarvel.ini' 'Jubilo.lock' 'damaged\-<date>' 'vemqal########.xls' \
    'HAND\-M.CUR' 'x/o.cjs'; do
  grep -qF -- "$word" <<<"$man" || fail "the man page does not mention $word"
done
grep -q '@[A-Z_]*@' <<<"$man" && fail "the man page holds an unset @VARIABLE@"

# The metadata points at the desktop entry that is installed.
metainfo="$prefix/share/metainfo/io.github.jubilo.Jubilo.metainfo.xml"
grep -q '<launchable type="desktop-id">jubilo.desktop</launchable>' "$metainfo" ||
  fail "the metainfo does not launch jubilo.desktop"
grep -q '@[A-Z_]*@' "$metainfo" && fail "the metainfo holds an unset @VARIABLE@"

# The validators, when installed (scripts/install-deps.sh installs them).
if command -v desktop-file-validate >/dev/null; then
  desktop-file-validate "$prefix/share/applications/jubilo.desktop" || fail "desktop-file-validate"
fi
if command -v appstreamcli >/dev/null; then
  # --no-net: the screenshot's address is not fetched.
  appstreamcli validate --no-net "$metainfo" || fail "appstreamcli validate"
fi
exit $failed
