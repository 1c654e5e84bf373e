#!/usr/bin/env bash
# Folders read bottom-up: a folder includes headers of its own and of the folders below it only
# (the builders of data/ may use greek/ and platform/). Names each include that reaches up.
set -euo pipefail
cd "${1:-$(dirname "$0")/..}"
order=(platform greek app widgets vocab paradigm mainwin start)
declare -A rank
for i in "${!order[@]}"; do
    rank[${order[$i]}]=$i
done
rank[data]=${rank[greek]}

status=0
for folder in "${order[@]}" data; do
    [ -d "$folder" ] || continue
    while IFS=: read -r file line text; do
        included=${text#\#include \"}
        included=${included%%/*}
        if [ "$included" != "$folder" ] && [ "${rank[$included]:-99}" -gt "${rank[$folder]}" ]; then
            echo "$file:$line: $folder/ includes $included/, above it"
            status=1
        fi
    done < <(grep -rnE --include='*.h' --include='*.cpp' '^#include "[^"]*/' "$folder" || true)
done
exit $status
