#!/usr/bin/env bash
# Makes the game's sounds in DIR (default assets/wavs): the spoken calls with espeak-ng and the
# table sounds synthesised with sox. Every file is mono 16-bit PCM at 22050 Hz, trimmed of
# silence and brought to the same loudness.
#
# The output is the same on every run: sox runs repeatable (-R seeds its noise generator and
# leaves time stamps out) and without dither (-D), and espeak-ng has no randomness.
set -euo pipefail

out=${1:-assets/wavs}
mkdir -p "$out"
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT

RATE=22050
SOX=(sox -R -D -V1)
FORMAT=(-r "$RATE" -c 1 -b 16 -e signed-integer)

# Loudness target: the RMS level every sound is brought to, unless its peak would then pass
# PEAK_MAX, in which case the peak decides. Speech peaks far above its RMS, so the calls end up
# limited by the peak and the synthesised sounds are matched to them.
TARGET_RMS=-20
PEAK_MAX=-1

stat_of() {  # stat_of FILE FIELD   (a field of `sox FILE -n stats`, e.g. "RMS lev dB")
    "${SOX[@]}" "$1" -n stats 2>&1 | awk -v f="$2" 'index($0, f) == 1 { print $NF }'
}

# finish IN NAME: trim leading and trailing silence, match the loudness, write DIR/NAME.wav.
finish() {
    local in=$1 name=$2
    local trimmed=$tmp/$name.trim.wav
    "${SOX[@]}" "$in" "${FORMAT[@]}" "$trimmed" \
        silence 1 0.005 -48d reverse silence 1 0.005 -48d reverse
    local rms pk gain
    rms=$(stat_of "$trimmed" "RMS lev dB")
    pk=$(stat_of "$trimmed" "Pk lev dB")
    gain=$(awk -v r="$rms" -v p="$pk" -v t="$TARGET_RMS" -v m="$PEAK_MAX" \
        'BEGIN { g = t - r; if (p + g > m) g = m - p; printf "%.2f", g }')
    "${SOX[@]}" "$trimmed" "${FORMAT[@]}" "$out/$name.wav" gain "$gain" fade t 0.003 -0 0.01
}

# --- spoken calls ---------------------------------------------------------------------------
# The words are written as a Czech reader says them: "tuty" and "kajzr" rather than the
# Italian and German spellings, so the Czech voice reads them the way players call them.
say() {  # say NAME TEXT
    espeak-ng -v cs -s 160 -p 42 -w "$tmp/$1.raw.wav" "$2"
    finish "$tmp/$1.raw.wav" "$1"
}
say durch "durch"
say betl "betl"
say flek1 "flek"
say flek2 "lepší"
say flek3 "tuty"
say flek4 "boty"
say flek5 "kalhoty"
say flek6 "slipy"
say flek7 "kajzr"
say flek8 "rekajzr"
say flek9 "tutykajzr"
say flek0 "choť"

# --- table sounds ---------------------------------------------------------------------------
gen() {  # gen FILE SYNTH-AND-EFFECTS...   (a mono clip made from nothing)
    local f=$1
    shift
    "${SOX[@]}" -n "${FORMAT[@]}" "$f" "$@"
}

# A bell-like note: the fundamental with two inharmonic partials that die away faster.
chime() {  # chime FILE FREQ LENGTH
    local f=$1 hz=$2 len=$3
    gen "$tmp/c1.wav" synth "$len" sine "$hz" fade l 0.002 "$len" "$len"
    gen "$tmp/c2.wav" synth "$len" sine "$(awk -v h="$hz" 'BEGIN { print h * 2.76 }')" \
        fade l 0.002 "$len" "$len" vol 0.3 fade t 0 "$len" "$(awk -v l="$len" 'BEGIN { print l * 0.7 }')"
    gen "$tmp/c3.wav" synth "$len" sine "$(awk -v h="$hz" 'BEGIN { print h * 5.40 }')" \
        fade t 0.001 "$len" "$(awk -v l="$len" 'BEGIN { print l * 0.9 }')" vol 0.12
    "${SOX[@]}" -m "$tmp/c1.wav" "$tmp/c2.wav" "$tmp/c3.wav" "${FORMAT[@]}" "$f"
}

# A brassy note: sawtooth and square under a low-pass, with a soft attack.
brass() {  # brass FILE FREQ LENGTH [extra effects...]
    local f=$1 hz=$2 len=$3
    shift 3
    gen "$tmp/b1.wav" synth "$len" sawtooth "$hz" vol 0.6
    gen "$tmp/b2.wav" synth "$len" square "$hz" vol 0.25
    "${SOX[@]}" -m "$tmp/b1.wav" "$tmp/b2.wav" "${FORMAT[@]}" "$f" \
        lowpass 2200 fade h 0.02 "$len" 0.06 "$@"
}

concat() {  # concat OUT IN...
    local o=$1
    shift
    "${SOX[@]}" "$@" "${FORMAT[@]}" "$o"
}

# rozdani: the pack riffled (noise pulsing quickly), then three cards flicked onto the table.
gen "$tmp/riffle.wav" synth 0.42 pinknoise synth 0.42 sine amod 42 \
    highpass 900 lowpass 7000 fade q 0.05 0.42 0.12
for i in 1 2 3; do
    gen "$tmp/flick$i.wav" synth 0.05 whitenoise highpass 1800 lowpass 8000 \
        fade l 0.002 0.05 0.046 pad 0 0.09
done
gen "$tmp/gap.wav" trim 0 0.06
concat "$tmp/rozdani.wav" "$tmp/riffle.wav" "$tmp/gap.wav" \
    "$tmp/flick1.wav" "$tmp/flick2.wav" "$tmp/flick3.wav"
finish "$tmp/rozdani.wav" rozdani

# karta: a meld is a bright two-note chime.
chime "$tmp/k1.wav" 1318.5 0.55
chime "$tmp/k2.wav" 1975.5 0.55
"${SOX[@]}" -m "$tmp/k1.wav" "|sox -R -D -V1 $tmp/k2.wav -p pad 0.09" "${FORMAT[@]}" \
    "$tmp/karta.wav"
finish "$tmp/karta.wav" karta

# hura: a rising fanfare ending on a held major chord.
brass "$tmp/h1.wav" 392.0 0.11
brass "$tmp/h2.wav" 523.3 0.11
brass "$tmp/h3.wav" 659.3 0.11
brass "$tmp/h4a.wav" 523.3 0.62 fade t 0 0.62 0.45
brass "$tmp/h4b.wav" 659.3 0.62 fade t 0 0.62 0.45
brass "$tmp/h4c.wav" 784.0 0.62 fade t 0 0.62 0.45
brass "$tmp/h4d.wav" 1046.5 0.62 fade t 0 0.62 0.45
"${SOX[@]}" -m "$tmp/h4a.wav" "$tmp/h4b.wav" "$tmp/h4c.wav" "$tmp/h4d.wav" "${FORMAT[@]}" \
    "$tmp/h4.wav" tremolo 7 15
concat "$tmp/hura.wav" "$tmp/h1.wav" "$tmp/h2.wav" "$tmp/h3.wav" "$tmp/h4.wav"
finish "$tmp/hura.wav" hura

# smula: the sad trombone, three falling steps and a long sagging wobble.
brass "$tmp/s1.wav" 392.0 0.24 lowpass 1300
brass "$tmp/s2.wav" 370.0 0.24 lowpass 1300
brass "$tmp/s3.wav" 349.2 0.24 lowpass 1300
gen "$tmp/s4a.wav" synth 0.6 sawtooth 329.6-300 vol 0.6
gen "$tmp/s4b.wav" synth 0.6 square 329.6-300 vol 0.25
"${SOX[@]}" -m "$tmp/s4a.wav" "$tmp/s4b.wav" "${FORMAT[@]}" "$tmp/s4.wav" \
    lowpass 1300 tremolo 5.5 60 fade h 0.02 0.6 0.25
concat "$tmp/smula.wav" "$tmp/s1.wav" "$tmp/s2.wav" "$tmp/s3.wav" "$tmp/s4.wav"
finish "$tmp/smula.wav" smula

# hubicka: two kisses, each a soft hum of closed lips and the smack of them parting.
gen "$tmp/hum.wav" synth 0.1 sine 210 fade q 0.03 0.1 0.03 vol 0.25
gen "$tmp/pop.wav" synth 0.06 sine 2600-500 fade l 0 0.06 0.055
gen "$tmp/click.wav" synth 0.03 whitenoise highpass 2500 fade l 0 0.03 0.028 vol 0.5
"${SOX[@]}" -m "$tmp/pop.wav" "$tmp/click.wav" "${FORMAT[@]}" "$tmp/smack.wav" pad 0 0.09
"${SOX[@]}" "$tmp/smack.wav" "${FORMAT[@]}" "$tmp/smack2.wav" vol 0.7
concat "$tmp/hubicka.wav" "$tmp/hum.wav" "$tmp/smack.wav" "$tmp/hum.wav" "$tmp/smack2.wav"
finish "$tmp/hubicka.wav" hubicka

# konec: a closing C major chord, its notes entering one after another, fading out.
i=0
notes=()
for hz in 261.6 329.6 392.0 523.3; do
    gen "$tmp/n$i.wav" synth 1.2 sine "$hz" synth 1.2 triangle mix "$hz" vol 0.5 \
        fade h 0.02 1.2 0.8 pad "$(awk -v i=$i 'BEGIN { print i * 0.045 }')"
    notes+=("$tmp/n$i.wav")
    i=$((i + 1))
done
"${SOX[@]}" -m "${notes[@]}" "${FORMAT[@]}" "$tmp/konec.wav" trim 0 1.25 fade h 0 1.25 0.9
finish "$tmp/konec.wav" konec
