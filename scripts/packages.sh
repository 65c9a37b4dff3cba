# The Debian packages each kind of build needs; sourced by the other scripts.
BUILD_PACKAGES=(cmake ninja-build g++)
TEST_PACKAGES=(libgtest-dev libgmock-dev)
