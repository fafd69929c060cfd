# Debian packages, sourced by the build and test scripts.
# shellcheck shell=bash

# To build and start the editor.
BUILD_PACKAGES=(
    build-essential cmake ninja-build pkg-config
    qt6-base-dev libgl-dev qt6-translations-l10n
    libblkid-dev
    fonts-dejavu-core fonts-liberation
    scdoc
    # The icon rendered from its SVG.
    librsvg2-bin
)

# Additionally, to build and run every test.
TEST_PACKAGES=(
    "${BUILD_PACKAGES[@]}"
    libgtest-dev libgmock-dev
    dosfstools mtools util-linux desktop-file-utils
    exfatprogs exfat-fuse
    lintian appstream
)

# Additionally, to build the toolkit-free suites for Windows and run them under Wine.
WINDOWS_PACKAGES=(
    cmake ninja-build
    g++-mingw-w64-x86-64-posix googletest
    wine wine64
    fonts-wine xvfb
    nsis zip unzip pandoc
    locales
    # Windows' Arial and Courier New under Wine: their metric twins.
    fonts-liberation
    # The product icon from its SVG and the installer's picture; signing the
    # delivery and its test.
    librsvg2-bin icoutils imagemagick osslsigncode openssl
)

# Additionally, for the libFuzzer targets and the sanitizer build.
FUZZ_PACKAGES=(
    cmake ninja-build clang-14 libclang-rt-14-dev
)

# Additionally, for the benchmarks.
BENCH_PACKAGES=(
    "${BUILD_PACKAGES[@]}"
    libbenchmark-dev hyperfine
)

# Additionally, to make the pictures of the user guide (scripts/screenshots.sh;
# xdotool drives the installer for scripts/screenshots-win.sh).
SCREENSHOT_PACKAGES=(
    xvfb imagemagick xdotool
    dosfstools mtools
)
