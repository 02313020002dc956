#!/usr/bin/env bash
# A private PostgreSQL server for the tests: a cluster made in DIR, listening
# only on a Unix socket inside DIR (no TCP), run by an unprivileged user when
# this runs as root.
#
#   pg-test-cluster.sh start DIR   prints the server's URL on its last line
#   pg-test-cluster.sh stop DIR    stops the server (DIR stays; remove it)
#
# The URL names the database "postgres"; the tests make a database of their
# own for each test on it.
set -euo pipefail

command=${1:-}
dir=${2:-}
if [ -z "$command" ] || [ -z "$dir" ]; then
  echo "usage: $0 start|stop DIR" >&2
  exit 2
fi

bindir=""
for candidate in /usr/lib/postgresql/*/bin; do
  [ -x "$candidate/initdb" ] && bindir=$candidate
done
if [ -z "$bindir" ]; then
  echo "pg-test-cluster: PostgreSQL is not installed (Debian package postgresql)" >&2
  exit 3
fi

# The server refuses to run as root; the cluster then belongs to nobody.
as_owner() {
  if [ "$(id -u)" -eq 0 ]; then
    runuser -u nobody -- "$@"
  else
    "$@"
  fi
}

owner=$(if [ "$(id -u)" -eq 0 ]; then echo nobody; else id -un; fi)

case "$command" in
  start)
    mkdir -p "$dir"
    dir=$(cd "$dir" && pwd)
    if [ "$(id -u)" -eq 0 ]; then
      chown nobody:nogroup "$dir"
      # The folder must be reachable for nobody on its way down.
      chmod 0755 "$dir"
      if ! runuser -u nobody -- test -x "$dir"; then
        echo "pg-test-cluster: $dir cannot be reached by user nobody (a parent folder is private)" >&2
        exit 1
      fi
    fi
    as_owner "$bindir/initdb" -D "$dir/data" -U "$owner" -A trust -E UTF8 --locale=C.UTF-8 \
      --no-sync >"$dir/initdb.log" 2>&1 || {
      cat "$dir/initdb.log" >&2
      exit 1
    }
    as_owner "$bindir/pg_ctl" -D "$dir/data" -l "$dir/server.log" -w -t 60 \
      -o "-c listen_addresses='' -c unix_socket_directories='$dir' -c fsync=off \
          -c synchronous_commit=off -c full_page_writes=off -c max_connections=200" \
      start >/dev/null || {
      cat "$dir/server.log" >&2
      exit 1
    }
    echo "postgresql://$owner@/postgres?host=$dir"
    ;;
  stop)
    if [ -f "$dir/data/postmaster.pid" ]; then
      as_owner "$bindir/pg_ctl" -D "$dir/data" -m immediate -w stop >/dev/null
    fi
    ;;
  *)
    echo "usage: $0 start|stop DIR" >&2
    exit 2
    ;;
esac
