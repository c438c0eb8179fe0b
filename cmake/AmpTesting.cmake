# Test programs and their ctest entries.
find_package(GTest REQUIRED)
include(GoogleTest)
if(AMP_BUILD_UI)
    find_package(Qt6 REQUIRED COMPONENTS Test)
endif()

# amp_add_test(<name> SOURCES <file>... [LIBRARIES <library>...] [QTEST])
# A GoogleTest program, each of whose tests becomes a ctest entry; with QTEST, a QtTest program
# with the shared main() of tests/ui/support, one entry that runs on Qt's offscreen platform.
function(amp_add_test name)
    cmake_parse_arguments(PARSE_ARGV 1 arg "QTEST" "" "SOURCES;LIBRARIES")
    add_executable(${name} ${arg_SOURCES})
    target_link_libraries(${name} PRIVATE ${arg_LIBRARIES})
    if(arg_QTEST)
        target_link_libraries(${name} PRIVATE qtest_main)
        add_test(NAME ${name} COMMAND ${name})
        set_tests_properties(${name} PROPERTIES ENVIRONMENT QT_QPA_PLATFORM=offscreen)
    else()
        target_link_libraries(${name} PRIVATE GTest::gtest_main)
        gtest_discover_tests(${name})
    endif()
endfunction()
