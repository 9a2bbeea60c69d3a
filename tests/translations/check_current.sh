#!/usr/bin/env bash
# The shipped translations hold every text of the code, and translate each:
# lupdate, run as `make translations` runs it over every folder of the
# product, into a copy of each .ts must leave the copy as shipped, warn of no
# tr() it cannot place in a context, and no message may be unfinished. The
# copies stay in OUT_DIR for the walk that pseudo-translates them.
# Usage: check_current.sh LUPDATE SOURCES_LIST OUT_DIR TS_FILE... -- LUPDATE_OPTION...
set -u
lupdate=$1 sources=$2 out=$3
shift 3
ts=()
while [ "$1" != -- ]; do ts+=("$1") && shift; done
shift
mkdir -p "$out"
failures=0
fail() { echo "FAIL: $*" && failures=$((failures + 1)); }
for shipped in "${ts[@]}"; do
    copy=$out/$(basename "$shipped")
    cp "$shipped" "$copy"
    "$lupdate" "$@" "@$sources" -ts "$copy" > "$copy.log" 2>&1 || fail "lupdate failed: $(cat "$copy.log")"
    ! grep -E '^/.*:[0-9]+: ' "$copy.log" || fail "lupdate cannot place these texts in a context"
    diff -u "$shipped" "$copy" || fail "$shipped is not the texts of the code: run make translations"
    unfinished=$(grep -c 'type="unfinished"' "$copy")
    [ "$unfinished" -eq 0 ] || fail "$shipped has $unfinished unfinished messages"
done
[ "$failures" -eq 0 ] && echo "PASS: every text of the code translated in ${ts[*]##*/}"
