#!/usr/bin/env bash
# The installed program, checked file by file: an install into a temporary
# DESTDIR, the desktop entry and the metainfo through their validators, the
# Debian package built and listed, and the installed programs started with
# HOME and the XDG folders in a temporary place.
#
# usage: install_test.sh SOURCE_DIR BUILD_DIR
set -euo pipefail
source_dir=$1
build_dir=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0

fail() {
    echo "FAIL: $*"
    failures=$((failures + 1))
}

expected_files() {
    cat <<'LIST'
usr/bin/orvanto
usr/bin/orvanto-cli
usr/lib/orvanto/libcities.so
usr/lib/orvanto/libcli-qt.so
usr/share/applications/org.orvanto.Orvanto.desktop
usr/share/bash-completion/completions/orvanto-cli
usr/share/icons/hicolor/128x128/apps/org.orvanto.Orvanto.png
usr/share/icons/hicolor/16x16/apps/org.orvanto.Orvanto.png
usr/share/icons/hicolor/256x256/apps/org.orvanto.Orvanto.png
usr/share/icons/hicolor/32x32/apps/org.orvanto.Orvanto.png
usr/share/icons/hicolor/48x48/apps/org.orvanto.Orvanto.png
usr/share/icons/hicolor/64x64/apps/org.orvanto.Orvanto.png
usr/share/icons/hicolor/scalable/apps/org.orvanto.Orvanto.svg
usr/share/man/man1/orvanto-cli.1.gz
usr/share/man/man1/orvanto.1.gz
usr/share/metainfo/org.orvanto.Orvanto.metainfo.xml
LIST
}

# 1. An install into a temporary DESTDIR holds exactly the expected files.
destdir="$work/destdir"
DESTDIR="$destdir" cmake --install "$build_dir" --prefix /usr >/dev/null
(cd "$destdir" && find . -type f | sed 's|^\./||' | LC_ALL=C sort) >"$work/installed"
expected_files | LC_ALL=C sort >"$work/expected"
diff -u "$work/expected" "$work/installed" || fail "installed files differ from the expected list"

# The programs find their private library through the run path.
readelf -d "$destdir/usr/bin/orvanto" | grep -q 'RUNPATH.*\$ORIGIN/\.\./lib/orvanto' ||
    fail "orvanto has no run path to its private library folder"
readelf -d "$destdir/usr/bin/orvanto" | grep -q 'NEEDED.*libcities\.so' || fail "orvanto does not need libcities.so"
readelf -d "$destdir/usr/bin/orvanto-cli" | grep -q 'RUNPATH.*\$ORIGIN/\.\./lib/orvanto' ||
    fail "orvanto-cli has no run path to its private library folder"
# orvanto-cli starts without Qt; its module holds the commands that need it.
! readelf -d "$destdir/usr/bin/orvanto-cli" | grep -q 'NEEDED.*libQt' || fail "orvanto-cli needs a Qt library"
readelf -d "$destdir/usr/lib/orvanto/libcli-qt.so" | grep -q 'NEEDED.*libQt6Gui' || fail "libcli-qt.so does not need Qt"

# 2. The validators accept the desktop entry and the metainfo.
desktop-file-validate "$destdir/usr/share/applications/org.orvanto.Orvanto.desktop" ||
    fail "desktop-file-validate refused the desktop entry"
appstreamcli validate --no-net "$destdir/usr/share/metainfo/org.orvanto.Orvanto.metainfo.xml" >/dev/null ||
    fail "appstreamcli refused the metainfo"
man --warnings -l "$destdir/usr/share/man/man1/orvanto.1.gz" >/dev/null 2>"$work/man.err" || true
man --warnings -l "$destdir/usr/share/man/man1/orvanto-cli.1.gz" >/dev/null 2>>"$work/man.err" || true
[ ! -s "$work/man.err" ] || fail "the manual pages have warnings: $(cat "$work/man.err")"
bash -n "$destdir/usr/share/bash-completion/completions/orvanto-cli" || fail "the completion script does not parse"

# 3. The Debian package: built, its files the installed ones, its
#    dependencies taken from the shared libraries.
(cd "$build_dir" && cpack -G DEB -B "$work/package" >/dev/null)
deb=$(ls "$work/package"/orvanto_*.deb)
dpkg-deb -c "$deb" | awk '{print $6}' | grep -v '/$' | sed 's|^\./||' | LC_ALL=C sort >"$work/packaged"
diff -u "$work/expected" "$work/packaged" || fail "packaged files differ from the expected list"
depends=$(dpkg-deb -f "$deb" Depends)
for library in libqt6widgets6 libqt6core6 libc6 qt6-qpa-plugins; do
    case "$depends" in *"$library"*) ;; *) fail "Depends lacks $library: $depends" ;; esac
done

# 4. The packaged programs run from where the package puts them, with the
#    user's folders in a temporary place.
unpacked="$work/unpacked"
dpkg-deb -x "$deb" "$unpacked"
home="$work/home"
mkdir -p "$home"
run() { env -i PATH=/usr/bin:/bin HOME="$home" XDG_CONFIG_HOME="$home/.config" XDG_DATA_HOME="$home/.local/share" \
    QT_QPA_PLATFORM=offscreen "$@"; }
run "$unpacked/usr/bin/orvanto-cli" date 2026-12-11 | grep -q '^DayNumber: 740404$' ||
    fail "the packaged orvanto-cli did not run"
# A drawn output loads the module from the private library folder.
run "$unpacked/usr/bin/orvanto-cli" bio --birth 1990-05-17 --month 2026-12 --png "$work/chart.png" >/dev/null ||
    fail "the packaged orvanto-cli did not draw through its module"
[ "$(head -c 4 "$work/chart.png" 2>/dev/null | tail -c 3)" = PNG ] || fail "the packaged module wrote no PNG chart"
# Without the module, such a command says so and ends with status 1; the plain
# commands still run.
rm "$unpacked/usr/lib/orvanto/libcli-qt.so"
status=0
run "$unpacked/usr/bin/orvanto-cli" print month --from 2026-12 --pdf "$work/month.pdf" >/dev/null 2>"$work/nomodule.err" ||
    status=$?
[ "$status" -eq 1 ] || fail "print without the module ended with status $status, not 1"
grep -q 'cannot load the module libcli-qt.so' "$work/nomodule.err" ||
    fail "print without the module did not say so: $(cat "$work/nomodule.err")"
[ ! -e "$work/month.pdf" ] || fail "print without the module wrote a file"
run "$unpacked/usr/bin/orvanto-cli" date 2026-12-11 | grep -q '^DayNumber: 740404$' ||
    fail "orvanto-cli without the module did not run a plain command"

# --help and --version answer on the terminal, without a display.
[ "$(run "$unpacked/usr/bin/orvanto" --version)" = "orvanto 1.0.0" ] || fail "orvanto --version"
[ "$(run "$unpacked/usr/bin/orvanto-cli" --version)" = "orvanto-cli 1.0.0" ] || fail "orvanto-cli --version"
run "$unpacked/usr/bin/orvanto" --help | grep -q '^usage: orvanto \[-C | -M\] \[SETTINGS\]$' || fail "orvanto --help"

# The installed program keeps its files in the user's folders and nowhere
# else. The first start writes the settings file and then waits on its
# first-start box, so it is ended after a while.
before=$(cd "$unpacked" && find . | LC_ALL=C sort)
run timeout 10 "$unpacked/usr/bin/orvanto" -C >/dev/null 2>&1 || true
[ -f "$home/.config/orvanto/ORVANTO.INI" ] || fail "the first start made no $home/.config/orvanto/ORVANTO.INI"
[ "$(cd "$unpacked" && find . | LC_ALL=C sort)" = "$before" ] || fail "the program wrote into its install tree"
made=$(cd "$home" && find . -type f | LC_ALL=C sort | tr '\n' ' ')
[ "$made" = "./.config/orvanto/ORVANTO.INI " ] || fail "the first start made other files: $made"
# With a city chosen no box waits: -C checks the reminders and ends.
printf '\n[Location]\nLatitude=40.4168\nLongitude=-3.7038\n' >>"$home/.config/orvanto/ORVANTO.INI"
run timeout 20 "$unpacked/usr/bin/orvanto" -C || fail "orvanto -C did not end by itself"

# A portable copy (its folder holds ORVANTO.INI) keeps its files beside it.
portable="$work/portable"
mkdir -p "$portable/bin" "$portable/lib/orvanto"
cp "$unpacked/usr/bin/orvanto" "$portable/bin/"
cp "$unpacked/usr/lib/orvanto/libcities.so" "$portable/lib/orvanto/"
cp "$home/.config/orvanto/ORVANTO.INI" "$portable/bin/ORVANTO.INI"
rm -rf "$home/.config"
run timeout 20 "$portable/bin/orvanto" -C || fail "the portable copy did not end by itself"
[ ! -e "$home/.config/orvanto" ] || fail "the portable copy wrote into the user's folders"

echo "$failures failures"
[ "$failures" -eq 0 ]
