#!/usr/bin/env bash
# kestmech with bad input. lint on plain and encrypted tables: exit 0 for the
# bundled tables, 1 with one line per problem for a damaged table, 2 for a file
# it cannot read; an encrypted table is linted in memory. encrypt refuses a
# table with problems and writes atomically; decrypt never opens a FIFO. check:
# typed loads that are not seven finite numbers.
#   kestmech_input_test.sh APPDIR
set -uo pipefail
app=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*"; exit 1; }
lint() { "$app/kestmech" lint "$@"; }

for t in KestMechData KestMechData_old; do
    out=$(lint "$app/$t.bin") || fail "$t.bin: exit $?: $out"
    grep -q "$t.bin: [0-9]* mechanisms, no problems" <<<"$out" || fail "$t.bin: $out"
done

# A zero payload in a plain table, and the same table encrypted.
sed '0,/<M_Tmax>6<\/M_Tmax>/s//<M_Tmax>0<\/M_Tmax>/' "$(dirname "$0")/../../data/mech/KestMechData.xml" >"$work/bad.xml"
out=$(lint "$work/bad.xml"); rc=$?
[ $rc -eq 1 ] || fail "bad.xml: exit $rc"
grep -qx "$work/bad.xml: line 5, TK6-1400: M_Tmax is 0; it must be positive." <<<"$out" || fail "bad.xml: $out"
grep -qx "$work/bad.xml: 1 problem" <<<"$out" || fail "bad.xml count: $out"
# encrypt lints first: a table with problems, or bytes that are no table, are
# refused and the old destination stays.
cp "$app/KestMechData.bin" "$work/keep.bin"
printf 'not a table' >"$work/junk.xml"
for src in bad.xml junk.xml; do
    out=$("$app/kestmech" encrypt "$work/$src" "$work/keep.bin" 2>&1); rc=$?
    [ $rc -eq 4 ] && grep -q "nothing was encrypted" <<<"$out" || fail "encrypt $src: exit $rc: $out"
    cmp -s "$app/KestMechData.bin" "$work/keep.bin" || fail "encrypt $src changed the destination"
done
"$app/kestmech" --no-lint encrypt "$work/bad.xml" "$work/bad.bin" || fail "encrypt --no-lint"
# The lint of an encrypted table needs no temporary folder and leaves nothing there.
mkdir "$work/tmp"
out=$(TMPDIR="$work/tmp" lint "$work/bad.bin"); rc=$?
[ $rc -eq 1 ] && grep -q "TK6-1400: M_Tmax is 0" <<<"$out" || fail "bad.bin: exit $rc: $out"
out=$(TMPDIR=/nonexistent-kest lint "$app/KestMechData.bin") || fail "lint needs a temporary folder: $out"
[ -z "$(ls -A "$work/tmp")" ] || fail "lint left files in the temporary folder"

# A name with blanks around it or a control character is flagged.
sed '0,/Name="TK6-1400"/s//Name="TK6-1400 "/' "$(dirname "$0")/../../data/mech/KestMechData.xml" >"$work/blank.xml"
out=$(lint "$work/blank.xml"); rc=$?
[ $rc -eq 1 ] && grep -q "begins or ends with a blank" <<<"$out" || fail "blank name: exit $rc: $out"

# decrypt onto a FIFO is refused at once (a hang ends at the timeout: 124).
mkfifo "$work/fifo"
out=$(timeout 20 "$app/kestmech" decrypt "$app/KestMechData.bin" "$work/fifo" 2>&1); rc=$?
[ $rc -ne 0 ] && [ $rc -ne 124 ] && grep -q "not a regular file" <<<"$out" || fail "decrypt to FIFO: exit $rc: $out"
[ -p "$work/fifo" ] || fail "the FIFO was replaced"
# Writes go through a temporary file renamed over the target; the target keeps
# its permissions, and a temporary file that a killed run left over a minute ago goes.
"$app/kestmech" decrypt "$app/KestMechData.bin" "$work/plain.xml" || fail "decrypt"
chmod 640 "$work/plain.xml"
touch -d '2 minutes ago' "$work/.kl.AbC123"
touch "$work/.kl.NeW123"
"$app/kestmech" decrypt "$app/KestMechData.bin" "$work/plain.xml" || fail "decrypt again"
[ "$(stat -c %a "$work/plain.xml")" = 640 ] || fail "permissions not kept"
[ ! -e "$work/.kl.AbC123" ] && [ -e "$work/.kl.NeW123" ] || fail "stale temporary files: $(ls -A "$work")"
"$app/kestmech" encrypt "$work/plain.xml" "$work/again.bin" && cmp -s "$work/again.bin" "$app/KestMechData.bin" ||
    fail "encrypt of the decrypted table"
# The trace is shown only when asked for.
out=$("$app/kestmech" list "$app") && ! grep -qi "cryptographic" <<<"$out" || fail "trace without --trace"
out=$("$app/kestmech" --trace list "$app") && grep -q "cryptographic provider" <<<"$out" || fail "no trace with --trace"

# A damaged encrypted file fails its digest; nothing is left in the temporary folder.
cp "$app/KestMechData.bin" "$work/damaged.bin"
printf 'X' | dd of="$work/damaged.bin" bs=1 seek=100 conv=notrunc status=none
out=$(TMPDIR="$work" lint "$work/damaged.bin" 2>/dev/null); rc=$?
[ $rc -eq 1 ] && grep -q "cannot be decrypted" <<<"$out" || fail "damaged.bin: exit $rc: $out"
[ -z "$(find "$work" -name 'kestmech-lint-*')" ] || fail "a decrypted copy was left behind"


# Missing files and folders cannot be read.
for f in "$work/missing.xml" "$work/missing.bin" "$work"; do
    lint "$f" >/dev/null 2>&1; rc=$?
    [ $rc -eq 2 ] || fail "$f: exit $rc"
done
# Typed loads that are not seven finite numbers never reach the engine.
for tool in nan,0,0,0,0,0,0 1e400,0,0,0,0,0,0 0,0,0,-inf,0,0,0 1,2,3 1,2,3,4,5,6,7,8 "" 1.5x,0,0,0,0,0,0; do
    out=$("$app/kestmech" check "$app" TK6-1400 --tool "$tool" 2>&1); rc=$?
    [ $rc -eq 64 ] && grep -q "needs seven finite numbers" <<<"$out" || fail "--tool '$tool': exit $rc: $out"
done
"$app/kestmech" check "$app" TK6-1400 --tool 1e300,0,0,1e300,0,0,0 | grep -q "Overload *yes" ||
    fail "an absurd but finite load did not fail"
echo "1 passed, 0 failed"
