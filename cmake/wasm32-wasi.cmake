# Building the engine, the window description and the web page's module for WebAssembly
# with Debian's clang 22 and wasi-libc. clang 22 calls the target wasm32-wasip1 and looks
# for its libraries under that name, Debian installs them as wasm32-wasi; a sysroot of
# two links in the build folder joins the two without the deprecated target name.
set(CMAKE_SYSTEM_NAME WASI)
set(CMAKE_SYSTEM_PROCESSOR wasm32)
set(CMAKE_C_COMPILER clang-22)
set(CMAKE_CXX_COMPILER clang++-22)
set(CMAKE_C_COMPILER_TARGET wasm32-wasip1)
set(CMAKE_CXX_COMPILER_TARGET wasm32-wasip1)
set(CMAKE_AR llvm-ar-22)
set(CMAKE_RANLIB llvm-ranlib-22)
list(APPEND CMAKE_MODULE_PATH "${CMAKE_CURRENT_LIST_DIR}") # Platform/WASI.cmake

set(sysroot "${CMAKE_BINARY_DIR}/wasi-sysroot")
file(MAKE_DIRECTORY "${sysroot}/include" "${sysroot}/lib")
file(CREATE_LINK /usr/include/wasm32-wasi "${sysroot}/include/wasm32-wasip1" SYMBOLIC)
file(CREATE_LINK /usr/lib/wasm32-wasi "${sysroot}/lib/wasm32-wasip1" SYMBOLIC)
set(CMAKE_SYSROOT "${sysroot}")

set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
# Programs built here (the tests) run under Node's WASI.
set(CMAKE_CROSSCOMPILING_EMULATOR node "${CMAKE_CURRENT_LIST_DIR}/../tools/wasi-run.mjs")
