#!/usr/bin/env bash
# The main job on the bundled sample store: copies samples/store into a scratch working folder,
# runs the full index there and shows what it wrote.
set -euo pipefail
cd "$(dirname "$0")/.."
cli="$PWD/build/release/src/torvane-cli"
scratch="$PWD/build/sample-run"
rm -rf "$scratch"
mkdir -p "$scratch"
cp -r samples/store/Drivers "$scratch/"
cd "$scratch"
"$cli" full-index 'Drivers\Files'
echo
echo "== IndexList.txt (first lines), in $scratch =="
iconv -f GBK -t UTF-8 IndexList.txt | head -n 8
echo "== a hardware ID served by four drivers, newest first =="
"$cli" lookup 'PCI\VEN_10EC&DEV_8168'
