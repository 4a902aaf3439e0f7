# Installing like a Linux program, and the Debian package.
#
#   cmake --install build [--prefix DIR]   (default prefix /usr/local)
#   cpack --config build/CPackConfig.cmake -G DEB
#
# bin/            orvane, orv and every sibling program orv-* of src/app/
# share/orvane/   the program folder: the supplied data that `orv import`
#                 wrote into ORV_SUPPLIED_DIR (the programs find it as
#                 ../share/orvane beside themselves)
# share/applications, share/metainfo, share/icons/hicolor/scalable/apps,
# share/man/man1, share/bash-completion/completions: from dist/
include(GNUInstallDirs)

set(ORV_APP_ID "org.orvane.Orvane")
set(ORV_DIST_DIR "${PROJECT_SOURCE_DIR}/dist")
set(ORV_SUPPLIED_DIR "${PROJECT_BINARY_DIR}" CACHE PATH
    "Program folder whose supplied data (made by orv import) is installed")

# The programs: every executable of src/app/ (orvane, orv, orv-*), found by
# name so that a program added there is installed without a change here.
get_property(orv_targets DIRECTORY "${PROJECT_SOURCE_DIR}" PROPERTY BUILDSYSTEM_TARGETS)
foreach(target IN LISTS orv_targets)
  get_target_property(type ${target} TYPE)
  if(type STREQUAL "EXECUTABLE" AND target MATCHES "^(orvane|orv|orv-.+)$")
    install(TARGETS ${target} RUNTIME DESTINATION "${CMAKE_INSTALL_BINDIR}")
  endif()
endforeach()

# The supplied data, where it has been imported; what is missing is left out.
set(orv_program_dir "${CMAKE_INSTALL_DATADIR}/orvane")
foreach(folder IN ITEMS Source KJV Interlinear)
  install(DIRECTORY "${ORV_SUPPLIED_DIR}/${folder}" DESTINATION "${orv_program_dir}" OPTIONAL)
endforeach()
foreach(file IN ITEMS Strongs.dat Hebrew.def OT.VRB README.RTF HELP.RTF)
  install(FILES "${ORV_SUPPLIED_DIR}/${file}" DESTINATION "${orv_program_dir}" OPTIONAL)
endforeach()

# Desktop integration, manual pages, completion.
# The release is dated by the file that holds the version.
file(TIMESTAMP "${PROJECT_SOURCE_DIR}/src/model/version.h" ORV_RELEASE_DATE "%Y-%m-%d" UTC)
configure_file("${ORV_DIST_DIR}/${ORV_APP_ID}.metainfo.xml.in"
               "${PROJECT_BINARY_DIR}/${ORV_APP_ID}.metainfo.xml" @ONLY)
install(FILES "${ORV_DIST_DIR}/${ORV_APP_ID}.desktop"
        DESTINATION "${CMAKE_INSTALL_DATADIR}/applications")
install(FILES "${PROJECT_BINARY_DIR}/${ORV_APP_ID}.metainfo.xml"
        DESTINATION "${CMAKE_INSTALL_DATADIR}/metainfo")
install(FILES "${ORV_DIST_DIR}/${ORV_APP_ID}.svg"
        DESTINATION "${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps")
install(FILES "${ORV_DIST_DIR}/orv.1" "${ORV_DIST_DIR}/orvane.1"
        DESTINATION "${CMAKE_INSTALL_MANDIR}/man1")
install(FILES "${ORV_DIST_DIR}/orv.bash-completion"
        DESTINATION "${CMAKE_INSTALL_DATADIR}/bash-completion/completions" RENAME orv)

# The Debian package: the libraries the programs link are found by
# dpkg-shlibdeps; the SWORD modules are only needed to import again.
set(CPACK_PACKAGE_NAME "orvane")
set(CPACK_PACKAGE_VENDOR "Orvane")
set(CPACK_PACKAGE_VERSION "${PROJECT_VERSION}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Study the Hebrew Old Testament word by word")
# One string: the lines of a list would be joined with ";" in the control file.
string(CONCAT CPACK_PACKAGE_DESCRIPTION
       "Orvane paints an interlinear page of the Hebrew Old Testament: under each Hebrew word "
       "its Strong's number, letter value and interlinear lines (King James gloss, morphology, "
       "transliteration). Lookups, counts, searches by value, reports and editors of the "
       "user's own glosses.")
set(CPACK_PACKAGE_CONTACT "Orvane developers <orvane@localhost>")
set(CPACK_PACKAGING_INSTALL_PREFIX "/usr")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION "text")
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-dejavu-core")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-sil-ezra, sword-text-kjv, sword-dict-strongs-hebrew")
include(CPack)

# Tests of the install tree and the package (skipped, exit code 77, when the
# tools are missing).
if(ORV_TESTS AND NOT ORV_FUZZ)
  add_test(NAME Install.TreeHoldsProgramsDataAndDesktopFiles
           COMMAND sh "${PROJECT_SOURCE_DIR}/tests/install/install_tree_test.sh"
                   "${PROJECT_BINARY_DIR}" "${ORV_SUPPLIED_DIR}")
  add_test(NAME Install.DebianPackageHoldsTheTree
           COMMAND sh "${PROJECT_SOURCE_DIR}/tests/install/deb_package_test.sh"
                   "${PROJECT_BINARY_DIR}")
  set_tests_properties(Install.TreeHoldsProgramsDataAndDesktopFiles
                       Install.DebianPackageHoldsTheTree PROPERTIES SKIP_RETURN_CODE 77)
endif()
