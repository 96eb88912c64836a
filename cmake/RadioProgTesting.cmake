find_package(GTest REQUIRED)

# radioprog_test_environment(NAME [VAR=VALUE ...])
# Every test runs with its own data folder inside the build tree: a program under test that
# keeps what it reads (the history of reads) must never write into the user's home.
function(radioprog_test_environment name)
    set(data ${CMAKE_BINARY_DIR}/test-data/${name})
    file(MAKE_DIRECTORY ${data})
    set_property(TEST ${name} APPEND PROPERTY ENVIRONMENT "XDG_DATA_HOME=${data}" ${ARGN})
endfunction()

# radioprog_add_gtest(NAME SOURCES a.cpp b.cpp LIBS lib1 lib2)
# One test executable, registered with ctest as one test.
function(radioprog_add_gtest name)
    cmake_parse_arguments(ARG "" "" "SOURCES;LIBS" ${ARGN})
    add_executable(${name} ${ARG_SOURCES})
    target_link_libraries(${name} PRIVATE ${ARG_LIBS} GTest::gtest GTest::gtest_main)
    # Shared test helpers: #include "support/TempFolder.h"
    target_include_directories(${name} PRIVATE ${PROJECT_SOURCE_DIR}/tests)
    set_target_properties(${name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tests)
    add_test(NAME ${name} COMMAND ${name})
    set_tests_properties(${name} PROPERTIES TIMEOUT 600)
    radioprog_test_environment(${name} "RADIOPROG_BIN_DIR=${CMAKE_BINARY_DIR}/bin"
        "QT_QPA_PLATFORM=offscreen")
endfunction()

# radioprog_core_library(NAME DEPS dep1 dep2 [SYSTEM_LIBS ...])
# A core subsystem: every .cpp of the calling folder, no Qt.
function(radioprog_core_library name)
    cmake_parse_arguments(ARG "" "" "DEPS" ${ARGN})
    file(GLOB sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp)
    if(sources)
        add_library(${name} STATIC ${sources})
        target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR}/src)
        target_link_libraries(${name} PUBLIC ${ARG_DEPS})
    else()
        # Headers only so far.
        add_library(${name} INTERFACE)
        target_include_directories(${name} INTERFACE ${PROJECT_SOURCE_DIR}/src)
        target_link_libraries(${name} INTERFACE ${ARG_DEPS})
    endif()
endfunction()
