#!/bin/sh
# Draws the program's pictures: the window banner, the program icon and the tray menu's picture strip.
# Run from anywhere; writes banner.jpg, Zelta.ico and il_zelta.bmp beside this script. The outputs are committed,
# so the build itself needs no ImageMagick. The drawing is fixed (no randomness): a rerun gives the same pictures.
set -eu

# ImageMagick's own convert, never another program of that name earlier in PATH.
IM=/usr/bin/convert
here=$(cd "$(dirname "$0")" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# --- Banner: 700 x 117, dark blue, lighter towards the middle, a faint network of nodes and links ------------------
# The labels sit at the left (the activated profile) and the right (the machine summary), so the motif is strongest in
# the middle and fades out under the text.
$IM -size 117x350 gradient:'#0a1a36'-'#164173' -rotate -90 "$work/left.png"
$IM "$work/left.png" -flop "$work/right.png"
$IM "$work/left.png" "$work/right.png" +append "$work/base.png"
# Darker towards the bottom edge, so the banner sits apart from the panels below it.
$IM -size 700x117 gradient:'#00000000'-'#00000066' "$work/shade.png"

# Node positions (x,y) and the links between them, by node number.
nodes="150,30 205,78 262,22 300,64 352,96 378,40 430,70 470,18 512,88 560,48 236,104 410,12"
links="0-1 0-2 1-3 2-3 2-5 3-4 3-5 4-6 5-6 5-7 6-8 7-9 8-9 1-10 10-4 5-11 11-7 6-9"
draw_links=""
draw_nodes=""
for link in $links; do
    a=${link%-*}
    b=${link#*-}
    pa=$(echo "$nodes" | cut -d' ' -f$((a + 1)))
    pb=$(echo "$nodes" | cut -d' ' -f$((b + 1)))
    draw_links="$draw_links line $pa $pb"
done
for p in $nodes; do
    x=${p%,*}
    y=${p#*,}
    draw_nodes="$draw_nodes circle $x,$y $((x + 3)),$y"
done
$IM -size 700x117 xc:none -stroke '#9cc8ff' -strokewidth 1 -fill none -draw "$draw_links" \
    -stroke '#bfe0ff' -fill '#6fa8e8' -draw "$draw_nodes" -channel A -evaluate multiply 0.35 +channel \
    "$work/net.png"
# A horizontal mask that keeps the motif in the middle and lets it fade to nothing under the text.
$IM -size 117x175 gradient:black-white -rotate -90 "$work/ramp.png"
$IM "$work/ramp.png" \( -size 350x117 xc:white \) \( "$work/ramp.png" -flop \) +append "$work/mask.png"
$IM "$work/net.png" \( +clone -alpha extract "$work/mask.png" -compose multiply -composite \) \
    -compose copy_opacity -composite "$work/netmasked.png"
# A thin light line along the bottom edge.
$IM "$work/base.png" "$work/netmasked.png" -compose over -composite "$work/shade.png" -compose over -composite \
    -fill '#3d7cc4' -draw 'rectangle 0,115 699,116' \
    -strip -interlace none -sampling-factor 4:4:4 -quality 92 "$here/banner.jpg"

# --- Program icon: a blue tile with three linked nodes, drawn large and scaled to 48, 32 and 16 ---------------------
$IM -size 256x256 xc:none \
    -fill '#1d5fae' -stroke '#0e3a72' -strokewidth 8 -draw 'roundrectangle 12,12 243,243 40,40' \
    -stroke white -strokewidth 18 -fill none -draw 'line 128,70 66,182 line 128,70 190,182 line 66,182 190,182' \
    -stroke '#0e3a72' -strokewidth 6 -fill white \
    -draw 'circle 128,70 128,32 circle 66,182 66,144 circle 190,182 190,144' \
    "$work/icon256.png"
for s in 48 32 16; do
    $IM "$work/icon256.png" -filter Lanczos -resize ${s}x${s} "$work/icon$s.png"
done
$IM "$work/icon16.png" "$work/icon32.png" "$work/icon48.png" "$here/Zelta.ico"

# --- Tray menu pictures: 13 of 16 x 16 in one strip, magenta as the transparent colour -------------------------------
# Each picture is drawn at 64 x 64 and scaled down; pixels less than half covered become background, so no magenta
# fringe shows around the shapes.
pic() {  # pic <index> <ImageMagick drawing options...>
    n=$1
    shift
    $IM -size 64x64 xc:none "$@" "$work/p64_$n.png"
    $IM "$work/p64_$n.png" -filter Box -resize 16x16 -channel A -threshold 50% +channel \
        -background '#ff00ff' -flatten -alpha off "$work/pic_$(printf %02d "$n").png"
}

# 0: Exit, a red disc with a white cross.
pic 0 -fill '#d42a20' -stroke '#8c1510' -strokewidth 3 -draw 'circle 32,32 32,3' \
    -stroke white -strokewidth 9 -draw 'line 20,20 44,44 line 44,20 20,44'
# 1: a grey gear wheel.
gear="translate 32,32"
for a in 0 45 90 135; do
    gear="$gear push graphic-context rotate $a rectangle -6,-30 6,30 pop graphic-context"
done
pic 1 -fill '#7a8594' -stroke '#4a5360' -strokewidth 2 -draw "$gear" -draw 'circle 32,32 32,9' \
    -fill none -stroke '#4a5360' -strokewidth 2 -draw 'circle 32,32 32,22' \
    -fill '#ff00ff' -stroke none -draw 'circle 32,32 32,24'
# The hole goes through: make it transparent again.
$IM "$work/p64_1.png" -fill none -draw 'color 32,32 floodfill' -transparent '#ff00ff' "$work/p64_1.png"
$IM "$work/p64_1.png" -filter Box -resize 16x16 -channel A -threshold 50% +channel \
    -background '#ff00ff' -flatten -alpha off "$work/pic_01.png"
# 2: a globe for the web link.
pic 2 -fill '#2f86d6' -stroke '#17508a' -strokewidth 3 -draw 'circle 32,32 32,3' \
    -fill none -stroke '#d8ecff' -strokewidth 3 \
    -draw 'ellipse 32,32 12,29 0,360 line 32,3 32,61 line 4,32 60,32 line 9,18 55,18 line 9,46 55,46'
# 3 to 12: the digits 1 to 10 on blue-green tiles.
for d in 1 2 3 4 5 6 7 8 9 10; do
    if [ "$d" -eq 10 ]; then
        font=DejaVu-Sans-Condensed-Bold
        size=40
    else
        font=DejaVu-Sans-Bold
        size=50
    fi
    pic $((d + 2)) -fill '#148a7c' -stroke '#0b5a50' -strokewidth 3 -draw 'roundrectangle 4,4 59,59 12,12' \
        -fill white -stroke none -font "$font" -pointsize "$size" -gravity center -annotate +0+1 "$d"
done

$IM "$work"/pic_*.png +append -alpha off -type TrueColor BMP3:"$here/il_zelta.bmp"
echo "wrote banner.jpg, Zelta.ico and il_zelta.bmp in $here"
