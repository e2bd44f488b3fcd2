#!/bin/bash
# Measures what a waiting program costs: CPU time used while the game waits for a key (INKEY$
# loop) and while it waits in the data-entry dialog, over a few seconds of real time.
# Usage: bench/idle.sh [build folder] [seconds]. ALSOFT_DRIVERS picks OpenAL's output (default: its
# silent "null" device, which mixes like a sound card; a name that matches no driver leaves the
# program without a sound output).
set -e
build=${1:-build}
seconds=${2:-5}
run=$(cd "$build/run" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp "$run"/sounds.dat "$run"/*.ebt "$run"/*.eky "$work"/
cd "$work"

# CPU seconds (user + system) of one headless run of the given script.
cpu() {
  printf '%b' "$1" > script.txt
  local TIMEFORMAT='%U %S'
  { time ALSOFT_DRIVERS=${ALSOFT_DRIVERS:-null} "$run/vandrel" --script script.txt --settings v.ini >/dev/null 2>&1 || true; } 2>&1 |
    awk '{ print $1 + $2 }'
}

# The median over three runs of the CPU that waiting costs: a run that waits, less one that does not.
measure() {
  local costs=""
  for _ in 1 2 3; do
    local base idle
    base=$(cpu "$2")
    idle=$(cpu "$2idle $((seconds * 1000))\n")
    costs="$costs $(awk -v a="$idle" -v b="$base" 'BEGIN { print a - b }')"
  done
  echo $costs | tr ' ' '\n' | sort -g | sed -n 2p |
    awk -v s="$seconds" -v n="$1" '{ printf "%-30s %6.3f CPU s in %d s = %5.2f %% of one core\n", n, $1, s, 100 * $1 / s }'
}

measure "waiting for a key (INKEY\$)" ""
measure "waiting in the entry dialog" "key n\ndialog\n"
