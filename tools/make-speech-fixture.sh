#!/usr/bin/env bash
# Makes the committed speech fixture tests/data/speech8k.wav (8000 Hz, 16-bit, mono) with espeak-ng and sox.
# Run once; the result is committed so tests never depend on the synthesiser's version.
set -euo pipefail
out=${1:-"$(dirname "$0")/../tests/data/speech8k.wav"}
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
espeak-ng -v en -s 150 -w "$tmp/voice.wav" \
  "The quick brown fox jumps over the lazy dog. Seven silver swans swam silently seaward."
sox "$tmp/voice.wav" -r 8000 -c 1 -b 16 -e signed-integer "$out" norm -3
