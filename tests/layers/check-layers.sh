#!/usr/bin/env bash
# Each folder of the core includes only folders below it. Prints every include that points up
# and fails when there is one.
set -u
core="${1:?usage: check-layers.sh SRC_CORE_DIR}"
order=(io ui model profile periph tools output config app)
rank() { local i; for i in "${!order[@]}"; do [ "${order[$i]}" = "$1" ] && { echo "$i"; return; }; done; echo -1; }
bad=0
for dir in "${order[@]}"; do
    mine=$(rank "$dir")
    while IFS= read -r hit; do
        [ -n "$hit" ] || continue
        target=$(sed -E 's/.*#include "([a-z]+)\/.*/\1/' <<<"${hit#*:}")
        theirs=$(rank "$target")
        if [ "$theirs" -gt "$mine" ]; then
            echo "upward include: $hit"
            bad=$((bad + 1))
        fi
    done < <(grep -rnE '^#include "[a-z]+/' "$core/$dir" 2>/dev/null)
done
echo "layers: $bad upward includes"
[ "$bad" -eq 0 ]
