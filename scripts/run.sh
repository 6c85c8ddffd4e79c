#!/usr/bin/env bash
# Installs what is needed, builds Trakora and starts it replaying the demo
# log in step with the clock, with the position, satellite and sky-plot
# windows open for this run.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
scripts/build.sh
exec build/src/app/trakora --replay data/demo/demo.TKL --timed --show position,satellites,sky "$@"
