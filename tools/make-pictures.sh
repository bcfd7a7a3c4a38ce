#!/usr/bin/env bash
# Regenerates the title pictures and button images in 2-common/pictures/,
# each at 1x and 2x (the 2x ones are redrawn, not upscaled, so they stay crisp).
# Needs ImageMagick 6 (Debian package "imagemagick") and fonts-dejavu-core.
set -euo pipefail

# /usr/local/bin may hold a different "convert"; use Debian's on purpose.
CONVERT=/usr/bin/convert
FONT_DIR=/usr/share/fonts/truetype/dejavu
BOLD="$FONT_DIR/DejaVuSans-Bold.ttf"
REGULAR="$FONT_DIR/DejaVuSans.ttf"

ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
OUT="$ROOT/2-common/pictures"
mkdir -p "$OUT"

NAVY="#000080"
INK="#1A2A5A"
MUTED="#4A5A7A"

# Same input must give the same bytes, so keep timestamps and metadata out;
# without gAMA/cHRM readers simply assume sRGB.
save_opts=(-strip -define "png:exclude-chunk=date,time,tIME,bKGD,cHRM,gAMA")

# Output file name: "name.png" at 1x, "name@2x.png" at 2x.
out_file() {
    local name=$1 scale=$2
    if [[ $scale -eq 1 ]]; then
        echo "$OUT/$name.png"
    else
        echo "$OUT/$name@${scale}x.png"
    fi
}

# Shapes are written in 1x coordinates; this maps 1x pixel centres onto the
# centres of the matching s-by-s pixel blocks so thin lines stay sharp.
transform() {
    local s=$1
    awk -v s="$s" 'BEGIN { t = (s - 1) / 2; printf "translate %g,%g scale %d,%d", t, t, s, s }'
}

# draw_button NAME LABEL CANVAS_HEIGHT SCALE
# Every button has the same 120 x 40 face at the top of its picture, so the three line up;
# a taller canvas stays transparent below the face.
draw_button() {
    local name=$1 label=$2 canvas_h=$3 s=$4
    local w=120 h=40
    local W=$((w * s)) H=$((h * s))
    local top="#E8EEF7" bottom="#C9D6EA" border="#5B6F94" text="$INK"
    # 1 px margin at 1x keeps the antialiased border inside the canvas.
    local shape
    shape="roundrectangle 1,1 $((w - 2)),$((h - 2)) 8,8"
    local tf
    tf=$(transform "$s")

    "$CONVERT" -size "${W}x${H}" "gradient:$top-$bottom" \
        \( -size "${W}x${H}" xc:black -fill white -stroke white -strokewidth 1 \
           -draw "$tf $shape" \) \
        -alpha off -compose CopyOpacity -composite -compose Over \
        -fill none -stroke "#FFFFFF80" -strokewidth 1 \
        -draw "$tf line 8,2 $((w - 9)),2" \
        -fill none -stroke "$border" -strokewidth 1 -draw "$tf $shape" \
        -stroke none -fill "$text" -font "$BOLD" -pointsize $((15 * s)) \
        -gravity center -annotate +0+0 "$label" \
        -gravity north -background none -extent "${W}x$((canvas_h * s))" \
        "${save_opts[@]}" "PNG32:$(out_file "$name" "$s")"
}

# Points of a normal curve in 1x coordinates, for -draw polyline/polygon.
# x0..x1 spans -3..3 sd; base is the baseline y, amp the peak height.
bell_points() {
    local x0=$1 x1=$2 base=$3 amp=$4 from=${5:--3} to=${6:-3}
    awk -v x0="$x0" -v x1="$x1" -v b="$base" -v a="$amp" -v f="$from" -v t="$to" 'BEGIN {
        n = 60
        for (i = 0; i <= n; i++) {
            z = f + (t - f) * i / n
            x = x0 + (x1 - x0) * (z + 3) / 6
            printf "%.2f,%.2f ", x, b - a * exp(-z * z / 2)
        }
    }'
}

# Main window banner. The bottom 20 px are left plain because the program
# paints a credit line there.
draw_title() {
    local s=$1
    local w=493 h=85
    local W=$((w * s)) H=$((h * s))
    local tf curve band
    tf=$(transform "$s")
    curve=$(bell_points 392 478 52 38)
    # Shaded middle slice of the curve: the restricted range.
    band="$(bell_points 392 478 52 38 -0.8 0.8) $(awk 'BEGIN {
        printf "%.2f,52 %.2f,52", 392 + 86 * 3.8 / 6, 392 + 86 * 2.2 / 6 }')"

    "$CONVERT" -size "${W}x${H}" xc:white \
        \( -size "${W}x$((62 * s))" -define gradient:direction=east \
           "gradient:#E4ECF8-#FFFFFF" \) -gravity northwest -geometry +0+0 -composite +gravity \
        -fill "$NAVY" -stroke none -draw "$tf rectangle 12,12 15,50" \
        -fill none -stroke "#C9D6EA" -strokewidth 1 -draw "$tf line 0,62 $((w - 1)),62" \
        -fill "#C9D6EA" -stroke none -draw "$tf polygon $band" \
        -fill none -stroke "$NAVY" -strokewidth 1.5 -draw "$tf polyline $curve" \
        -stroke "#5B6F94" -strokewidth 1 -draw "$tf line 388,52 482,52" \
        -stroke none -fill "$NAVY" -font "$BOLD" -pointsize $((34 * s)) \
        -annotate "+$((26 * s))+$((39 * s))" "Mireldantholm" \
        -fill "$MUTED" -font "$REGULAR" -pointsize $((12 * s)) \
        -annotate "+$((27 * s))+$((55 * s))" "Correction for restriction of range" \
        "${save_opts[@]}" "PNG32:$(out_file MireldantholmTitle "$s")"
}

# A fixed pseudo-random scatter (integer LCG, so every run is identical),
# correlation about 0.7. Prints "x y" pairs in 1x plot coordinates.
next_uniform() {
    seed=$(((seed * 1103515245 + 12345) % 2147483648))
    u=$(((seed / 65536) % 1000))
}

scatter_points() {
    local x0=$1 y0=$2 pw=$3 ph=$4 n=$5
    local seed=20240613 u i k zx ze zy
    for ((i = 0; i < n; i++)); do
        zx=0; ze=0
        for ((k = 0; k < 4; k++)); do
            next_uniform; zx=$((zx + u))
            next_uniform; ze=$((ze + u))
        done
        # Sum of four uniforms, centred: roughly normal, sd about 577.
        zx=$((zx - 1998)); ze=$((ze - 1998))
        zy=$(((700 * zx + 714 * ze) / 1000))
        # Map +-1700 (about 3 sd) onto the plot box.
        echo "$((x0 + (zx + 1700) * pw / 3400)) $((y0 + ph - (zy + 1700) * ph / 3400))"
    done
}

# About window picture: name, version, and a scatter plot whose middle band
# (the selected, range-restricted group) is highlighted.
draw_title2() {
    local s=$1
    local w=296 h=183
    local W=$((w * s)) H=$((h * s))
    local tf
    tf=$(transform "$s")

    local px=70 py=96 pw=156 ph=74 lo=118 hi=178
    local dots_in="" dots_out="" x y
    while read -r x y; do
        # Keep dots off the axes.
        ((x < px + 3 || x > px + pw || y < py || y > py + ph - 3)) && continue
        if ((x >= lo && x <= hi)); then
            dots_in+="circle $x,$y $x,$((y + 2)) "
        else
            dots_out+="circle $x,$y $x,$((y + 2)) "
        fi
    done < <(scatter_points "$px" "$py" "$pw" "$ph" 90)

    "$CONVERT" -size "${W}x${H}" xc:white \
        -fill "#EEF3FA" -stroke none -draw "$tf rectangle $lo,$py $hi,$((py + ph))" \
        -fill "#B8C5DC" -draw "$tf $dots_out" \
        -fill "$NAVY" -draw "$tf $dots_in" \
        -fill none -stroke "#5B6F94" -strokewidth 1 \
        -draw "$tf polyline $px,$((py - 2)) $px,$((py + ph)) $((px + pw + 4)),$((py + ph))" \
        -stroke "#3F5A8C" -strokewidth 1 -draw "$tf line $((px + 8)),$((py + ph - 8)) $((px + pw - 6)),$((py + 10))" \
        -fill none -stroke "#C9D6EA" -strokewidth 1 -draw "$tf line 24,87 271,87" \
        -stroke none -fill "$NAVY" -font "$BOLD" -pointsize $((30 * s)) \
        -gravity north -annotate "+0+$((12 * s))" "Mireldantholm" \
        -fill "$INK" -font "$BOLD" -pointsize $((13 * s)) \
        -annotate "+0+$((50 * s))" "Version 2.0" \
        -fill "$MUTED" -font "$REGULAR" -pointsize $((11 * s)) \
        -annotate "+0+$((68 * s))" "Validity coefficient correction" \
        "${save_opts[@]}" "PNG32:$(out_file MireldantholmTitle2 "$s")"
}

for scale in 1 2; do
    draw_title "$scale"
    draw_title2 "$scale"
    draw_button compute "Compute" 40 "$scale"
    draw_button info "Help" 48 "$scale"
    draw_button clear "Clear" 48 "$scale"
done
