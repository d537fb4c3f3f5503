# Builds for arm64 on a Debian amd64 machine with Debian's cross compiler and
# the arm64 development packages installed beside the native ones (multiarch).
set(CMAKE_SYSTEM_NAME Linux)
set(CMAKE_SYSTEM_PROCESSOR aarch64)
set(CMAKE_C_COMPILER aarch64-linux-gnu-gcc)
set(CMAKE_CXX_COMPILER aarch64-linux-gnu-g++)
# Tests and the build's own helper programs run through qemu.
set(CMAKE_CROSSCOMPILING_EMULATOR qemu-aarch64-static)
