#!/bin/sh
# The libFuzzer targets of fuzz/, built with clang in their own folder ($FUZZ_BUILD, build-fuzz).
#
#   fuzz/run.sh                  every target once over its seed corpus (the CI regression)
#   fuzz/run.sh TARGET SECONDS   fuzzes one target for SECONDS
#
# TARGET is one of: profile keytables wavebank basic val input. A fuzzing run keeps what it
# finds in $FUZZ_BUILD/corpus/TARGET (started from fuzz/corpus/TARGET) and writes a crashing input
# to $FUZZ_BUILD/crashes/; copy a crash that you fix into fuzz/corpus/TARGET so the regression
# keeps it.
set -e
cd "$(dirname "$0")/.."
build=${FUZZ_BUILD:-build-fuzz}
targets="profile keytables wavebank basic val input"

CXX=clang++ cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVANDREL_FUZZ=ON >/dev/null
cmake --build "$build" -j "${JOBS:-$(nproc)}" --target fuzzers
mkdir -p "$build/crashes"

if [ $# -eq 0 ]; then
  for t in $targets; do
    echo "fuzz regression: $t ($(ls fuzz/corpus/$t | wc -l) inputs)"
    "$build/fuzz/fuzz_$t" -runs=0 -timeout=10 -artifact_prefix="$build/crashes/$t-" "fuzz/corpus/$t" 2>"$build/$t.log" ||
      { cat "$build/$t.log"; exit 1; }
  done
  exit 0
fi

[ $# -eq 2 ] || { echo "usage: fuzz/run.sh [TARGET SECONDS]" >&2; exit 2; }
case " $targets " in *" $1 "*) ;; *) echo "unknown target $1 (one of: $targets)" >&2; exit 2 ;; esac
mkdir -p "$build/corpus/$1"
exec "$build/fuzz/fuzz_$1" -max_total_time="$2" -timeout=10 -print_final_stats=1 \
  -artifact_prefix="$build/crashes/$1-" "$build/corpus/$1" "fuzz/corpus/$1"
