#!/usr/bin/env bash
# Sets up, builds and shows the bundled sample dump.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
scripts/build.sh build
build/valta9-cli show build/sample/sample.drn
