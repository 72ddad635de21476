#!/usr/bin/env bash
# Fetches the pinned pinyin-pro into a scratch folder and writes the pinyin table from it.
#   pinyin_source.sh SCRATCH_DIR OUTPUT
set -euo pipefail
tools=$(cd "$(dirname "$0")/../tools" && pwd)
rm -rf "$1"
mkdir -p "$1"
cp "$tools/package.json" "$tools/package-lock.json" "$1/"
# npm ci installs exactly what the lock file names and checks the package's integrity hash.
(cd "$1" && npm ci --ignore-scripts --no-audit --no-fund --loglevel=error)
node "$tools/gen_pinyin.mjs" "$1/node_modules/pinyin-pro" "$2"
