# Configures, builds and runs core_tests and robustness_tests with -fsanitize=address,undefined.
# Float casts out of range are undefined too, and GCC leaves them out of "undefined".
set(sanitizers "-fsanitize=address,undefined,float-cast-overflow -fno-sanitize-recover=all")
set(test_programs tests/core/core_tests tests/robustness/robustness_tests)

execute_process(
    COMMAND ${CMAKE_COMMAND} -S ${SOURCE_DIR} -B ${BINARY_DIR} -G Ninja
        -DCMAKE_CXX_COMPILER=${CXX_COMPILER}
        -DCMAKE_BUILD_TYPE=Debug
        "-DCMAKE_CXX_FLAGS=${sanitizers} -O1 -fno-omit-frame-pointer"
        "-DCMAKE_EXE_LINKER_FLAGS=${sanitizers}"
        -DAMP_BUILD_UI=OFF -DAMP_BUILD_BENCHMARKS=OFF -DAMP_SANITIZED_TESTS=OFF
    OUTPUT_QUIET
    COMMAND_ERROR_IS_FATAL ANY)
execute_process(
    COMMAND ${CMAKE_COMMAND} --build ${BINARY_DIR} --parallel 2
        --target core_tests robustness_tests
    OUTPUT_QUIET
    COMMAND_ERROR_IS_FATAL ANY)

foreach(program IN LISTS test_programs)
    execute_process(
        COMMAND ${CMAKE_COMMAND} -E env
            ASAN_OPTIONS=detect_leaks=1:abort_on_error=0:halt_on_error=1
            UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
            ${BINARY_DIR}/${program} --gtest_brief=1
        RESULT_VARIABLE result)
    if(NOT result EQUAL 0)
        message(FATAL_ERROR "${program} failed under the sanitizers (${result})")
    endif()
endforeach()
