# The Debian packages each kind of build needs; sourced by the other scripts.
BUILD_PACKAGES=(cmake ninja-build g++ libjpeg-dev)
# ImageMagick and libjpeg's tools make the reference pictures the readers are checked against.
TEST_PACKAGES=(libgtest-dev libgmock-dev imagemagick libjpeg-turbo-progs)
