#!/usr/bin/env bash
# Builds the product a second time in a fresh folder and compares the bytes
# of the program and its skin library with the main build's.
set -euo pipefail
top=$1
main_build=$2
second=$(mktemp -d)
trap 'rm -rf "$second"' EXIT
cmake -S "$top" -B "$second" -DCMAKE_TOOLCHAIN_FILE="$top/cmake/toolchain-i686.cmake" \
  -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF >/dev/null
cmake --build "$second" -j "$(nproc)" >/dev/null
status=0
for file in mituling.exe SkinH_EL.dll; do
  if cmp -s "$main_build/$file" "$second/$file"; then
    echo "same bytes: $file"
  else
    echo "differs between two builds: $file"
    status=1
  fi
done
exit $status
