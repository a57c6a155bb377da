#!/usr/bin/env bash
# Draws the main window's 160 x 60 banner (our own artwork) into resources/banner/BANNER.jpg.
# Needs ImageMagick (/usr/bin/convert) and the WenQuanYi Zen Hei and DejaVu fonts.
set -euo pipefail
cd "$(dirname "$0")/../.."
out=resources/banner/BANNER.jpg
cjk=/usr/share/fonts/truetype/wqy/wqy-zenhei.ttc
latin=/usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf
/usr/bin/convert -size 160x60 \
    gradient:'#2b5fb3'-'#7a3fb0' \
    -fill '#ffffff22' -draw 'circle 140,12 170,12' -draw 'circle 18,58 40,58' \
    -fill '#ffd95a' -draw 'ellipse 22,34 7,6 0,360' \
    -draw 'ellipse 13,24 3,4 0,360' -draw 'ellipse 19,19 3,4 0,360' \
    -draw 'ellipse 26,19 3,4 0,360' -draw 'ellipse 32,24 3,4 0,360' \
    -font "$latin" -pointsize 15 -fill '#00000055' -annotate +44+24 'QorvinVantor' \
    -fill white -annotate +43+23 'QorvinVantor' \
    -font "$cjk" -pointsize 12 -fill '#00000055' -annotate +45+46 '宠物专区 · 点我进入' \
    -fill '#ffe680' -annotate +44+45 '宠物专区 · 点我进入' \
    -stroke '#ffffff80' -fill none -draw 'roundrectangle 0,0 159,59 6,6' \
    -strip -sampling-factor 4:2:0 -quality 88 "$out"
echo "wrote $out"
