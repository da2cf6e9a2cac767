#!/usr/bin/env bash
# Installs, builds and runs every test. A throw-away PostgreSQL cluster is
# started on a free local port for the server tests and stopped afterwards,
# also when tests fail.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
"$top/scripts/build.sh"

pgbin=$(ls -d /usr/lib/postgresql/*/bin 2>/dev/null | sort -V | tail -n 1)
pgdir=$(mktemp -d /tmp/zokamo-pg.XXXXXX)
as_pg() {
  if [ "$(id -u)" -eq 0 ]; then runuser -u postgres -- "$@"; else "$@"; fi
}
stop_pg() {
  if [ -f "$pgdir/data/postmaster.pid" ]; then
    as_pg "$pgbin/pg_ctl" -D "$pgdir/data" -m immediate stop >/dev/null 2>&1 || true
  fi
  rm -rf "$pgdir"
}
trap stop_pg EXIT

free_port() {
  python3 -c 'import socket; s=socket.socket(); s.bind(("127.0.0.1",0)); print(s.getsockname()[1]); s.close()'
}

if [ -n "$pgbin" ]; then
  [ "$(id -u)" -eq 0 ] && chown postgres "$pgdir"
  port=$(free_port)
  as_pg "$pgbin/initdb" -D "$pgdir/data" -U postgres --auth=trust -E UTF8 --locale=C.UTF-8 >/dev/null
  as_pg "$pgbin/pg_ctl" -D "$pgdir/data" -l "$pgdir/server.log" -w \
    -o "-p $port -k $pgdir -c listen_addresses=127.0.0.1 -c fsync=off -c max_connections=200" start >/dev/null
  export ZOKAMO_TEST_PG="127.0.0.1:$port:postgres"
  echo "PostgreSQL test server on port $port"
else
  echo "PostgreSQL is not installed: server tests are skipped" >&2
fi

cd "$top/build"
QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j 2 "$@"
