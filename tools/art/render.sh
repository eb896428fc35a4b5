#!/bin/sh
# Rebuilds the picture painter and repaints every picture in resources/art/.
# Needs qt6-base-dev, cmake, fonts-ipafont-gothic, fonts-ipafont-mincho and
# fonts-dejavu-core; extra arguments go to render_art (e.g. --sheet x.png).
set -eu
here=$(cd "$(dirname "$0")" && pwd)
root=$(cd "$here/../.." && pwd)
build=${ART_BUILD_DIR:-/tmp/art-build}

cmake -S "$here" -B "$build" -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$build" --parallel >/dev/null
QT_QPA_PLATFORM=offscreen "$build/render_art" "$root/resources/art" "$@"
