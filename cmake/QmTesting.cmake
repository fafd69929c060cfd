# GoogleTest for the suites: Debian's package natively; built from Debian's
# googletest sources for a cross build, where no target package exists.
include(GoogleTest)

if(CMAKE_CROSSCOMPILING)
    set(QMCONF_GTEST_SOURCE /usr/src/googletest CACHE PATH "GoogleTest sources for cross builds")
    set(gtest_force_shared_crt OFF CACHE BOOL "" FORCE)
    set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
    set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
    add_subdirectory(${QMCONF_GTEST_SOURCE} ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
else()
    find_package(GTest REQUIRED)
endif()

# Registers a GoogleTest executable with CTest: one CTest test per case
# natively; one per executable in a cross build, whose executables the
# host cannot list (the Windows suite runs them under Wine by script).
function(qm_add_gtest target)
    if(CMAKE_CROSSCOMPILING)
        add_test(NAME ${target} COMMAND ${target})
    else()
        gtest_discover_tests(${target} DISCOVERY_MODE PRE_TEST)
    endif()
endfunction()
