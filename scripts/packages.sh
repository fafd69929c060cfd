# Debian packages, sourced by the build and test scripts.
# shellcheck shell=bash

# To build and start the editor.
BUILD_PACKAGES=(
    build-essential cmake ninja-build pkg-config
    qt6-base-dev libgl-dev
    libblkid-dev
    fonts-dejavu-core fonts-liberation
)

# Additionally, to build and run every test.
TEST_PACKAGES=(
    "${BUILD_PACKAGES[@]}"
    libgtest-dev libgmock-dev
    dosfstools mtools util-linux
)
