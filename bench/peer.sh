#!/bin/sh
# Runs the awk peer on a game folder: a copy to the backup, then the rewrite.
here=$(cd "$(dirname "$0")" && pwd)
cd "$1" || exit 1
cp LOTD.ini LOTD.ini.bak && sync LOTD.ini.bak &&
  awk -v header='[AdvancedEngine.AdvancedGameInfo]' -f "$here/peer.awk" LOTD.ini.bak > LOTD.ini &&
  cp Engine.int Engine.int.bak && sync Engine.int.bak &&
  awk -v header='[Progress]' -f "$here/peer.awk" Engine.int.bak > Engine.int
