#!/usr/bin/env bash
# Regenerates teskenc/codec/TeskaTrainedCodebooks.cpp: synthesises a speech corpus with espeak-ng and sox
# (several voices, speeds and pitches; none of the sentences of the test fixture) and trains the codebooks on it.
# Usage: tools/teska-codebooks/make-codebooks.sh <build-dir>   (the build must contain teska-codebook-generator)
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
build=${1:?usage: make-codebooks.sh <build-dir>}
out="$here/../../teskenc/codec/TeskaTrainedCodebooks.cpp"
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT

voices=(en-gb en-us en-gb-scotland en-gb-x-rp en-029 en-gb-x-gbcwmd de fr es it nl)
variants=("-s 140 -p 35" "-s 170 -p 60" "-s 120 -p 75")
n=0
while IFS= read -r sentence; do
  [[ -z "$sentence" ]] && continue
  # Each sentence twice, by two voices at two speeds and pitches.
  for take in 0 1; do
    voice=${voices[$(((n + 5 * take) % ${#voices[@]}))]}
    variant=${variants[$(((n + take) % ${#variants[@]}))]}
    # shellcheck disable=SC2086
    espeak-ng -v "$voice" $variant -w "$tmp/voice.wav" "$sentence"
    # No dither: the corpus, and so the tables, must come out the same on every run.
    sox -D "$tmp/voice.wav" -r 8000 -c 1 -b 16 -e signed-integer -t raw "$tmp/$(printf '%03d-%d' "$n" "$take").raw" norm -3
  done
  n=$((n + 1))
done < "$here/corpus.txt"

"$build/bin/teska-codebook-generator" "$tmp"/*.raw > "$tmp/codebooks.cpp"
mv "$tmp/codebooks.cpp" "$out"
echo "wrote $out from $n utterances"
