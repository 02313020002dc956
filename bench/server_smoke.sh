#!/usr/bin/env bash
# The benchmark's small run on the tests' database server: a database of its
# own is made (anew) on the server QUARNEL_TEST_PG_URL names, filled through
# the benchmark's copy and searched there. Skipped (77) without a server.
#
#   server_smoke.sh QUARNEL_BENCH
set -euo pipefail
bench=$1
url=${QUARNEL_TEST_PG_URL:-}
if [ -z "$url" ]; then
  echo "no database server: QUARNEL_TEST_PG_URL is not set"
  exit 77
fi
psql_bin=$(command -v psql || ls /usr/lib/postgresql/*/bin/psql 2>/dev/null | tail -n 1)
PGOPTIONS="-c client_min_messages=warning" "$psql_bin" "$url" -X -q -v ON_ERROR_STOP=1 \
  -c "DROP DATABASE IF EXISTS quarnel_bench_smoke" -c "CREATE DATABASE quarnel_bench_smoke"
# postgresql://USER@/postgres?host=DIR → the same server, the new database.
bench_url=$(printf '%s' "$url" | sed -E 's#^(postgresql://[^/]*/)[^?]*#\1quarnel_bench_smoke#')
"$bench" --store "$bench_url" --listings 2000 --requests 1000 --entries 0 --repeat 1 \
  --case default_flags,kind_category,address_like,expiring_leases,code_rename,client_match
