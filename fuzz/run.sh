#!/bin/sh
# Runs every fuzzer for the given number of seconds, one after another, at
# the lowest priority. New inputs go to a working corpus in the build
# directory, seeded from fuzz/corpus/; an input that breaks a property is
# saved as <build>/artifacts/<target>-crash-* and fails the run.
#   fuzz/run.sh BUILD_DIR SECONDS [TARGET...]
set -e
build=$1
seconds=${2:-60}
shift 2 || true
targets=${*:-"settings ranking textnumber namelimit history savenote wave"}
here=$(cd "$(dirname "$0")" && pwd)
mkdir -p "$build/artifacts"
for t in $targets; do
    mkdir -p "$build/corpus/$t"
    echo "== fuzz_$t for $seconds s"
    nice -n 19 "$build/fuzz_$t" -max_total_time="$seconds" -print_final_stats=1 \
        -artifact_prefix="$build/artifacts/$t-" "$build/corpus/$t" "$here/corpus/$t" \
        >"$build/fuzz_$t.log" 2>&1 || { tail -n 40 "$build/fuzz_$t.log"; exit 1; }
    grep -E '^(#[0-9]+[[:space:]]+DONE|stat::number_of_executed_units|stat::peak_rss_mb)' "$build/fuzz_$t.log"
done
