# The Debian packages each kind of build needs; sourced by the other scripts.
BUILD_PACKAGES=(cmake ninja-build g++ libjpeg-dev)
# ImageMagick and libjpeg's tools make the reference pictures the readers are checked against.
TEST_PACKAGES=(libgtest-dev libgmock-dev imagemagick libjpeg-turbo-progs)
# The Windows exe: the mingw-w64 cross compilers, nasm for libjpeg-turbo's SIMD code,
# dpkg-dev to unpack libjpeg-turbo's Debian source package; Wine runs the exe in tests.
WIN32_BUILD_PACKAGES=(cmake ninja-build mingw-w64 g++-mingw-w64-x86-64-posix gcc-mingw-w64-x86-64-posix nasm dpkg-dev)
WIN32_TEST_PACKAGES=(wine wine64 imagemagick xvfb)
