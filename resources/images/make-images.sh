#!/usr/bin/env bash
# Rebuilds the program's images (resources/images/*.png and resources/tolvane.ico) from the pixel art in
# resources/images/src/glyphs.art and the drawing code in tools/imagegen, and writes contact sheets at 100 % and
# 400 % into build/imagegen-preview for looking at them on the menu gradients.
set -euo pipefail
root="$(cd "$(dirname "$0")/../.." && pwd)"
cd "$root"
cmake --preset native >/dev/null
cmake --build --preset native --target tolvane_imagegen >/dev/null
build/native/tools/imagegen/tolvane_imagegen "$root" --preview build/imagegen-preview
echo "make-images: wrote resources/images/*.png and resources/tolvane.ico; previews in build/imagegen-preview"
