#!/usr/bin/env bash
# Runs the benchmarks against an existing build: bench/run.sh BUILD_DIR [ARGS...]
# Extra arguments go to parse_throughput (for example --size-mb 5 --no-large).
set -euo pipefail

build="${1:-build}"
shift || true
if [ ! -x "./$build/parse_throughput" ]; then
  echo "bench/run.sh: ./$build/parse_throughput not found; build first (make build)" >&2
  exit 1
fi
exec "./$build/parse_throughput" "$@"
