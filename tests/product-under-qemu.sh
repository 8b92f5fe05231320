#!/usr/bin/env bash
# Runs the smoke test of the 32-bit product under wine64's WoW64, its 32-bit
# code going through user-mode qemu in a namespace of the test's own, with a
# Wine prefix of its own. Where this machine cannot do that, the test is
# skipped (exit code 77) and says why.
#   product-under-qemu.sh PROJECT_DIR SMOKE_TEST_EXE PRODUCT_EXE
set -uo pipefail
top=$1 smoke_test=$2 product=$3

if [ "${4:-}" != --inside ]; then
  if ! reason=$("$top/tools/i386-namespace" --check); then
    echo "Skipped: $reason"
    exit 77
  fi
  exec "$top/tools/i386-namespace" bash "$0" "$top" "$smoke_test" "$product" --inside
fi

source "$top/tools/wine-env.sh"
trap mitu_stop EXIT
mitu_prepare_prefix "$top/build/wow64-prefix"
MITU_PROGRAM=$product "$top/tools/wine-run" "$smoke_test"
