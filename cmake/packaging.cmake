# The Debian package (make package): what cmake --install installs, plus the manual page
# made from the program's own --help. Its Depends line is computed by dpkg-shlibdeps from
# the libraries the program links.

find_program(GZIP gzip REQUIRED)
set(man_page ${CMAKE_CURRENT_BINARY_DIR}/cdma_sim.1.gz)
add_custom_command(OUTPUT ${man_page}
    COMMAND ${CMAKE_COMMAND} -DPROGRAM=$<TARGET_FILE:cdma_sim> -DGZIP=${GZIP} -DOUT=${man_page}
            -P ${CMAKE_CURRENT_LIST_DIR}/man_page.cmake
    DEPENDS cdma_sim ${CMAKE_CURRENT_LIST_DIR}/man_page.cmake
    COMMENT "Writing the manual page from cdma_sim --help")
add_custom_target(man_page ALL DEPENDS ${man_page})
install(FILES ${man_page} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)

find_program(DPKG dpkg)
if(NOT DPKG)
    return()
endif()
execute_process(COMMAND ${DPKG} --print-architecture
    OUTPUT_VARIABLE deb_architecture OUTPUT_STRIP_TRAILING_WHITESPACE)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME cdma-sim)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(DEB_MAINTAINER "cdma_sim maintainers <cdma-sim@localhost>" CACHE STRING
    "Maintainer field of the Debian package: NAME <MAIL>")
set(CPACK_PACKAGE_CONTACT ${DEB_MAINTAINER})
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_ARCHITECTURE ${deb_architecture})
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
# CPack indents the lines after the first itself.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "teaching simulator of a CDMA radio link
A block of test data goes through a convolutional code, an interleaver, Walsh
coding, PN spreading, a pulse-shaping DAC, IF/RF modulation with band-pass
filters and a disturbing carrier, and back through the matching receiver; the
wrong bits are counted. Every step can be shown as a plot or a spectrum, with
teaching views of the eye pattern, the band-pass filters, the spreading
functions and the Viterbi decoder. The command line runs the same simulation
without a window.")
# The file name make package writes and the package tests read.
set(CDMA_SIM_DEB ${CMAKE_BINARY_DIR}/${CPACK_PACKAGE_NAME}_${PROJECT_VERSION}_${deb_architecture}.deb)
include(CPack)
