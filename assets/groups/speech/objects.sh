# SPDX-License-Identifier: GPL-3.0-or-later
# Sounds of the things hidden in the sounds game's picture, one function per file code
# (Data/Smd.O/CODE.pw). Each writes a raw 22050 Hz mono WAV to $1 and may use the folder $2;
# make.sh trims, fades and levels them like the speech. Made with sox synthesis; the pig also
# says its "chrum" because a synthetic grunt alone is hard for a child to place.

syn() { local out=$1; shift; sox -R -D -n -r 22050 -c 1 -b 16 "$out" "$@"; }
silence() { syn "$1" trim 0 "$2"; }

# Dog ("wrrr"): a low growl, then two short barks.
sound_ps() {
    local t=$2
    syn "$t/growl.wav" synth 0.75 sawtooth 92 pinknoise mix gain -8 \
        tremolo 26 90 lowpass 650 overdrive 8 fade q 0.12 0.75 0.2
    local i
    for i in 1 2; do
        syn "$t/bark$i.wav" synth 0.19 sawtooth $((560 - 40 * i))-300 pinknoise mix gain -10 \
            overdrive 14 bandpass 850 0.7q lowpass 3000 fade q 0.006 0.19 0.13
    done
    silence "$t/gap1.wav" 0.18
    silence "$t/gap2.wav" 0.12
    sox -R -D "$t/growl.wav" "$t/gap1.wav" "$t/bark1.wav" "$t/gap2.wav" "$t/bark2.wav" "$1" reverb 15 50 40
}

# Trumpet ("tratata"): a little fanfare, three short notes and a long bright one.
sound_tbk() {
    local t=$2
    note() {  # frequency, length, name
        syn "$t/$3.wav" synth "$2" sawtooth "$1" sawtooth mix "$(($1 * 2))" gain -10 \
            overdrive 6 lowpass 2000 lowpass 3000 tremolo 5.5 8 fade t 0.03 "$2" 0.05
    }
    note 392 0.15 n1; note 392 0.15 n2; note 392 0.15 n3; note 523 0.7 n4
    silence "$t/g.wav" 0.05
    sox -R -D "$t/n1.wav" "$t/g.wav" "$t/n2.wav" "$t/g.wav" "$t/n3.wav" "$t/g.wav" "$t/n4.wav" "$1" reverb 25 50 60
}

# Balloon ("trach"): a sharp pop with a soft thump under it.
sound_bln() {
    local t=$2
    syn "$t/crack.wav" synth 0.2 whitenoise gain -6 highpass 300 lowpass 7000 fade l 0.0005 0.2 0.195
    syn "$t/thump.wav" synth 0.25 sine 95-40 gain -4 fade l 0.002 0.25 0.24
    silence "$t/lead.wav" 0.05
    sox -R -D -m "$t/crack.wav" "$t/thump.wav" "$t/pop.wav"
    sox -R -D "$t/lead.wav" "$t/pop.wav" "$1" reverb 35 50 70
}

# Pig ("chrum"): two nasal grunts, then the pig's word in a deep, rough voice.
sound_swn() {
    local t=$2 i
    for i in 1 2; do
        syn "$t/grunt$i.wav" synth 0.28 sawtooth $((130 - 10 * i))-85 pinknoise mix gain -8 \
            tremolo 38 85 bandpass 520 1.1q overdrive 10 lowpass 1500 fade q 0.02 0.28 0.1
    done
    silence "$t/gap.wav" 0.1
    espeak-ng -v pl+m3 -s 120 -p 15 -w "$t/say.wav" "chrum, chrum!"
    sox -R -D "$t/say.wav" -r 22050 -c 1 -b 16 "$t/say2.wav" pitch -350 tremolo 30 35 overdrive 6
    sox -R -D "$t/grunt1.wav" "$t/gap.wav" "$t/grunt2.wav" "$t/gap.wav" "$t/gap.wav" "$t/say2.wav" "$1"
}

# Horse ("prrr"): hooves trotting, then the lips' snort.
sound_wzn() {
    local t=$2 i parts=()
    for i in 1 2 3 4 5 6; do
        local f=$(( i % 2 ? 1300 : 950 ))
        syn "$t/clop$i.wav" synth 0.06 sine $f pinknoise mix gain -6 bandpass $f 1.5q \
            fade l 0.001 0.06 0.058
        silence "$t/rest$i.wav" $([ $((i % 2)) = 1 ] && echo 0.08 || echo 0.2)
        parts+=("$t/clop$i.wav" "$t/rest$i.wav")
    done
    syn "$t/snort.wav" synth 0.8 pinknoise sawtooth mix 70 gain -8 \
        tremolo 21 100 bandpass 600 0.6q overdrive 6 fade q 0.05 0.8 0.3
    sox -R -D "${parts[@]}" "$t/snort.wav" "$1" reverb 10
}

# Tractor ("pra"): a slow diesel putter that speeds up a little.
sound_tkr() {
    local t=$2
    syn "$1" synth 1.7 sawtooth 36-50 pinknoise mix gain -8 \
        tremolo 8 95 lowpass 420 overdrive 12 fade t 0.15 1.7 0.4
}

# Crow ("kra"): three harsh caws.
sound_krk() {
    local t=$2 i parts=()
    for i in 1 2 3; do
        syn "$t/caw$i.wav" synth 0.3 sawtooth $((820 - 30 * i))-600 pinknoise mix gain -10 \
            tremolo 55 60 bandpass 1500 0.8q overdrive 16 lowpass 4000 fade q 0.015 0.3 0.12
        silence "$t/gap$i.wav" 0.16
        parts+=("$t/caw$i.wav" "$t/gap$i.wav")
    done
    sox -R -D "${parts[@]}" "$1" reverb 20
}

# Pigeon ("gruchu"): a soft, throaty coo, twice.
sound_glb() {
    local t=$2 k parts=()
    for k in 1 2; do
        syn "$t/a$k.wav" synth 0.22 sine 360-420 sine mix 720-840 gain -6 tremolo 16 35 \
            lowpass 1200 fade q 0.04 0.22 0.06
        syn "$t/b$k.wav" synth 0.5 sine 440-340 sine mix 880-680 gain -6 tremolo 14 45 \
            lowpass 1200 fade q 0.05 0.5 0.2
        silence "$t/s$k.wav" 0.08
        silence "$t/p$k.wav" 0.3
        parts+=("$t/a$k.wav" "$t/s$k.wav" "$t/b$k.wav" "$t/p$k.wav")
    done
    sox -R -D "${parts[@]}" "$1" reverb 20
}

# Car ("brum"): the engine revs up, changes gear, then a friendly double honk.
sound_smd() {
    local t=$2
    syn "$t/up.wav" synth 0.55 sawtooth 55-125 pinknoise mix gain -8 \
        lowpass 900 overdrive 10 fade t 0.08 0.55 0.03
    syn "$t/down.wav" synth 0.75 sawtooth 115-70 pinknoise mix gain -8 \
        lowpass 900 overdrive 10 fade t 0.03 0.75 0.25
    local i
    for i in 1 2; do
        syn "$t/honk$i.wav" synth 0.16 square 415 square mix 520 gain -14 \
            lowpass 2500 fade t 0.01 0.16 0.03
    done
    silence "$t/gap.wav" 0.1
    silence "$t/gap2.wav" 0.07
    sox -R -D "$t/up.wav" "$t/down.wav" "$t/gap.wav" "$t/honk1.wav" "$t/gap2.wav" "$t/honk2.wav" "$1"
}
