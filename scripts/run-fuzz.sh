#!/bin/sh
# Runs one fuzz target for SECONDS from the committed corpus; new inputs go to a
# scratch folder that is removed afterwards. Fails on any finding.
# Usage: run-fuzz.sh TARGET SECONDS CORPUS_DIR
set -eu
SCRATCH=$(mktemp -d)
trap 'rm -rf "$SCRATCH"' EXIT
exec "$1" -max_total_time="$2" -print_final_stats=1 -artifact_prefix="$SCRATCH/" "$SCRATCH" "$3"
