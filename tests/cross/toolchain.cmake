# Debian's cross compiler for WELVARO_CROSS_TRIPLET, the target's multiarch
# libraries from /usr/lib/<triplet>, and its programs run by qemu-user
# (WELVARO_CROSS_QEMU, e.g. aarch64), which finds the target's loader and
# libraries in / as multiarch installs them.
set(CMAKE_SYSTEM_NAME Linux)
set(CMAKE_SYSTEM_PROCESSOR ${WELVARO_CROSS_QEMU})
set(CMAKE_CXX_COMPILER ${WELVARO_CROSS_TRIPLET}-g++)
set(CMAKE_LIBRARY_ARCHITECTURE ${WELVARO_CROSS_TRIPLET})
set(CMAKE_CROSSCOMPILING_EMULATOR qemu-${WELVARO_CROSS_QEMU})
# try_compile projects read this file again.
list(APPEND CMAKE_TRY_COMPILE_PLATFORM_VARIABLES WELVARO_CROSS_TRIPLET WELVARO_CROSS_QEMU)
# Everything is built by the one compiler, so GCC's notes on the armhf
# parameter passing of GCC 7.1 concern no call here.
set(CMAKE_CXX_FLAGS_INIT -Wno-psabi)
