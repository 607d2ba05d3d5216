# fonkel_add_test(<name> SOURCES ... [LIBS ...] [LABELS ...])
# One GoogleTest executable; its cases are registered with ctest one by one.
# The shared main (tests/support) creates the QApplication on the offscreen platform.
function(fonkel_add_test name)
    cmake_parse_arguments(ARG "" "TIMEOUT" "SOURCES;LIBS;LABELS" ${ARGN})
    add_executable(${name} ${ARG_SOURCES})
    target_link_libraries(${name} PRIVATE fonkel_test_main GTest::gtest GTest::gmock ${ARG_LIBS})
    if(NOT ARG_TIMEOUT)
        set(ARG_TIMEOUT 120)
    endif()
    set(props TIMEOUT ${ARG_TIMEOUT}
        ENVIRONMENT "QT_QPA_PLATFORM=offscreen;FONKEL_SOURCE_DIR=${PROJECT_SOURCE_DIR};FONKEL_BINARY_DIR=${PROJECT_BINARY_DIR}")
    if(ARG_LABELS)
        list(APPEND props LABELS "${ARG_LABELS}")
    endif()
    gtest_discover_tests(${name}
        DISCOVERY_MODE PRE_TEST
        DISCOVERY_TIMEOUT 60
        # Parameterised cases are named by index: their values hold pointers
        # and characters that make poor ctest names.
        NO_PRETTY_VALUES
        PROPERTIES ${props})
endfunction()
