# Included by the top CMakeLists.txt before any target when ORVANE_FUZZ is on: the whole tree (core,
# writer, fuzz targets) is compiled with AddressSanitizer and UndefinedBehaviorSanitizer and with
# libFuzzer's coverage hooks, so a fault anywhere in the readers stops the fuzzer at once.
if(NOT CMAKE_CXX_COMPILER_ID MATCHES "Clang")
  message(FATAL_ERROR "ORVANE_FUZZ needs clang: configure with -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_C_COMPILER=clang")
endif()
set(ORVANE_SANITIZERS -fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)
add_compile_options(${ORVANE_SANITIZERS} -fsanitize=fuzzer-no-link -g)
add_link_options(${ORVANE_SANITIZERS})
