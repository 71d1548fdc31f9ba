#!/usr/bin/env bash
# Makes the Debian package from the build tree with CPack and checks its
# files and control fields.
set -euo pipefail
build=$1
if ! command -v dpkg-deb >/dev/null; then
  echo "dpkg-deb is not installed: the package is not checked"
  exit 77
fi
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
cpack -G DEB --config "$build/CPackConfig.cmake" -B "$out" >"$out/cpack.log" 2>&1 || {
  cat "$out/cpack.log"
  exit 1
}
debs=("$out"/jubilo_*.deb)
[ -f "${debs[0]}" ] || { echo "FAIL: no jubilo_*.deb made"; ls "$out"; exit 1; }
deb=${debs[0]}

failed=0
fail() { echo "FAIL: $*"; failed=1; }

listing=$(dpkg-deb -c "$deb" | awk '{print $6}')
for file in ./usr/bin/jubilo ./usr/share/jubilo/HAND-M.CUR ./usr/share/applications/jubilo.desktop \
    ./usr/share/icons/hicolor/scalable/apps/jubilo.svg \
    ./usr/share/metainfo/io.github.jubilo.Jubilo.metainfo.xml ./usr/share/man/man1/jubilo.1.gz \
    ./usr/share/doc/jubilo/copyright ./usr/share/doc/jubilo/changelog.gz ./usr/share/mime/packages/jubilo.xml; do
  grep -qxF -- "$file" <<<"$listing" || fail "$file is not in the package"
done
grep -q '^\./usr/bin/HAND-M.CUR$' <<<"$listing" && fail "the cursor file is packaged beside the program"
# Only what the FHS allows under /usr, nothing elsewhere.
grep -v '^\./$\|^\./usr/\(bin\|share\)\(/\|$\)\|^\./usr/$' <<<"$listing" && fail "files outside /usr/bin and /usr/share"

# No maintainer scripts: the MIME and desktop caches follow by dpkg trigger.
control_files=$(dpkg-deb --ctrl-tarfile "$deb" | tar -t)
grep -E '^(\./)?(preinst|postinst|prerm|postrm)$' <<<"$control_files" && fail "the package has maintainer scripts"

field() { dpkg-deb -f "$deb" "$1"; }
[ "$(field Package)" = jubilo ] || fail "Package is $(field Package)"
[ "$(field Section)" = misc ] || fail "Section is $(field Section)"
[ -n "$(field Maintainer)" ] || fail "no Maintainer"
[ "$(field Description | wc -l)" -gt 1 ] || fail "no long description"
# dpkg-shlibdeps found the libraries the program links; the fonts for other
# scripts and emoji come along.
depends=$(field Depends)
for package in libc6 libqt6core6 libqt6widgets6 qt6-qpa-plugins fonts-noto-core fonts-noto-cjk fonts-symbola; do
  grep -q "\b$package\b" <<<"$depends" || fail "Depends lacks $package: $depends"
done
exit $failed
