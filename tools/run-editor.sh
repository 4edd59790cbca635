#!/usr/bin/env bash
# Installs what is missing, builds the editor and starts it on the bundled
# sample map. The editor works in run/, an application folder seeded from
# data/ on first use: files already there (the designer's work) are never
# overwritten, and data/ itself is never written.
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/install-dependencies.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j"$(nproc)" --target mapeditor mapedit
mkdir -p run
cp -Rn data/. run/
exec ./build/app/mapeditor --root run --map Default "$@"
