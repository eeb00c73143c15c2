#!/usr/bin/env bash
# Launch-to-first-paint of trackmill on a private Xvfb over several runs: min, median and max, and what the idle
# program holds (resident memory, threads, OpenGL libraries mapped) and how often its threads wake while idle.
#
#   bench/launch-to-first-paint.sh [BUILD_DIR] [RUNS]      (defaults: build, 10)
set -euo pipefail
build=${1:-build}
runs=${2:-10}
probe=$(realpath -m "$build/bin/first-paint-probe")
program=$(realpath -m "$build/bin/trackmill")
for f in "$probe" "$program"; do [ -x "$f" ] || { echo "missing $f: build first" >&2; exit 2; }; done
command -v Xvfb >/dev/null || { echo "needs Xvfb" >&2; exit 2; }

for i in $(seq 100); do n=$((300 + RANDOM % 600)); [ -e /tmp/.X11-unix/X$n ] || [ -e /tmp/.X$n-lock ] || break; done
Xvfb :$n -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
trap 'kill $xvfb 2>/dev/null' EXIT
for i in $(seq 100); do [ -e /tmp/.X11-unix/X$n ] && break; sleep 0.05; done
export DISPLAY=:$n
unset TRACKMILL_HEADLESS

# The program writes its options beside itself; run a copy in a scratch folder so the build stays clean.
scratch=$(mktemp -d)
trap 'kill $xvfb 2>/dev/null; rm -rf "$scratch"' EXIT
cp "$program" "$scratch/"

times=()
last=
for r in $(seq "$runs"); do
  line=$(cd "$scratch" && "$probe" 1.5 "$scratch/trackmill")
  echo "run $r: $line"
  times+=("$(awk '{print $2}' <<<"$line")")
  last=$line
done
sorted=($(printf '%s\n' "${times[@]}" | sort -n))
count=${#sorted[@]}
if (( count % 2 )); then median=${sorted[count / 2]}; else median=$(( (sorted[count / 2 - 1] + sorted[count / 2]) / 2 )); fi
echo "launch to first paint over $count runs: min ${sorted[0]} ms, median $median ms, max ${sorted[count - 1]} ms"
read -r _ _ _ rss _ threads _ wakeups _ gl <<<"$last"
echo "idle after 1.5 s: resident $((rss / 1024)) MB, $threads threads, $wakeups thread wake-ups in the next second," \
  "OpenGL libraries mapped: $gl"
