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
# A private database server for the tests that run on both engines, stopped
# on the way out whatever happens.
pg_dir=$(mktemp -d)
chmod 0755 "$pg_dir"
stop_pg() {
  bash scripts/pg-test-cluster.sh stop "$pg_dir/cluster" || true
  rm -rf "$pg_dir"
}
trap stop_pg EXIT
if url=$(bash scripts/pg-test-cluster.sh start "$pg_dir/cluster" | tail -n 1); then
  export QUARNEL_TEST_PG_URL="$url"
  echo "test: database server at $url"
else
  echo "test: no database server; the tests on it are skipped"
fi
QT_QPA_PLATFORM=offscreen ctest --test-dir build --output-on-failure -j2
