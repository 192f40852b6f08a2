#!/usr/bin/env bash
# kestmech with bad input. lint on plain and encrypted tables: exit 0 for the
# bundled tables, 1 with one line per problem for a damaged table, 2 for a file
# it cannot read. check: typed loads that are not seven finite numbers.
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
"$app/kestmech" encrypt "$work/bad.xml" "$work/bad.bin" || fail "encrypt"
out=$(lint "$work/bad.bin"); rc=$?
[ $rc -eq 1 ] && grep -q "TK6-1400: M_Tmax is 0" <<<"$out" || fail "bad.bin: exit $rc: $out"

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
