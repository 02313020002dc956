#!/usr/bin/env bash
# Installs what Quarnel needs, builds it and starts it on the office folder
# ($QUARNEL_HOME, or ~/.local/share/quarnel), creating the database there on
# first start.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DQUARNEL_TESTS=OFF -DQUARNEL_BENCH=OFF
ninja -C build -j2 quarnel
exec ./build/quarnel "$@"
