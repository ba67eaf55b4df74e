# Test programs are GoogleTest executables run by CTest through Wine (the toolchain's
# emulator). One CTest entry per program keeps Wine start-ups few; each has a timeout,
# and a crash fails it even when Wine's exit code says otherwise.
if(PROJECT_TESTS)
    enable_testing()
    set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
    set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
    set(gtest_disable_pthreads ON CACHE BOOL "" FORCE)
    add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
endif()

function(project_add_test name)
    cmake_parse_arguments(T "" "TIMEOUT" "SOURCES;LIBS" ${ARGN})
    if(NOT T_TIMEOUT)
        set(T_TIMEOUT 120)
    endif()
    add_executable(${name} ${T_SOURCES})
    target_compile_options(${name} PRIVATE ${PROJECT_WARNINGS} ${PROJECT_GBK_TEXT})
    target_link_libraries(${name} PRIVATE ${T_LIBS} test_support gtest gtest_main)
    add_test(NAME ${name} COMMAND ${name} --gtest_brief=1)
    set_tests_properties(${name} PROPERTIES TIMEOUT ${T_TIMEOUT}
        FAIL_REGULAR_EXPRESSION "wine: Unhandled;Unhandled exception;\\[  FAILED  \\]")
endfunction()
