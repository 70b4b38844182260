#!/bin/sh
# The floor: what any updater must do at the least. For each game file, a
# copy to the backup, the backup forced to the disk, and a copy back.
cd "$1" || exit 1
for f in LOTD.ini Engine.int; do
  cat "$f" > "$f.bak" && sync "$f.bak" && cat "$f.bak" > "$f" || exit 1
done
