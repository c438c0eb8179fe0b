# Included before any target exists when the fuzz targets are built: every target gets coverage
# instrumentation and the sanitizers, so that libFuzzer sees into the core it calls.
if(NOT CMAKE_CXX_COMPILER_ID MATCHES "Clang")
    message(FATAL_ERROR "The fuzz targets need clang's libFuzzer: configure with "
                        "-DCMAKE_CXX_COMPILER=clang++ (scripts/fuzz does).")
endif()
add_compile_options(-fsanitize=fuzzer-no-link,address,undefined -fno-sanitize-recover=all
                    -fno-omit-frame-pointer -g)
add_link_options(-fsanitize=address,undefined)
