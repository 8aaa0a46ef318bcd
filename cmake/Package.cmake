# The Debian package (scripts/package.sh): the installation tree in /opt/mv52, links to the
# programs in /usr/bin, the desktop entry, icons and metainfo from assets/, manual pages made
# from the programs' own help, and the files a Debian package carries in /usr/share/doc.
set(MV52_MAINTAINER "MV52 programming tool developers <mv52@example.org>")

# The tree is shared by every user: the programs write nothing into it (app/file_places).
install(FILES ${PROJECT_SOURCE_DIR}/assets/package/shared-installation DESTINATION opt/mv52)

# mv52 and mv52ctl on the PATH. The programs find their tree from their own resolved path.
file(MAKE_DIRECTORY ${CMAKE_BINARY_DIR}/package/bin)
foreach(program mv52 mv52ctl)
  file(CREATE_LINK /opt/mv52/ZU_418/${program} ${CMAKE_BINARY_DIR}/package/bin/${program} SYMBOLIC)
endforeach()
install(FILES ${CMAKE_BINARY_DIR}/package/bin/mv52 ${CMAKE_BINARY_DIR}/package/bin/mv52ctl DESTINATION usr/bin)

# Manual pages from the programs' --help, made at build time so that they always match.
find_program(MV52_HELP2MAN help2man REQUIRED)
find_program(MV52_GZIP gzip REQUIRED)
set(MV52_MAN_DIR ${CMAKE_BINARY_DIR}/package/man)
set(mv52ctl_summary "command line of the MV52 programming tool")
set(mv52_summary "the MV52 programming tool")
set(MV52_MAN_PAGES "")
foreach(program mv52ctl mv52)
  add_custom_command(OUTPUT ${MV52_MAN_DIR}/${program}.1.gz
    COMMAND ${CMAKE_COMMAND} -E make_directory ${MV52_MAN_DIR}
    COMMAND ${CMAKE_COMMAND} -E env QT_QPA_PLATFORM=offscreen HOME=${MV52_MAN_DIR}/home
            ${MV52_HELP2MAN} --no-info --no-discard-stderr --section=1 --version-string=${PROJECT_VERSION}
            "--name=${${program}_summary}" --output=${MV52_MAN_DIR}/${program}.1 $<TARGET_FILE:${program}>
    COMMAND ${MV52_GZIP} -9nf ${MV52_MAN_DIR}/${program}.1
    DEPENDS ${program}
    COMMENT "Writing the manual page of ${program}"
    VERBATIM)
  list(APPEND MV52_MAN_PAGES ${MV52_MAN_DIR}/${program}.1.gz)
endforeach()
add_custom_target(mv52_man_pages ALL DEPENDS ${MV52_MAN_PAGES})
install(FILES ${MV52_MAN_PAGES} DESTINATION usr/share/man/man1)

# /usr/share/doc/mv52: the copyright file and a compressed changelog, as Debian asks.
execute_process(COMMAND date -u -R -d "${MV52_RELEASE_DATE} 12:00" OUTPUT_VARIABLE MV52_CHANGELOG_DATE
                OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)
configure_file(${PROJECT_SOURCE_DIR}/assets/package/changelog.in ${CMAKE_BINARY_DIR}/package/doc/changelog @ONLY)
add_custom_command(OUTPUT ${CMAKE_BINARY_DIR}/package/doc/changelog.gz
  COMMAND ${MV52_GZIP} -9nkf ${CMAKE_BINARY_DIR}/package/doc/changelog
  DEPENDS ${CMAKE_BINARY_DIR}/package/doc/changelog)
add_custom_target(mv52_changelog ALL DEPENDS ${CMAKE_BINARY_DIR}/package/doc/changelog.gz)
install(FILES ${PROJECT_SOURCE_DIR}/assets/package/copyright ${CMAKE_BINARY_DIR}/package/doc/changelog.gz
        DESTINATION usr/share/doc/mv52)
install(FILES ${PROJECT_SOURCE_DIR}/assets/package/lintian-overrides DESTINATION usr/share/lintian/overrides
        RENAME mv52)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME mv52)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT "${MV52_MAINTAINER}")
set(CPACK_PACKAGING_INSTALL_PREFIX /)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION hamradio)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# CPack indents every line after the first by one space itself.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "programming tool for the MV52 HF transceiver
Reads the whole memory of an MV52 (an HF mobile transceiver for the 10-metre
amateur band and the CB band) over a programming cable, edits its channels,
optional features, roger-beep tunes and DTMF memories, keeps the configuration
as a data file and writes it back to the radio. Every completed read also
leaves a backup, and a write can be verified by reading the radio back.
.
The package holds the desktop program mv52, the command line mv52ctl and the
simulated radio mv52-radio-sim. Texts in English and Chinese.")
# The libraries come from dpkg-shlibdeps. Qt loads its platform plugin (the window system) at
# run time, which no library lookup can see, so that one package is named.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-noto-cjk")
include(CPack)
