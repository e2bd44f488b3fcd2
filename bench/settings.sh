#!/bin/bash
# Measures what a large settings file costs at start-up: the wall time of a headless run that
# starts, asks its first question and is ended, with the real settings after megabytes of junk
# lines. Usage: bench/settings.sh [build folder] [sizes in MB ...] (default 0 1 10 100).
set -e
build=${1:-build}
shift || true
sizes=${*:-0 1 10 100}
run=$(cd "$build/run" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp "$run"/sounds.dat "$run"/*.ebt "$run"/*.eky "$work"/
cd "$work"
: > script.txt

for mb in $sizes; do
  # Junk first, as a file that grew for years would have it; the settings at the end.
  python3 -c "
import sys
line = b'junk' * 15 + b'=x\n'
sys.stdout.buffer.write(b'[junk]\n' + line * ($mb * 1048576 // len(line)))
sys.stdout.buffer.write(b'[voice]\nvoiceallowed=1\n[sounds]\nvandrelsounds=1\n')
" > v.ini
  best=""
  for _ in 1 2 3; do
    start=$(date +%s%N)
    ALSOFT_DRIVERS=null "$run/vandrel" --script script.txt --fast --settings v.ini >/dev/null 2>&1 || true
    ms=$(( ($(date +%s%N) - start) / 1000000 ))
    [ -z "$best" ] || [ "$ms" -lt "$best" ] && best=$ms
  done
  printf 'settings file of %4d MB: start-up to exit %6d ms (best of 3)\n' "$mb" "$best"
done
