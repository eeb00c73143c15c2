#!/usr/bin/env bash
# Installs a build into a temporary prefix and runs the installed programs as a user would: finchenc encodes and
# decodes a speech fixture, trackmill opens headless and closes again; the desktop entry validates. The install must
# stay as installed: a program that may not write beside itself keeps its own files (options.ini) in the per-user
# folder.
# Usage: tools/check-install.sh <build-dir>
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${1:?usage: check-install.sh <build-dir>}
scratch=$(mktemp -d)
trap 'chmod -R u+w "$scratch"; rm -rf "$scratch"' EXIT
chmod 755 "$scratch"
prefix=$scratch/prefix home=$scratch/home work=$scratch/work
mkdir -p "$home" "$work"

cmake --install "$build" --prefix "$prefix" >/dev/null
for file in lib/trackmill/trackmill lib/trackmill/finchenc lib/trackmill/teskenc lib/trackmill/rs \
  lib/trackmill/rc.txt bin/trackmill bin/finchenc bin/teskenc share/applications/trackmill.desktop \
  share/icons/hicolor/48x48/apps/trackmill.png; do
  [ -e "$prefix/$file" ] || { echo "install: $file missing" >&2; exit 1; }
done
# The application menu takes only an entry that validates, and finds its program on PATH and its icon by name.
desktop-file-validate "$prefix/share/applications/trackmill.desktop"
grep -qx 'Exec=trackmill' "$prefix/share/applications/trackmill.desktop"
grep -qx 'Icon=trackmill' "$prefix/share/applications/trackmill.desktop"

# Root may write anywhere, so as root the programs run as nobody; anyone else simply cannot write the locked prefix.
if [ "$(id -u)" -eq 0 ]; then
  chown 65534:65534 "$home" "$work"
  as_user() { setpriv --reuid=65534 --regid=65534 --clear-groups -- "$@"; }
else
  chmod -R a-w "$prefix"
  as_user() { "$@"; }
fi
installed() { (cd "$prefix" && find . -printf '%p %y %s %T@\n' | sort); }
before=$(installed)
cp "$root/tests/data/speech8k.wav" "$work/in.wav"
chmod 644 "$work/in.wav"
user_env=(env -u DISPLAY -u WAYLAND_DISPLAY HOME="$home" XDG_CONFIG_HOME="$home/config" XDG_CACHE_HOME="$home/cache")

output=$(cd "$work" && as_user "${user_env[@]}" "$prefix/bin/finchenc" 24 in.wav out.fnc out.wav)
grep -q 'Synthesized wavefile : out.wav' <<<"$output" || { echo "finchenc: unexpected output" >&2; exit 1; }
[ -s "$work/out.fnc" ] && [ -s "$work/out.wav" ] || { echo "finchenc: no output files" >&2; exit 1; }

# The headless presenter closes the main window half a second after it showed; closing saves the options.
(cd "$work" && as_user "${user_env[@]}" TRACKMILL_HEADLESS=1 TRACKMILL_HEADLESS_CLOSE_AFTER_MS=500 \
  timeout 60 "$prefix/bin/trackmill") || { echo "trackmill: exit status $?" >&2; exit 1; }

if [ "$(installed)" != "$before" ]; then
  echo "install: the installed files changed:" >&2
  diff <(echo "$before") <(installed) >&2 || true
  exit 1
fi
[ -s "$home/config/trackmill/options.ini" ] || { echo "trackmill: options.ini not in the per-user folder" >&2; exit 1; }
echo "install check: finchenc and trackmill ran from $prefix; nothing written there"
