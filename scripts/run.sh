#!/usr/bin/env bash
# Installs what is needed, builds Trakora and starts it replaying the sample
# log in step with the clock.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
scripts/build.sh
exec build/src/app/trakora --replay tests/data/sample.TKL --timed "$@"
