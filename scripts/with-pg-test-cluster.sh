#!/usr/bin/env bash
# Runs a command with a private PostgreSQL server for the tests: the server is
# made in a temporary folder, its URL exported as QUARNEL_TEST_PG_URL, and it
# is stopped and removed when the command ends, however it ends. Without
# PostgreSQL installed the command runs without the server (the tests on it
# are then skipped, each saying why).
set -uo pipefail
here=$(cd "$(dirname "$0")" && pwd)
pg_dir=$(mktemp -d)
chmod 0755 "$pg_dir"
stop_pg() {
  bash "$here/pg-test-cluster.sh" stop "$pg_dir/cluster" || true
  rm -rf "$pg_dir"
}
trap stop_pg EXIT
trap 'exit 130' INT TERM
if url=$(bash "$here/pg-test-cluster.sh" start "$pg_dir/cluster" | tail -n 1) && [ -n "$url" ]; then
  export QUARNEL_TEST_PG_URL="$url"
  echo "tests: database server at $url"
else
  unset QUARNEL_TEST_PG_URL
  echo "tests: no database server; the tests on it are skipped"
fi
"$@"
