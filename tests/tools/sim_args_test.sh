#!/usr/bin/env bash
# No argument can make the runner block, run for ever or report checks that never ran: each
# refusal is a usage error (exit status 2) naming what is wrong.
set -uo pipefail
sim=$1
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
failed=0
pack=3_7,3_8,3_9,3_10,3_11,3_12,3_13,3_14,2_7,2_8,2_9,2_10,2_11,2_12,2_13,2_14,1_7,1_8,1_9,1_10,1_11,1_12,1_13,1_14,0_7,0_8,0_9,0_10,0_11,0_12,0_13,0_14
fail() { echo "FAILED: $*"; failed=1; }

# refused MESSAGE ARGS...: exit status 2 within seconds, with MESSAGE on the error output.
refused() {
    local message=$1 status
    shift
    timeout 10 "$sim" "$@" >/dev/null 2>"$tmp/err" </dev/null
    status=$?
    [ "$status" -eq 2 ] && grep -qF -- "$message" "$tmp/err" ||
        fail "$* (status $status): $(head -n 1 "$tmp/err")"
}

mkfifo "$tmp/fifo"
mkdir "$tmp/folder"
: >"$tmp/empty"
printf '[GAME\nZAKLAD_HRY=5\n' >"$tmp/broken.ini"
refused "--rules $tmp/fifo: a FIFO" --rules "$tmp/fifo"
refused "--packs $tmp/folder: a folder" --packs "$tmp/folder"
refused "--stats /dev/null: a device" --stats /dev/null
refused "$tmp/empty holds no deal" --packs "$tmp/empty"
refused "$tmp/broken.ini: line 1: neither" --rules "$tmp/broken.ini"
refused "--deals takes a count" --deals 99999999999999999999
refused "--seed takes a number" --seed -1
refused "no card at place 33" --pack "$pack,"
refused "the card 0_13 twice" --pack "${pack%0_14}0_13"

# --help asks for the usage: on the standard output, and no error.
for help in --help -h; do
    out=$("$sim" --deals 5 "$help" 2>"$tmp/err")
    [ $? -eq 0 ] && [[ $out == usage:* ]] && [ ! -s "$tmp/err" ] || fail "$help"
done
refused "unknown argument --helpme" --helpme

# --strong names seats 1 to 3, each once; seat 1 cannot be the human's and the stronger player.
refused "not '4'" --strong 4
refused "not '2x'" --strong 2x
refused "--strong takes seat numbers" --strong ""
refused "--strong names seat 2 twice" --strong 22
refused "--strong 1 and --human" --strong 1 --human random
out=$("$sim" --strong 23 --deals 20 --seed 4) &&
    grep -q '^per deal 2 .* strong ' <<<"$out" && grep -q '^per deal 1 .* classic ' <<<"$out" &&
    grep -q '^strong decisions (cpu): ' <<<"$out" || fail "--strong 23"

# --full and --split in either order, the last one counting.
"$sim" --pack "$pack" --full --split --events | grep -q '"full":false' &&
    "$sim" --pack "$pack" --split --full --events | grep -q '"full":true' || fail "--full, --split"

# Stakes no money could be kept to the cent with are the defaults.
printf '[GAME]\nDURCH=1e16\nZAKLAD_HRY=1e308\n' >"$tmp/huge.ini"
cmp -s <("$sim" --rules "$tmp/huge.ini" --deals 3000 --seed 4 --events) \
    <("$sim" --deals 3000 --seed 4 --events) || fail "huge stakes are not the defaults"
[ "$failed" -eq 0 ] && echo "arguments checked"
