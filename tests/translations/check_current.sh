#!/usr/bin/env bash
# The shipped translations hold every text of the code, and translate each:
# lupdate, run as `make translations` runs it, into a copy of each .ts must
# leave the copy as shipped and place every tr() in a context, and no message
# may be unfinished. Of each fresh copy it makes a pseudo translation, every
# text in markers, for the walk of tests/translations.
# Usage: check_current.sh LUPDATE LRELEASE SOURCES_LIST OUT_DIR "LUPDATE_OPTIONS" TS_FILE...
set -u
lupdate=$1 lrelease=$2 sources=$3 out=$4 options=$5
shift 5
mkdir -p "$out"
failures=0
fail() { echo "FAIL: $*" && failures=$((failures + 1)); }
for shipped in "$@"; do
    copy=$out/$(basename "$shipped") pseudo=$out/$(basename "$shipped" .ts).pseudo
    cp "$shipped" "$copy"
    "$lupdate" $options "@$sources" -ts "$copy" > "$copy.log" 2>&1 || fail "lupdate failed: $(cat "$copy.log")"
    ! grep -E '^/.*:[0-9]+: ' "$copy.log" || fail "lupdate cannot place these texts in a context"
    diff -u "$shipped" "$copy" || fail "$shipped is not the texts of the code: run make translations"
    unfinished=$(grep -c 'type="unfinished"' "$copy")
    [ "$unfinished" -eq 0 ] || fail "$shipped has $unfinished unfinished messages"
    sed -z -E 's#<source>(([^<]|<byte value="xd"/>)*)</source>((\s*<(comment|extracomment)>[^<]*</(comment|extracomment)>)*)\s*<translation[^>]*>([^<]|<byte value="xd"/>)*</translation>#<source>\1</source>\3<translation>⟦\1⟧</translation>#g' \
        "$copy" > "$pseudo.ts"
    [ "$(grep -c '<translation>⟦' "$pseudo.ts")" -eq "$(grep -c '<message>' "$pseudo.ts")" ] &&
        "$lrelease" -silent "$pseudo.ts" -qm "$pseudo.qm" || fail "no pseudo translation of $copy"
done
[ "$failures" -eq 0 ] && echo "PASS: every text of the code translated in $*"
