#!/usr/bin/env bash
# Draws tolvane.ico: a blue tile with a light menu bar across its top and three text lines dropping out of
# it. Each size is drawn on its own pixel grid so the small ones stay sharp. Needs ImageMagick.
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT

frames=()
for size in 16 24 32 48 256; do
  s() { echo $(( $1 * size / 16 )); }  # design grid is 16 x 16
  last=$(( size - 1 ))
  convert -size "${size}x${size}" xc:none \
    -fill '#1f5fa8' -draw "roundrectangle 0,0 $last,$last $(s 3),$(s 3)" \
    -fill '#e8eef6' -draw "rectangle $(s 2),$(s 2) $(( $(s 14) - 1 )),$(( $(s 5) - 1 ))" \
    -fill '#1f5fa8' -draw "rectangle $(s 3),$(s 3) $(( $(s 6) - 1 )),$(( $(s 4) - 1 ))" \
    -fill '#ffffff' -draw "rectangle $(s 5),$(s 7) $(( $(s 13) - 1 )),$(( $(s 8) - 1 ))" \
    -fill '#ffffff' -draw "rectangle $(s 5),$(s 10) $(( $(s 12) - 1 )),$(( $(s 11) - 1 ))" \
    -fill '#ffffff' -draw "rectangle $(s 5),$(s 13) $(( $(s 10) - 1 )),$(( $(s 14) - 1 ))" \
    -fill '#f2b233' -draw "rectangle $(s 3),$(s 7) $(( $(s 4) - 1 )),$(( $(s 14) - 1 ))" \
    "PNG32:$work/$size.png"
  frames+=("$work/$size.png")
done
# The 256 pixel frame stays PNG-compressed inside the icon; the others are stored as bitmaps.
convert "${frames[@]}" "$here/tolvane.ico"
echo "make-icon: wrote $here/tolvane.ico"
