#!/usr/bin/env bash
# Installs the Debian 12 packages the build, the tests, the demo, the package and the benchmarks
# need; does nothing when they are all there already. Uses sudo when not run as root; without sudo
# it names the missing packages and fails, for root to install them.
set -euo pipefail

packages=(
    cmake ninja-build g++
    qt6-base-dev qt6-base-dev-tools qt6-multimedia-dev libqt6svg6 libgl-dev
    qt6-tools-dev qt6-l10n-tools gettext # the catalogues: lupdate, lrelease; msgfmt for data/
    qt6-translations-l10n # Qt's own catalogues, for the tests of the standard texts
    zlib1g-dev libyaml-cpp-dev
    gstreamer1.0-libav gstreamer1.0-plugins-good gstreamer1.0-plugins-base libgstreamer1.0-dev
    fonts-liberation fonts-urw-base35 fontconfig
    xvfb xauth xdotool x11-utils imagemagick ffmpeg librsvg2-bin
    libx11-dev # the close box of a window, for the end-to-end tests
    x11-xserver-utils # xrdb: the desktop's Xft.dpi, for the test of the scale
    dpkg-dev lintian desktop-file-utils appstream
    dbus-daemon at-spi2-core # runs with the accessibility bus, in benchmarks and tests
    python3-pyatspi # a listener on the accessibility bus, as a screen reader keeps one
    fuse3 python3-fusepy # a mount that never answers, for the tests of the searches
)

missing=()
for package in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed'; then
        missing+=("$package")
    fi
done
if [ ${#missing[@]} -eq 0 ]; then
    exit 0
fi

if [ "$(id -u)" -eq 0 ]; then
    as_root=()
elif command -v sudo >/dev/null 2>&1; then
    as_root=(sudo)
else
    echo "These Debian packages are missing and sudo is not available to install them:" >&2
    echo "  ${missing[*]}" >&2
    echo "Install them as root, for example:" >&2
    echo "  su -c 'apt-get update && apt-get install -y --no-install-recommends ${missing[*]}'" >&2
    exit 1
fi
echo "Installing: ${missing[*]}"
"${as_root[@]}" apt-get update
"${as_root[@]}" env DEBIAN_FRONTEND=noninteractive \
    apt-get install -y --no-install-recommends "${missing[@]}"
