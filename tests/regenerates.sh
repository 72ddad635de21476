#!/usr/bin/env bash
# Makes a generated file again and compares it byte for byte with the committed one.
#   regenerates.sh COMMITTED GENERATED COMMAND...   COMMAND writes GENERATED
set -euo pipefail
committed=$1
generated=$2
shift 2
mkdir -p "$(dirname "$generated")"
rm -f "$generated"
"$@"
if ! cmp "$generated" "$committed"; then
    echo "$committed differs from what '$*' makes; compare it with $generated" >&2
    exit 1
fi
echo "$committed regenerates byte for byte"
