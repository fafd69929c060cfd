# Run by CPack on the staged package tree before it is packed. Removes from
# the programs the compiler's version notes (.comment, .note) that the
# symbol strip leaves in place, as Debian's own packaging does.
file(GLOB programs LIST_DIRECTORIES false
     "${CPACK_TEMPORARY_DIRECTORY}${CPACK_PACKAGING_INSTALL_PREFIX}/bin/*")
foreach(program IN LISTS programs)
    execute_process(COMMAND ${CPACK_QMCONF_OBJCOPY} --remove-section=.comment
                            --remove-section=.note ${program}
                    RESULT_VARIABLE result)
    if(NOT result EQUAL 0)
        message(FATAL_ERROR "objcopy could not clean ${program}")
    endif()
endforeach()
