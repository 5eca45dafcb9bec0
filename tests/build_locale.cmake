# Builds the locale NAME (such as de_DE.UTF-8) into DIR for the runs under a comma locale.
# Without localedef or the locale definitions (Debian package locales) it only says so:
# those runs then skip.
if(EXISTS ${DIR}/${NAME}/LC_NUMERIC)
    return()
endif()
find_program(LOCALEDEF localedef)
if(NOT LOCALEDEF)
    message("localedef not found: the runs under ${NAME} will be skipped")
    return()
endif()
string(REGEX MATCH "^[^.]+" source ${NAME})
file(MAKE_DIRECTORY ${DIR})
execute_process(COMMAND ${LOCALEDEF} -i ${source} -f UTF-8 ${DIR}/${NAME}
    RESULT_VARIABLE status OUTPUT_VARIABLE output ERROR_VARIABLE output)
if(NOT EXISTS ${DIR}/${NAME}/LC_NUMERIC)
    message("localedef could not build ${NAME} (status ${status}): the runs under it will "
        "be skipped\n${output}")
endif()
