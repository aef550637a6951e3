# Sourced by tools/classroom-server and ./test: a throw-away PostgreSQL cluster in a folder of its
# own, listening on its own socket folder and on loopback only. The server refuses to run as
# root, so as root it runs as the unprivileged "nobody".

pg_bin() {
  local found
  found=$(ls -d /usr/lib/postgresql/*/bin 2>/dev/null | sort -V | tail -n 1)
  if [ -z "$found" ]; then
    echo "PostgreSQL's server programs are missing (Debian package postgresql)" >&2
    return 1
  fi
  echo "$found"
}

# Runs a command as the cluster's user.
pg_as_owner() {
  if [ "$(id -u)" -eq 0 ]; then
    runuser -u nobody -- "$@"
  else
    "$@"
  fi
}

# pg_cluster_start FOLDER PORT [tls]: makes the cluster on first use and starts it. The superuser
# is vestoria_owner, trusted on the socket folder only; loopback logins need a password. With
# "tls" the server also takes encrypted connections, with a certificate of its own made here.
pg_cluster_start() {
  local folder=$1 port=$2 tls=${3:-} bin options
  bin=$(pg_bin)
  mkdir -p "$folder"
  if [ "$(id -u)" -eq 0 ]; then chown nobody "$folder"; chmod 0755 "$folder"; fi
  if [ ! -f "$folder/data/PG_VERSION" ]; then
    pg_as_owner "$bin/initdb" -D "$folder/data" -U vestoria_owner -E UTF8 --locale=C.UTF-8 \
      --auth-local=trust --auth-host=scram-sha-256 >"$folder/initdb.log"
    pg_as_owner mkdir -p "$folder/socket"
  fi
  options="-p $port -k $folder/socket -c listen_addresses=127.0.0.1 -c max_connections=200"
  if [ "$tls" = tls ]; then
    if [ ! -f "$folder/data/server.key" ]; then
      pg_as_owner openssl req -new -x509 -days 2 -nodes -subj "/CN=localhost" -newkey rsa:2048 \
        -keyout "$folder/data/server.key" -out "$folder/data/server.crt" >/dev/null 2>&1
      pg_as_owner chmod 0600 "$folder/data/server.key"
    fi
    options="$options -c ssl=on"
  fi
  pg_as_owner "$bin/pg_ctl" -D "$folder/data" -l "$folder/server.log" -w -t 30 -o "$options" start >/dev/null
  local attempt
  for attempt in $(seq 1 50); do
    if pg_as_owner "$bin/psql" -h "$folder/socket" -p "$port" -U vestoria_owner -d postgres -Atqc "SELECT 1" \
         >/dev/null 2>&1; then
      break
    fi
    sleep 0.1
  done
  if ! pg_as_owner "$bin/psql" -h "$folder/socket" -p "$port" -U vestoria_owner -d postgres -Atqc \
       "SELECT 1 FROM pg_database WHERE datname = 'vestoria'" | grep -q 1; then
    pg_as_owner "$bin/createdb" -h "$folder/socket" -p "$port" -U vestoria_owner vestoria
  fi
}

# pg_cluster_stop FOLDER [MODE]: stops the cluster if it runs; MODE "immediate" stops it as a
# crash would, without a word to the clients.
pg_cluster_stop() {
  local folder=$1 mode=${2:-fast} bin
  bin=$(pg_bin) || return 0
  if [ -f "$folder/data/postmaster.pid" ]; then
    pg_as_owner "$bin/pg_ctl" -D "$folder/data" -m "$mode" -w stop >/dev/null 2>&1 || true
  fi
}

# The owner's connection string for a cluster.
pg_owner_connection() {
  echo "host=$1/socket port=$2 dbname=vestoria user=vestoria_owner"
}
