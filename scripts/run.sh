#!/usr/bin/env bash
# Sets up Umbrant if needed, then shows the default document's eclipse map:
# in the desktop program when a display is available, as a PNG file otherwise.
set -euo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build=${UMBRANT_BUILD_DIR:-$root/build}
"$root/scripts/setup.sh"

"$build/bin/umbrant-cli" info
mkdir -p "$root/out"
png=$root/out/umbrant-default.png
"$build/bin/umbrant-cli" render -o "$png" --size 1600x1000
if [ -n "${DISPLAY:-}" ] || [ -n "${WAYLAND_DISPLAY:-}" ]; then
    exec "$build/bin/umbrant"
fi
