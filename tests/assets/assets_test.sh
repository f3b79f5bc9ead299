#!/usr/bin/env bash
# The committed pictures and sounds are the ones the game loads: every card face and the
# default back as 192 x 315 BMPs, every sound it plays as a PCM WAV short enough to keep the
# game brisk.
set -euo pipefail
dir=${1:?usage: assets_test.sh ASSETS_DIR}
fail=0
problem() { echo "FAIL: $*"; fail=1; }

# read_head FILE N: the first N bytes of FILE as numbers in the array B (fewer if it is short).
# The helpers below read B without starting a process, which keeps the test quick.
read_head() { read -r -a B <<<"$(od -An -v -tu1 -N"$2" "$1" | tr -s ' \n' ' ')"; }
u16() { V=$((B[$1] | B[$1 + 1] << 8)); }
u32() { V=$((B[$1] | B[$1 + 1] << 8 | B[$1 + 2] << 16 | B[$1 + 3] << 24)); }
tag() { T="${B[$1]:-},${B[$1 + 1]:-},${B[$1 + 2]:-},${B[$1 + 3]:-}"; }  # a chunk name's bytes
RIFF=82,73,70,70 WAVE=87,65,86,69 FMT=102,109,116,32 DATA=100,97,116,97

check_bmp() {
    local f=$1
    [ -f "$f" ] || { problem "$f missing"; return; }
    read_head "$f" 30
    [ "${#B[@]}" = 30 ] && [ "${B[0]}" = 66 ] && [ "${B[1]}" = 77 ] || {
        problem "$f is not a BMP"
        return
    }
    local w h bits
    u32 18 && w=$V
    u32 22 && h=$V
    u16 28 && bits=$V
    [ $((h >> 31)) = 0 ] || h=$(((1 << 32) - h))  # a top-down picture stores its height negated
    [ "$w" = 192 ] && [ "$h" = 315 ] || problem "$f is $w x $h, not 192 x 315"
    [ "$bits" = 24 ] || problem "$f has $bits bits per pixel, not 24"
}

for suit in 0 1 2 3; do
    for rank in 7 8 9 10 j q k a; do check_bmp "$dir/cards/${suit}_$rank.bmp"; done
done
check_bmp "$dir/images/cportal.bmp"
for back in "$dir"/images/*.bmp; do check_bmp "$back"; done

# Walks the chunks in the header (the sound data's chunk header lies within its first bytes).
check_wav() {
    local f=$1
    [ -f "$f" ] || { problem "$f missing"; return; }
    read_head "$f" 512
    tag 0 && [ "$T" = $RIFF ] && tag 8 && [ "$T" = $WAVE ] || {
        problem "$f is not RIFF/WAVE"
        return
    }
    local off=12 len format="" rate="" data=""
    while [ -z "$data" ] && [ $((off + 8)) -le "${#B[@]}" ]; do
        tag "$off"
        u32 $((off + 4)) && len=$V
        if [ "$T" = $FMT ] && [ $((off + 20)) -le "${#B[@]}" ]; then
            u16 $((off + 8)) && format=$V
            u32 $((off + 16)) && rate=$V
        elif [ "$T" = $DATA ]; then
            data=$len
        fi
        off=$((off + 8 + len + len % 2))
    done
    [ "$format" = 1 ] || { problem "$f is not PCM (format ${format:-none})"; return; }
    [ -n "$data" ] && [ "$data" -gt 0 ] && [ "$rate" -gt 0 ] || { problem "$f has no sound data"; return; }
    local ms=$((data * 1000 / rate))
    [ "$ms" -lt 1500 ] || problem "$f lasts $ms ms, not under 1500"
}

for name in durch betl flek0 flek1 flek2 flek3 flek4 flek5 flek6 flek7 flek8 flek9 \
    rozdani karta hura smula hubicka konec; do
    check_wav "$dir/wavs/$name.wav"
done

[ "$fail" = 0 ] && echo "assets complete"
exit "$fail"
