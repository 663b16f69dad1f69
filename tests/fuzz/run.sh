#!/bin/sh
# Runs one fuzz target for $FUZZ_SECONDS seconds (30 by default) and prints
# how many inputs it ran. Usage: run.sh FUZZER SEEDS WORK [LIBFUZZER-OPTION...]
# SEEDS.dict, if present, is the target's dictionary. New inputs go to
# WORK/corpus, an input that broke a rule to WORK/crash-*, the log to WORK/log.
set -eu
fuzzer=$1 seeds=$2 work=$3
shift 3
seconds=${FUZZ_SECONDS:-30}
# A small quarantine and no allocation stacks: cycling through the default
# 256 MB and unwinding through Qt's frames on every allocation took most of the
# time. Run a saved input again without these for a report with stacks.
export ASAN_OPTIONS="${ASAN_OPTIONS:-quarantine_size_mb=4:malloc_context_size=0}"
mkdir -p "$work/corpus"
set -- "$@" -max_total_time="$seconds" -timeout=25 -print_final_stats=1 -artifact_prefix="$work/"
[ -f "$seeds.dict" ] && set -- "$@" -dict="$seeds.dict"
if ! "$fuzzer" "$@" "$work/corpus" "$seeds" >"$work/log" 2>&1; then
    tail -n 60 "$work/log"
    exit 1
fi
figure() { sed -n "s/^stat::$1: *//p" "$work/log"; }
echo "$(basename "$fuzzer"): $(figure number_of_executed_units) executions in ${seconds} s," \
     "$(ls "$work/corpus" | wc -l) inputs in the corpus, peak $(figure peak_rss_mb) MB"
