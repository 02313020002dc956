#!/usr/bin/env bash
# Installs what Quarnel needs, builds it with its tests and runs every test
# headless. With CI=true warnings are errors.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
werror=OFF
if [ "${CI:-}" = "true" ]; then werror=ON; fi
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DQUARNEL_WERROR="$werror" \
      -DQUARNEL_TESTS=ON -DQUARNEL_BENCH=ON
ninja -C build -j2
# The tests run on SQLite and, beside it, on a private database server.
bash scripts/with-pg-test-cluster.sh env QT_QPA_PLATFORM=offscreen \
  ctest --test-dir build --output-on-failure -j2
