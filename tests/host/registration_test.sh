#!/usr/bin/env bash
# Only the kestload program registers itself for .kestload files, and never
# from a folder whose name holds a line break; the screenshot tool that shows
# the same main window registers nothing. A relative project path handed to
# the program is made absolute.
#   registration_test.sh APPDIR KESTSHOT PROJECT.kestload
set -euo pipefail
app=$1 kestshot=$2 project=$3
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export QT_QPA_PLATFORM=offscreen XDG_CONFIG_HOME="$work/config"
# No installed system-wide files: they would rightly stop the registration.
export XDG_DATA_DIRS="$work/no-system-files"
fail() { echo "FAIL: $*"; exit 1; }

# A copy of the application folder (the program finds its files beside itself).
copy_app() {
    mkdir -p "$1"
    for f in kestload libKestLoadLib.so libTarn_Kest.so KestMechData.bin KestMechData_old.bin KestLoadDt.ico; do
        cp "$app/$f" "$1/"
    done
    ln -s "$app/Image" "$1/Image"
}

# The program registers itself from an ordinary folder.
copy_app "$work/plain"
XDG_DATA_HOME="$work/home1" "$work/plain/kestload" --quit-after-first-paint >/dev/null
grep -qx "Exec=\"$work/plain/kestload\" %f" "$work/home1/applications/kestload.desktop" ||
    fail "no desktop entry for the program"

# From a folder with a line break in its name it still starts, but writes no entry.
odd="$work/x"$'\n'"Exec=evil"
copy_app "$odd"
XDG_DATA_HOME="$work/home2" "$odd/kestload" --quit-after-first-paint | grep -q '^title: Noname' ||
    fail "the program did not start from a folder with a line break"
[ ! -e "$work/home2/applications/kestload.desktop" ] || fail "an entry was written for a path with a line break"

# The screenshot tool shows the main window and registers nothing.
XDG_DATA_HOME="$work/home3" "$kestshot" "$work/shot.png" >/dev/null 2>&1 || fail "kestshot failed"
[ -s "$work/shot.png" ] || fail "kestshot wrote no picture"
[ -z "$(ls -A "$work/home3" 2>/dev/null)" ] || fail "kestshot wrote into the data home: $(ls -R "$work/home3")"

# A relative project path becomes absolute (title, Properties and Save use it).
mkdir -p "$work/projects"
cp "$project" "$work/projects/cell.kestload"
out=$(cd "$work/projects" && XDG_DATA_HOME="$work/home1" "$work/plain/kestload" --quit-after-first-paint cell.kestload)
grep -qx "path: $work/projects/cell.kestload" <<<"$out" || fail "relative path kept: $out"
grep -qx "title: cell - KestLoad [0-9.]* - .*" <<<"$out" || fail "title: $out"
echo "1 passed, 0 failed"
