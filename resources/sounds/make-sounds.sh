#!/bin/sh
# Synthesises the ready-made button sounds of the "Sounds" folder beside the
# program: short 8 kHz mono mu-law .au files, the form that applet sound
# players take. Repeatable: the same sox gives the same bytes every time.
#
#   make-sounds.sh OUTDIR
set -e
out=${1:?usage: make-sounds.sh OUTDIR}
mkdir -p "$out"

sound() {
  name=$1
  shift
  sox -R -n -r 8000 -c 1 -e u-law -b 8 --comment "" "$out/$name.tmp.au" "$@"
  # Readable by everyone, whatever the umask: pages are served by another
  # account than the one that built the files.
  chmod 644 "$out/$name.tmp.au"
  mv "$out/$name.tmp.au" "$out/$name"
}

# A dry click for pressing a button.
sound click.au synth 0.015 whitenoise fade q 0 0.015 0.012 vol 0.5
# A faint tick for the pointer entering a button.
sound tick.au synth 0.02 sine 2400 fade q 0.001 0.02 0.018 vol 0.35
# A short falling pop.
sound pop.au synth 0.06 sine 700-180 fade q 0.003 0.06 0.04 vol 0.6
# Two notes a fifth apart, dying away.
sound chime.au synth 1.0 sine 1046.5 sine 1568 remix - fade l 0.005 1.0 0.95 vol 0.5
# A bell: a fundamental with two overtones and a long decay.
sound bell.au synth 1.4 sine 659.3 sine 1318.5 sine 1977 remix - fade l 0.003 1.4 1.35 vol 0.45
# A drop falling into still water.
sound water-drop.au synth 0.16 sine 1500-450 fade q 0.002 0.16 0.13 vol 0.5
# A soft rush of air.
sound swish.au synth 0.25 pinknoise sinc 600-2400 fade h 0.08 0.25 0.15 vol 0.8
