#!/usr/bin/env bash
# Requests per second and latency of Kolvane's web server answering a small page over kept-alive
# connections, next to nginx (one worker) serving the same bytes, both on 127.0.0.1 and both
# loaded by wrk with the same settings. One command:
#   bash bench/run-web-benchmark.sh [seconds per run, default 10] [connections, default 50]
# Installs wrk and nginx from Debian when missing (not part of tools/setup.sh: CI does not run
# benchmarks). On a machine where installing nginx starts its system service, that service is
# left alone; this script runs its own nginx on its own port.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cd "$root"
seconds=${1:-10}
connections=${2:-50}
kolvane_port=18080
nginx_port=18081

missing=()
command -v wrk >/dev/null || missing+=(wrk)
command -v nginx >/dev/null || [[ -x /usr/sbin/nginx ]] || missing+=(nginx)
if ((${#missing[@]})); then
  sudo_cmd=()
  [[ $(id -u) -eq 0 ]] || sudo_cmd=(sudo)
  export DEBIAN_FRONTEND=noninteractive
  "${sudo_cmd[@]}" apt-get update -q >/dev/null
  "${sudo_cmd[@]}" apt-get install -y -q --no-install-recommends "${missing[@]}" >/dev/null
fi
nginx_bin=$(command -v nginx || echo /usr/sbin/nginx)

build=$root/build/bench
cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=Release -DKOLVANE_TESTS=OFF -DKOLVANE_SANITIZE=OFF \
  >/dev/null
cmake --build "$build" -j 2 --target web_bench_server >/dev/null

work=$build/run
rm -rf "$work"
mkdir -p "$work/www" "$work/nginx"
# A small page of the size the web interface's pages have.
{
  echo '<!DOCTYPE html><html><head><meta charset="utf-8"><title>Kolvane</title></head><body>'
  for i in $(seq 1 8); do
    echo "<p>Row $i: the quick brown fox jumps over the lazy dog.</p>"
  done
  echo '</body></html>'
} >"$work/www/index.html"

cat >"$work/nginx/nginx.conf" <<CONF
daemon off;
worker_processes 1;
user root;
pid $work/nginx/nginx.pid;
error_log $work/nginx/error.log;
events { worker_connections 1024; }
http {
  access_log off;
  sendfile on;
  tcp_nodelay on;
  open_file_cache max=16;
  keepalive_requests 1000000;
  keepalive_timeout 60s;
  client_body_temp_path $work/nginx/body;
  proxy_temp_path $work/nginx/proxy;
  fastcgi_temp_path $work/nginx/fastcgi;
  uwsgi_temp_path $work/nginx/uwsgi;
  scgi_temp_path $work/nginx/scgi;
  types { text/html html; }
  server {
    listen 127.0.0.1:$nginx_port;
    root $work/www;
    location / { try_files /index.html =404; }
  }
}
CONF

pids=()
cleanup() {
  local pid
  for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
  for pid in "${pids[@]}"; do wait "$pid" 2>/dev/null || true; done
}
trap cleanup EXIT

wait_port() {
  local tries
  for tries in $(seq 100); do
    curl -s -o /dev/null "http://127.0.0.1:$1/" && return 0
    sleep 0.1
  done
  echo "bench: nothing answers on port $1" >&2
  return 1
}

"$build/bin/web_bench_server" "$kolvane_port" "$work/www/index.html" >"$work/kolvane.log" 2>&1 &
pids+=($!)
"$nginx_bin" -p "$work/nginx" -c "$work/nginx/nginx.conf" >"$work/nginx/stdout.log" 2>&1 &
pids+=($!)
wait_port "$kolvane_port"
wait_port "$nginx_port"

kolvane_bytes=$(curl -s "http://127.0.0.1:$kolvane_port/" | sha256sum)
nginx_bytes=$(curl -s "http://127.0.0.1:$nginx_port/" | sha256sum)
[[ $kolvane_bytes == "$nginx_bytes" ]] || { echo "bench: the two servers send different bodies" >&2; exit 1; }

# One wrk thread against one serving thread (ours) or one worker (nginx): two cores in all.
run() {
  wrk -t1 -c"$connections" -d"${seconds}s" --latency "http://127.0.0.1:$1/" >"$work/$2.wrk"
  local rps p50 p99
  rps=$(awk '/^Requests\/sec:/ {print $2}' "$work/$2.wrk")
  p50=$(awk '$1 == "50%" {print $2}' "$work/$2.wrk")
  p99=$(awk '$1 == "99%" {print $2}' "$work/$2.wrk")
  printf '%-8s %12s req/s   latency p50 %8s   p99 %8s\n' "$2" "$rps" "$p50" "$p99"
  echo "$rps" >"$work/$2.rps"
}

echo "page: $(wc -c <"$work/www/index.html") bytes, ${connections} kept-alive connections, ${seconds}s per run"
wrk -t1 -c"$connections" -d2s "http://127.0.0.1:$kolvane_port/" >/dev/null  # warm-up
wrk -t1 -c"$connections" -d2s "http://127.0.0.1:$nginx_port/" >/dev/null
run "$kolvane_port" kolvane
run "$nginx_port" nginx
awk -v k="$(cat "$work/kolvane.rps")" -v n="$(cat "$work/nginx.rps")" \
  'BEGIN { printf "ratio    kolvane / nginx = %.2f\n", k / n }'
