#!/usr/bin/env bash
# Draws Zentei's own artwork into this folder:
#
#   Zentei.ico                    program icon (32x32 and 16x16)
#   TrayIcon0.ico, TrayIcon1.ico  notification-area pictures, lamp off / lamp on
#   IconMode.ico                  32x32 picture of the icon-mode window
#   AboutBlink0.ico, AboutBlink1.ico  the about box's two blinking frames
#   Splash.bmp                    372x217 splash background, 24-bit
#   GaugeFrame.bmp, GaugeFill.bmp progress bar track (336x26) and fill (336x22),
#                                 24-bit
#   AboutScroll.bmp               352x330 scrolling picture of the about box,
#                                 8-bit palette
#
# Everything is drawn from primitives, no fonts and no outside pictures, so
# running the script again gives the same files (for the same ImageMagick).
# The launcher's mark is a teal tile with a yellow arrow rising over a yellow
# button bar.
#
# Icons are drawn 8x larger and box-filtered down, which gives clean
# anti-aliased edges; they are written as 32-bit icons with an AND mask.
# Bitmaps are written as plain BMP3 (BITMAPINFOHEADER, uncompressed), which
# LoadImage and the resource compiler read.
#
# Needs bash, awk and ImageMagick 6 at /usr/bin/convert (called by its full
# path on purpose). Run it from anywhere: ./assets/make-artwork.sh

set -euo pipefail

IM=/usr/bin/convert
HERE=$(cd "$(dirname "$0")" && pwd)
WORK=$(mktemp -d)
trap 'rm -rf "$WORK"' EXIT

SS=8   # supersampling factor for icons

# Palette of the mark.
TEAL_TOP='#3bbdb2'
TEAL_BOTTOM='#137064'
TEAL_EDGE='#0a4640'
YELLOW='#ffd23a'
YELLOW_EDGE='#6e5200'
SLOT1='#e9553b'
SLOT2='#ffffff'
SLOT3='#3a86e8'

# ---------------------------------------------------------------- helpers --

# MVG header mapping design units (one unit = one output pixel, pixel j
# covering [j, j+1)) onto the supersampled canvas.
mvg_head() {
    echo "affine $SS,0,0,$SS,-0.5,-0.5"
}

teal_gradient_defs() { # $1 = height in design units
    cat <<EOF
push defs
push gradient 'teal' linear 0,0 0,$1
stop-color '$TEAL_TOP' 0
stop-color '$TEAL_BOTTOM' 1
pop gradient
pop defs
EOF
}

# Renders MVG text ($2) at size $1 (design units) and writes $3 (PNG, RGBA).
# Edge pixels less than 5% covered are dropped, so the mask has no faint fringe.
# An optional fourth argument gives another output size (the same drawing
# scaled, used for the larger mark in the about box's picture).
render() {
    local size=$1 mvg=$2 out=$3 outsize=${4:-$1}
    local big=$((size * SS))
    "$IM" -size "${big}x${big}" xc:none -draw "$mvg" \
        -filter box -resize "${outsize}x${outsize}" \
        -channel A -fx 'a < 0.05 ? 0 : a' +channel \
        -define png:exclude-chunks=date,time "PNG32:$out"
}

# Points of a star polygon: cx cy outer inner tips rotation(degrees).
star_points() {
    awk -v cx="$1" -v cy="$2" -v ro="$3" -v ri="$4" -v n="$5" -v rot="$6" 'BEGIN {
        pi = atan2(0, -1)
        for (i = 0; i < 2 * n; i++) {
            r = (i % 2 == 0) ? ro : ri
            a = (rot - 90 + i * 180 / n) * pi / 180
            printf "%.3f,%.3f ", cx + r * cos(a), cy + r * sin(a)
        }
    }'
}

# ------------------------------------------------------------------ marks --

# The mark at 32x32. $1: lamp = none | off | on; $2: tile = round | square.
mark32() {
    local lamp=$1 tile=$2
    mvg_head
    teal_gradient_defs 32
    if [[ $tile == round ]]; then
        cat <<EOF
push graphic-context
fill 'url(#teal)' stroke '$TEAL_EDGE' stroke-width 1
roundrectangle 1.5,1.5 30.5,30.5 6,6
pop graphic-context
fill none stroke '#8fe3d9' stroke-opacity 0.55
roundrectangle 2.5,2.5 29.5,29.5 5,5
stroke-opacity 1
EOF
    else
        # A raised button filling the whole picture.
        cat <<EOF
push graphic-context
stroke none fill 'url(#teal)'
rectangle 0,0 32,32
pop graphic-context
fill '#9ee8de' polygon 0,0 32,0 31,1 1,1 1,31 0,32
fill '#66cfc4' polygon 1,1 31,1 30,2 2,2 2,30 1,31
fill '#06302c' polygon 32,0 32,32 0,32 1,31 31,31 31,1
fill '#0c5a52' polygon 31,1 31,31 1,31 2,30 30,30 30,2
EOF
    fi
    cat <<EOF
fill '$YELLOW' stroke '$YELLOW_EDGE' stroke-width 1
polygon 16,3.5 25,12.5 19.5,12.5 19.5,19.5 12.5,19.5 12.5,12.5 7,12.5
fill none stroke '#fff6c4' stroke-width 1
line 13.5,13.5 13.5,19
fill '$YELLOW' stroke '$YELLOW_EDGE' stroke-width 1
roundrectangle 5.5,21.5 26.5,27.5 2,2
stroke none
fill '$SLOT1' rectangle 8,23 12,26
fill '$SLOT2' rectangle 14,23 18,26
fill '$SLOT3' rectangle 20,23 24,26
EOF
    lamp32 "$lamp"
}

lamp32() {
    case $1 in
    off) cat <<EOF
fill '#1f4a45' stroke '$TEAL_EDGE' stroke-width 1
circle 26,6 26,9.2
fill '#3c6d67' stroke none
circle 25.2,5.2 25.2,6.2
EOF
    ;;
    on) cat <<EOF
push defs
push gradient 'lamp' radial 25.3,5.3 25.3,5.3 4
stop-color '#fffbe0' 0
stop-color '#ffb23a' 0.45
stop-color '#f0481e' 1
pop gradient
pop defs
fill '#ffb060' fill-opacity 0.45 stroke none
circle 26,6 26,10.8
fill-opacity 1
push graphic-context
fill 'url(#lamp)' stroke '#8a2208' stroke-width 1
circle 26,6 26,9.2
pop graphic-context
EOF
    ;;
    esac
}

# The mark at 16x16, simplified so that it stays readable.
mark16() {
    local lamp=$1
    mvg_head
    teal_gradient_defs 16
    cat <<EOF
push graphic-context
fill 'url(#teal)' stroke '$TEAL_EDGE' stroke-width 1
roundrectangle 0.5,0.5 15.5,15.5 3,3
pop graphic-context
fill '$YELLOW' stroke none
polygon 8,1 13,6 10,6 10,10 6,10 6,6 3,6
stroke none fill '$YELLOW_EDGE'
rectangle 2.6,10.6 13.4,14.4
fill '$YELLOW'
rectangle 3,11 13,14
fill '$SLOT1' rectangle 4,12 6,13
fill '$SLOT2' rectangle 7,12 9,13
fill '$SLOT3' rectangle 10,12 12,13
EOF
    case $lamp in
    off) cat <<EOF
fill '#1a3f3b' stroke '$TEAL_EDGE' stroke-width 0.5
circle 12.8,3.2 12.8,5.2
EOF
    ;;
    on) cat <<EOF
fill '#ffb060' fill-opacity 0.5 stroke none
circle 12.8,3.2 12.8,6
fill-opacity 1
fill '#ff6a2a' stroke '#8a2208' stroke-width 0.5
circle 12.8,3.2 12.8,5.2
fill '#fff4c0' stroke none
circle 12.3,2.7 12.3,3.5
EOF
    ;;
    esac
}

# The about box's blinking star badge. $1 = 0 (resting) or 1 (twinkling).
blink32() {
    local phase=$1
    mvg_head
    cat <<EOF
push defs
push gradient 'night' linear 0,2 0,30
stop-color '#34498f' 0
stop-color '#18224a' 1
pop gradient
pop defs
push graphic-context
fill 'url(#night)' stroke '#c99a1c' stroke-width 1
circle 16,16 16,1.5
pop graphic-context
fill none stroke '#5d74c2' stroke-opacity 0.7
circle 16,16 16,3
stroke-opacity 1
EOF
    if [[ $phase == 0 ]]; then
        cat <<EOF
fill '#f2c630' stroke '#7a5a00' stroke-width 1
polygon $(star_points 16 16.8 8.5 3.6 5 0)
EOF
    else
        cat <<EOF
fill '#ffe95a' stroke '#8a6a00' stroke-width 1
polygon $(star_points 16 16.5 10.5 4.2 5 0)
fill '#ffffff' stroke none
polygon $(star_points 16 16.5 3 1 4 45)
polygon $(star_points 7.5 8 3.2 0.8 4 0)
polygon $(star_points 24.5 25 2.6 0.7 4 0)
polygon $(star_points 25 8.5 1.8 0.5 4 0)
EOF
    fi
}

# Writes icon $1 from the 32x32 MVG $2 and, when given, the 16x16 MVG $3.
make_icon() {
    local name=$1 m32=$2 m16=${3:-}
    render 32 "$m32" "$WORK/$name-32.png"
    if [[ -n $m16 ]]; then
        render 16 "$m16" "$WORK/$name-16.png"
        "$IM" "$WORK/$name-32.png" "$WORK/$name-16.png" "ICO:$HERE/$name.ico"
    else
        "$IM" "$WORK/$name-32.png" "ICO:$HERE/$name.ico"
    fi
}

# Writes an uncompressed 24-bit BMP.
write_bmp24() { # $1 = input image, $2 = output name
    "$IM" "$1" -alpha off -type TrueColor -compress None "BMP3:$HERE/$2"
}

# -------------------------------------------------------------- the icons --

make_icon Zentei      "$(mark32 none round)" "$(mark16 none)"
make_icon TrayIcon0   "$(mark32 off round)"  "$(mark16 off)"
make_icon TrayIcon1   "$(mark32 on round)"   "$(mark16 on)"
make_icon IconMode    "$(mark32 none square)"
make_icon AboutBlink0 "$(blink32 0)"
make_icon AboutBlink1 "$(blink32 1)"

# ------------------------------------------------------------- the splash --
# Texts lie at y 40..186 across the middle and the progress bar at
# (18,123)-(354,149); the picture stays light and quiet there and keeps its
# decoration to the edges and corners.

SW=372 SH=217
"$IM" -size ${SW}x${SH} gradient:'#fdfcf2'-'#e2efe8' \
    -draw "$(
        echo "fill none stroke '#2a9a90' stroke-opacity 0.06 stroke-width 5"
        for ((x = -SH; x < SW; x += 18)); do
            echo "line $x,$SH $((x + SH)),0"
        done
        echo "stroke-opacity 1"
        # teal bands at the top and bottom, thin frame round the picture
        echo "stroke none fill '#1f8a80' rectangle 0,0 $((SW - 1)),3"
        echo "fill '#6cc9bd' rectangle 0,4 $((SW - 1)),4"
        echo "fill '#1f8a80' rectangle 0,$((SH - 4)) $((SW - 1)),$((SH - 1))"
        echo "fill '#6cc9bd' rectangle 0,$((SH - 5)) $((SW - 1)),$((SH - 5))"
        echo "fill none stroke '#1f8a80' stroke-width 1"
        echo "rectangle 0,0 $((SW - 1)),$((SH - 1))"
        # a row of little button tiles, bottom right
        tile_colors=('#e9553b' '#ffd23a' '#3a86e8' '#5fbf6a' '#b07ad8' '#ffffff')
        for i in 0 1 2 3 4 5; do
            x=$((SW - 20 - (6 - i) * 13))
            echo "fill '${tile_colors[$i]}' stroke '#0a4640' stroke-width 1"
            echo "rectangle $x,194 $((x + 9)),203"
        done
    )" \
    "$WORK/splash.png"
"$IM" "$WORK/splash.png" "$WORK/Zentei-32.png" -geometry +10+6 -composite \
    "$WORK/splash.png"
write_bmp24 "$WORK/splash.png" Splash.bmp

# ---------------------------------------------------------- progress bar --
# The track is shown where the fill has not reached yet; it is symmetric
# from top to bottom so that it looks right whether or not the picture
# box's border hides its last rows.

"$IM" \( -size 336x13 gradient:'#0e6a30'-'#1b8f45' \) \
      \( -size 336x13 gradient:'#1b8f45'-'#0e6a30' \) -append \
    -draw "$(
        echo "fill none stroke '#0a4f22' stroke-width 1"
        for ((x = 16; x < 336; x += 16)); do
            if ((x % 64 == 0)); then echo "line $x,6 $x,19"; else echo "line $x,10 $x,15"; fi
        done
        echo "stroke '#0a4a20' fill none rectangle 0,0 335,25"
        echo "stroke '#3fb062' line 1,1 334,1"
    )" \
    "$WORK/frame.png"
write_bmp24 "$WORK/frame.png" GaugeFrame.bmp

"$IM" \( -size 336x6 gradient:'#fffbd2'-'#ffe04a' \) \
      \( -size 336x10 gradient:'#ffe04a'-'#ffc800' \) \
      \( -size 336x6 gradient:'#ffc800'-'#d29a00' \) -append \
    -draw "$(
        echo "fill none stroke '#ffffff' stroke-opacity 0.22 stroke-width 4"
        for ((x = -22; x < 336; x += 14)); do
            echo "line $x,22 $((x + 22)),0"
        done
        echo "stroke-opacity 1 stroke '#fffef0' line 0,1 335,1"
    )" \
    "$WORK/fill.png"
write_bmp24 "$WORK/fill.png" GaugeFill.bmp

# ------------------------------------------------------ about box scroll --
# A tall picture that rises slowly in the about box: night sky with stars at
# the top, dawn at the horizon, the mark climbing, green hills at the bottom.

AW=352 AH=330
"$IM" \( -size ${AW}x120 gradient:'#1b2452'-'#44589e' \) \
      \( -size ${AW}x110 gradient:'#44589e'-'#eab08c' \) \
      \( -size ${AW}x100 gradient:'#eab08c'-'#ffe6b4' \) -append \
    -draw "$(
        # stars from a fixed linear congruential sequence
        awk -v w=$AW 'BEGIN {
            s = 2023
            for (i = 0; i < 70; i++) {
                s = (s * 75 + 74) % 65537; x = int(s * w / 65537)
                s = (s * 75 + 74) % 65537; y = int(s * 190 / 65537)
                s = (s * 75 + 74) % 65537; k = int(s * 7 / 65537)
                a = 1 - y / 230
                if (k == 0) {
                    printf "fill #fff6c8 fill-opacity %.2f stroke none\n", a
                    printf "polygon %d,%d %d,%d %d,%d %d,%d %d,%d %d,%d %d,%d %d,%d\n",
                        x, y - 4, x + 1, y - 1, x + 4, y, x + 1, y + 1,
                        x, y + 4, x - 1, y + 1, x - 4, y, x - 1, y - 1
                } else {
                    printf "fill #ffffff fill-opacity %.2f stroke none\n", a * (0.5 + k / 12)
                    printf "circle %d,%d %d,%.1f\n", x, y, x, y + 0.6 + (k % 3) * 0.35
                }
            }
        }'
        echo "fill-opacity 1"
        # a trail of sparks behind the rising mark
        for i in 0 1 2 3 4 5 6; do
            x=$((96 - i * 11)) y=$((178 + i * 13))
            echo "fill '#ffe58a' fill-opacity 0.$((9 - i)) stroke none"
            echo "circle $x,$y $x,$((y + 3 - i / 3))"
        done
        echo "fill-opacity 1"
        # the sun rising behind the hills
        echo "fill '#ffd27a' fill-opacity 0.45 circle 262,268 262,220"
        echo "fill '#ffc95a' fill-opacity 1 circle 262,268 262,236"
        # hills
        echo "fill '#4fae66' stroke none"
        echo "path 'M 0,282 C 70,250 150,262 210,284 C 260,300 310,266 352,262 L $AW,$AH L 0,$AH Z'"
        echo "fill '#2f8a4a'"
        echo "path 'M 0,306 C 60,288 120,292 180,306 C 240,320 300,296 352,300 L $AW,$AH L 0,$AH Z'"
        echo "fill '#1f6a38'"
        echo "path 'M 0,324 C 100,314 250,316 352,322 L $AW,$AH L 0,$AH Z'"
    )" \
    "$WORK/scroll.png"
# the mark itself, climbing, drawn twice the icon size and slightly tilted
render 32 "$(mark32 none round)" "$WORK/mark64.png" 64
"$IM" "$WORK/mark64.png" -background none -rotate 20 "$WORK/mark64.png"
"$IM" "$WORK/scroll.png" "$WORK/mark64.png" -geometry +98+118 -composite \
    -alpha off "$WORK/scroll.png"
# 8-bit palette, uncompressed (LoadImage with LR_CREATEDIBSECTION cannot take
# RLE), keeps the file at a third of the 24-bit size
"$IM" "$WORK/scroll.png" -dither FloydSteinberg -colors 256 -type Palette -compress None \
    "BMP3:$HERE/AboutScroll.bmp"

echo "artwork written to $HERE"
