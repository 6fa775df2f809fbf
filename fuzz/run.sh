#!/bin/sh
# Runs each fuzz target of a fuzz build for SECONDS over its seeds in
# fuzz/corpus/<name> and the inputs it found before, which it keeps in
# BUILD/corpus/<name>. A finding (crash, sanitizer report, failed check,
# timeout) is written to BUILD/findings/<name>/ and makes the script fail
# once every target has run.
# Usage: fuzz/run.sh BUILD SECONDS [TARGET...]
set -u
build=$1
seconds=$2
shift 2
here=$(cd "$(dirname "$0")" && pwd)
targets=${*:-$(ls "$here/corpus")}
[ -x /usr/bin/llvm-symbolizer-14 ] && export ASAN_SYMBOLIZER_PATH=/usr/bin/llvm-symbolizer-14
export UBSAN_OPTIONS=print_stacktrace=1
failed=""
for t in $targets; do
  mkdir -p "$build/corpus/$t" "$build/findings/$t"
  log="$build/findings/$t.log"
  echo "== $t: $seconds s"
  if ! "$build/fuzz/${t}_fuzz" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -print_final_stats=1 \
      -artifact_prefix="$build/findings/$t/" "$build/corpus/$t" "$here/corpus/$t" >"$log" 2>&1; then
    failed="$failed $t"
    tail -n 60 "$log"
  fi
  grep -E "^#[0-9]+.*(DONE|INITED)|^stat::number_of_executed_units|^stat::peak_rss_mb" "$log"
done
if [ -n "$failed" ]; then
  echo "Findings in:$failed (inputs under $build/findings)"
  exit 1
fi
