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

# Registers a GoogleTest executable with CTest, one CTest test per case,
# listed when CTest runs. In a cross build the cases are listed and run
# through the emulator (the Windows preset's Wine wrapper), which needs the
# prefix and screen that only the test run prepares; each case in the
# folder of its executable, where it finds the programs it starts. A case of
# a table is named by its row's name alone.
function(qm_add_gtest target)
    gtest_discover_tests(${target} DISCOVERY_MODE PRE_TEST DISCOVERY_TIMEOUT 120 NO_PRETTY_VALUES
                         WORKING_DIRECTORY $<TARGET_FILE_DIR:${target}>)
endfunction()
