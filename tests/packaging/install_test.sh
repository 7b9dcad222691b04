#!/usr/bin/env bash
# "cmake --install" of the build tree into a scratch prefix: every file the
# desktop and the shell look for is there, and (where the tools are
# installed) the desktop entry, the metainfo and the file type are valid.
# usage: install_test.sh BUILD_DIR SCRATCH_DIR
set -euo pipefail
build=$1
prefix=$2
rm -rf "$prefix"
cmake --install "$build" --prefix "$prefix" >/dev/null

failures=0
need() {
  if [ ! -s "$prefix/$1" ]; then
    echo "FAIL: not installed: $1"
    failures=$((failures + 1))
  fi
}
app=org.dorvane.Dorvane_QX
for p in Dorvane_QX dorvane dorvane-sim; do
  need "bin/$p"
  [ -x "$prefix/bin/$p" ] || { echo "FAIL: bin/$p is not executable"; failures=$((failures + 1)); }
done
need share/applications/$app.desktop
need share/metainfo/$app.metainfo.xml
need share/mime/packages/dorvane-channel-data.xml
need share/bash-completion/completions/dorvane
need share/doc/dorvane/copyright
need lib/udev/rules.d/60-dorvane-usb-serial.rules
for s in 16 32 48 64 128 256; do
  need "share/icons/hicolor/${s}x$s/apps/$app.png"
  # Each size is drawn at its size, not one image under six names.
  got=$(od -An -tu1 -j16 -N8 "$prefix/share/icons/hicolor/${s}x$s/apps/$app.png" | awk '{print $3*256+$4 "x" $7*256+$8}')
  [ "$got" = "${s}x$s" ] || { echo "FAIL: ${s}px icon is $got"; failures=$((failures + 1)); }
done
# Man pages are made where help2man is installed.
if [ -f "$build/packaging/man/dorvane.1.gz" ]; then
  for p in Dorvane_QX dorvane dorvane-sim; do
    need "share/man/man1/$p.1.gz"
    zcat "$prefix/share/man/man1/$p.1.gz" | grep -q '^\.SH SYNOPSIS' \
      || { echo "FAIL: $p(1) has no synopsis"; failures=$((failures + 1)); }
  done
  zcat "$prefix/share/man/man1/dorvane.1.gz" | grep -q 'dorvane download' \
    || { echo "FAIL: dorvane(1) lacks the commands"; failures=$((failures + 1)); }
fi

# The desktop entry opens channel-data files with the window; the file type
# is the one the entry names.
desktop="$prefix/share/applications/$app.desktop"
grep -qx 'Exec=Dorvane_QX --edit %f' "$desktop" || { echo "FAIL: Exec line"; failures=$((failures + 1)); }
mime=$(sed -n 's/.*mime-type type="\([^"]*\)".*/\1/p' "$prefix/share/mime/packages/dorvane-channel-data.xml")
grep -qx "MimeType=$mime;" "$desktop" || { echo "FAIL: MimeType is not $mime"; failures=$((failures + 1)); }
grep -q "<mediatype>$mime</mediatype>" "$prefix/share/metainfo/$app.metainfo.xml" \
  || { echo "FAIL: metainfo does not provide $mime"; failures=$((failures + 1)); }

if command -v desktop-file-validate >/dev/null; then
  desktop-file-validate "$desktop" || failures=$((failures + 1))
fi
if command -v appstreamcli >/dev/null; then
  appstreamcli validate --no-net "$prefix/share/metainfo/$app.metainfo.xml" >/dev/null \
    || { appstreamcli validate --no-net "$prefix/share/metainfo/$app.metainfo.xml"; failures=$((failures + 1)); }
fi
if command -v update-mime-database >/dev/null; then
  # The file type as the desktop's database sees it: *.irz and the magic.
  update-mime-database "$prefix/share/mime" 2>/dev/null
  grep -q "^$mime:\*\.irz$" "$prefix/share/mime/globs" || { echo "FAIL: *.irz glob"; failures=$((failures + 1)); }
fi

[ "$failures" -eq 0 ] && echo "install: every file in place"
exit $(( failures > 0 ))
