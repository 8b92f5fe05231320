#!/usr/bin/env bash
# Starts the program for the first time in a folder nobody may write to
# (immutable, so root too is refused) and lets the driver check the outcome.
set -uo pipefail
top=$1
program=$2
driver=$3
folder=$(mktemp -d)
cp "$program" "$folder/mituling.exe"
chattr +i "$folder" || { echo "chattr +i is not possible here"; rm -rf "$folder"; exit 1; }
MITU_READONLY_FOLDER=$folder "$top/tools/wine-run" "$driver" --gtest_filter='ReadOnlyFolder.*'
status=$?
chattr -i "$folder"
rm -rf "$folder"
exit $status
