#!/usr/bin/env bash
# Renders the SVG drawings in this folder into the PNGs the program embeds (resources/images/),
# each also at twice its size (name@2x.png) for screens scaled by more than 1, and the program's
# icon at the desktop's sizes (resources/icons/hicolor/, installed with it).
# The PNGs are committed, so a build needs no renderer; run this after changing a drawing.
# Needs rsvg-convert (Debian: librsvg2-bin) and ImageMagick's convert.
set -euo pipefail
art=$(cd "$(dirname "$0")" && pwd)
out=$(cd "$art/.." && pwd)/images
mkdir -p "$out/tree"

render() { # svg, png, [rsvg-convert options]; glyphs keep their alpha channel, and no dates or
           # names are stored, so that rendering twice gives the same bytes
    rsvg-convert "${@:3}" "$1" | convert - -strip "PNG32:$2"
}

for scale in 1 2; do
    suffix=$([ "$scale" -eq 1 ] || echo "@${scale}x")

    # The background is a 24-bit picture with no alpha channel.
    render "$art/background.svg" "$out/background.tmp.png" --zoom "$scale"
    convert "$out/background.tmp.png" -background black -alpha remove -alpha off -strip \
        "PNG24:$out/background$suffix.png"
    rm -f "$out/background.tmp.png"

    for name in select-dir show-intro about exit undo korvane hand; do
        render "$art/$name.svg" "$out/$name$suffix.png" --zoom "$scale"
    done
    for svg in "$art"/tree/*.svg; do
        name=$(basename "$svg" .svg)
        render "$svg" "$out/tree/$name$suffix.png" --zoom "$scale"
    done

    # Disabled glyphs: the normal glyph in flat grey, a little lighter, keeping its outline.
    for name in about exit undo; do
        convert "$out/$name$suffix.png" -colorspace Gray -level -40%,110% -channel A \
            -evaluate multiply 0.75 +channel -colorspace sRGB -strip \
            "PNG32:$out/$name-disabled$suffix.png"
    done
done

# The desktop's menus, docks and software centres pick the size they show from these.
for size in 16 24 32 48 64 128 256; do
    icons=$out/../icons/hicolor/${size}x${size}/apps
    mkdir -p "$icons"
    render "$art/korvane.svg" "$icons/korvane-installer.png" --width "$size" --height "$size"
done
