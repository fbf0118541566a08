#!/usr/bin/env bash
# The folders under src/ include one another one way only: each folder may
# include the folders listed for it and itself, nothing above. The
# composition root (program/) and the Qt front end sit on top.
set -euo pipefail
src="$1"
declare -A allowed=(
  [platform]="platform"
  [app]="platform app"
  [settings]="platform app settings"
  [options]="platform app options"
  [windows]="platform app windows"
  [calc]="platform app settings options calc"
)
failed=0
for folder in "${!allowed[@]}"; do
  while IFS= read -r line; do
    included="${line#*#include \"}"
    included="${included%%/*}"
    case " ${allowed[$folder]} " in
      *" $included "*) ;;
      *) echo "src/$folder may not include $included/: $line"; failed=1 ;;
    esac
  done < <(grep -rnE '^#include "(platform|app|settings|options|windows|calc|program|ui_qt)/' "$src/$folder" || true)
done
[ "$failed" -ne 0 ] || echo "passed"
exit "$failed"
