#!/usr/bin/env bash
# Packs the program icons that drawpictures draws into ui/icons/xiangqi.ico, the icon of the
# Windows executable. Run it after drawpictures whenever the icons change, and commit the result.
set -euo pipefail
cd "$(dirname "$0")/../ui/icons"
convert xiangqi.png xiangqi-48.png xiangqi-64.png xiangqi-128.png xiangqi-256.png xiangqi.ico
