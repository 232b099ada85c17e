# The WebAssembly System Interface as a platform, for CMake versions that do not know it
# yet (newer ones bring the same file): programs end in .wasm, libraries are archives.
set(WASI 1)
set(CMAKE_EXECUTABLE_SUFFIX .wasm)
set(CMAKE_STATIC_LIBRARY_PREFIX lib)
set(CMAKE_STATIC_LIBRARY_SUFFIX .a)
