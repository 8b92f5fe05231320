#!/usr/bin/env bash
# A first start whose write of the skin library is cut off (a file size
# limit kills it halfway) must leave no SkinH_EL.dll behind; the next start
# then writes the whole library and runs.
set -uo pipefail
program=$1
folder=$(mktemp -d)
trap 'rm -rf "$folder"' EXIT
cp "$program" "$folder/mituling.exe"
cd "$folder"

( ulimit -f 40; exec timeout 60 /usr/lib/wine/wine64 mituling.exe >/dev/null 2>&1 )
echo "first start, limited to 40 KiB per file, ended with status $?"
if [ -e SkinH_EL.dll ]; then
  echo "FAIL: a cut-off write left SkinH_EL.dll of $(stat -c %s SkinH_EL.dll) bytes"
  exit 1
fi

timeout 60 /usr/lib/wine/wine64 mituling.exe >/dev/null 2>&1 &
started=$!
window=
for _ in $(seq 200); do
  window=$(xdotool search --name '正式版本' 2>/dev/null | head -1)
  [ -n "$window" ] && break
  sleep 0.1
done
[ -n "$window" ] || { echo "FAIL: the second start shows no splash window"; kill "$started"; exit 1; }
size=$(stat -c %s SkinH_EL.dll 2>/dev/null || echo none)
xdotool key --window "$window" Escape
wait "$started"
status=$?
leftovers=$(ls -A | grep -v -e '^mituling.exe$' -e '^SkinH_EL.dll$' || true)
echo "second start: SkinH_EL.dll has $size bytes, exit status $status, other files: ${leftovers:-none}"
[ "$size" = 88576 ] && [ "$status" = 0 ] && [ -z "$leftovers" ]
