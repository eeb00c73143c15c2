#!/usr/bin/env bash
# Fails when a source file includes a header from a layer that tools/layers.txt does not allow its own layer.
set -euo pipefail
cd "$(dirname "$0")/.."
git ls-files --cached --others --exclude-standard -- '*.h' '*.hpp' '*.c' '*.cpp' | awk -v table=tools/layers.txt '
function fail(message) { print message > "/dev/stderr"; failures++ }
# The layer of a path: the longest folder of the table that holds it; "" when none does.
function layer_of(path,    folder) {
    folder = path
    while (sub(/\/[^\/]*$/, "", folder)) if (folder in layers) return folder
    return ""
}
# "a/b/../c/./d.h" as "a/c/d.h".
function normal(path,    n, parts, out, i, k) {
    n = split(path, parts, "/")
    k = 0
    for (i = 1; i <= n; i++) {
        if (parts[i] == "." || parts[i] == "") continue
        if (parts[i] == ".." && k > 0) { k--; continue }
        out[++k] = parts[i]
    }
    path = out[1]
    for (i = 2; i <= k; i++) path = path "/" out[i]
    return path
}
BEGIN {
    while ((getline line < table) > 0) {
        sub(/#.*/, "", line)
        if (line !~ /:/) continue
        name = line; sub(/:.*/, "", name); gsub(/[ \t]/, "", name)
        layers[name] = 1
        rest = line; sub(/^[^:]*:/, "", rest)
        n = split(rest, allowed, /[ \t]+/)
        for (i = 1; i <= n; i++) if (allowed[i] != "") may[name, allowed[i]] = 1
    }
    close(table)
}
{
    files[$0] = 1
    order[++count] = $0
    # Headers found through an include folder are known by the end of their path, when only one file ends so.
    tail = $0
    while (sub(/^[^\/]*\//, "", tail)) {
        known = tail in by_tail
        by_tail[tail] = known ? "" : $0
    }
}
END {
    for (f = 1; f <= count; f++) {
        file = order[f]
        own = layer_of(file)
        if (own == "") { fail(file ": in no layer of " table); continue }
        dir = file; sub(/\/[^\/]*$/, "", dir)
        number = 0
        while ((getline line < file) > 0) {
            number++
            if (line !~ /^[ \t]*#[ \t]*include[ \t]*"/) continue
            name = line; sub(/^[^"]*"/, "", name); sub(/".*/, "", name)
            target = normal(dir "/" name)
            if (!(target in files)) target = normal(name)
            if (!(target in files) && by_tail[normal(name)] != "") target = by_tail[normal(name)]
            if (!(target in files)) { fail(file ":" number ": includes \"" name "\", which is no file of the tree"); continue }
            theirs = layer_of(target)
            if (theirs == own || (own, theirs) in may || (own, "*") in may) continue
            fail(file ":" number ": includes \"" name "\" (" (theirs == "" ? "no layer" : theirs) "), which " own " may not")
        }
        close(file)
    }
    if (failures) { print failures " include(s) break the layers of " table > "/dev/stderr"; exit 1 }
}'
