#!/usr/bin/env bash
# The Debian package, unpacked into a temporary root (never installed): its
# layout and dependencies, the installed program's smoke test from there, the
# MIME type of *.kestload, and no registration under the user's home while the
# system's files exist.
#   package_test.sh KESTLOAD.deb EXAMPLE.kestload
set -euo pipefail
deb=$1 example=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*"; exit 1; }
root=$work/root
dpkg-deb -x "$deb" "$root"
export QT_QPA_PLATFORM=offscreen XDG_CONFIG_HOME="$work/config"

# Name, dependencies and layout.
[[ $(basename "$deb") =~ ^kestload_[0-9.]+_amd64\.deb$ ]] || fail "package name $(basename "$deb")"
depends=$(dpkg-deb -f "$deb" Depends)
for p in libqt6core6 libqt6gui6 libqt6widgets6 libpugixml1v5 libnettle8 libocct-data-exchange-7.6 fonts-liberation2 fonts-nanum; do
    grep -Eq "(^|, )$p( |,|$)" <<<"$depends" || fail "no dependency on $p: $depends"
done
[ "$(readlink "$root/usr/bin/kestload")" = ../lib/kestload/kestload ] || fail "usr/bin/kestload is not a link to the program"
app=$root/usr/lib/kestload
for f in kestload kestmech libKestLoadLib.so libTarn_Kest.so KestMechData.bin KestMechData_old.bin PredefLoad.xml \
    KestLoadDt.ico Image/wrist.png manual/Manual_KestLoad_ko.pdf examples/palletising.kestload; do
    [ -s "$app/$f" ] || fail "missing $app/$f"
done
[ -s "$root/usr/share/doc/kestload/Manual_KestLoad_ko.pdf" ] || fail "no manual in usr/share/doc/kestload"
for f in applications/kestload.desktop mime/packages/kestload.xml icons/hicolor/256x256/apps/kestload.png \
    icons/hicolor/256x256/mimetypes/application-x-kestload.png; do
    [ -s "$root/usr/share/$f" ] || fail "missing usr/share/$f"
done
grep -qx 'Exec="kestload" %f' "$root/usr/share/applications/kestload.desktop" || fail "Exec line"
grep -qx 'MimeType=application/x-kestload;' "$root/usr/share/applications/kestload.desktop" || fail "MimeType line"
if command -v desktop-file-validate >/dev/null; then
    desktop-file-validate "$root/usr/share/applications/kestload.desktop" || fail "desktop entry"
fi
# Nothing from the build tree leaks into the package.
if grep -rlaF "$(cd "$(dirname "$0")/../.." && pwd)/build" "$app" >/dev/null; then
    fail "the build folder is named in: $(grep -rlaF "$(cd "$(dirname "$0")/../.." && pwd)/build" "$app")"
fi

# The MIME database built from the package maps *.kestload to the type.
update-mime-database "$root/usr/share/mime" >/dev/null 2>&1
grep -q '^[0-9]*:application/x-kestload:\*\.kestload' "$root/usr/share/mime/globs2" || fail "no glob for *.kestload"

# The installed program starts from the unpacked root and passes its smoke test.
# (The output is kept first: grep -q ending early would break the program's pipe.)
smoke=$(XDG_DATA_HOME="$work/home" "$root/usr/bin/kestload" --lang ko --smoke-test) || fail "smoke test exit $?: $smoke"
grep -q ': 합격$' <<<"$smoke" || fail "smoke test: $smoke"

# The installed program checks the example projects it installs, with its own
# mechanism table: six robots pass, and the palletising robot fails (status 1).
[ -s "$example" ] || fail "no example project $example"
check() { XDG_DATA_HOME="$work/home" "$root/usr/bin/kestload" --lang en --check "$@"; }
out=$(check "$app/examples/spot-gun-large-robot.kestload" "$app/examples/light-gripper-small-robot.kestload") ||
    fail "--check of the installed examples: $out"
grep -qF "mechanism data: controller software V40.24.15 and later, $app/KestMechData.bin," <<<"$out" ||
    fail "--check did not read the installed table: $out"
[ "$(grep -c ': Pass (code 1)$' <<<"$out")" = 6 ] || fail "--check of the installed examples: $out"
status=0
out=$(check "$app/examples/palletising.kestload") || status=$?
[ "$status" = 1 ] || fail "--check of the installed palletising example: status $status: $out"
grep -qx '  TK120-2500: Fail (further analysis needed) (code 3)' <<<"$out" || fail "--check of palletising: $out"

# With the system's files present (here: the unpacked root) the program writes
# nothing under the user's data home; without them it registers as before.
XDG_DATA_DIRS="$root/usr/share" XDG_DATA_HOME="$work/home" "$root/usr/bin/kestload" --quit-after-first-paint \
    "$example" >/dev/null || fail "the installed program did not open $example"
[ -z "$(ls -A "$work/home" 2>/dev/null)" ] || fail "registered under the user's home: $(find "$work/home")"
XDG_DATA_DIRS="$work/none" XDG_DATA_HOME="$work/home2" "$root/usr/bin/kestload" --quit-after-first-paint >/dev/null
[ -s "$work/home2/applications/kestload.desktop" ] || fail "no registration without the system's files"
echo "1 passed, 0 failed"
