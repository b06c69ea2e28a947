# Installing and packaging.
#
# Two install components:
#   program  bin/vindrulen.exe, README.txt and LICENSE.txt: what a user of the program gets
#   dev      the toolkit for programmers: lib/libvutoolkit.a, include/vu.h and the CMake
#            package lib/cmake/Vindrulen (find_package(Vindrulen) -> Vindrulen::vutoolkit)
# `cmake --install` installs both. The user-facing packages (the portable ZIP and the
# Windows installer) carry the program component alone.
include(GNUInstallDirs)
include(CMakePackageConfigHelpers)

set(VU_PACKAGE_DIR ${CMAKE_INSTALL_LIBDIR}/cmake/Vindrulen)

install(TARGETS vindrulen RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR} COMPONENT program)
# Texts for Windows users: Windows line ends, so that every editor shows them right.
configure_file(${PROJECT_SOURCE_DIR}/packaging/README.txt ${PROJECT_BINARY_DIR}/packaging/README.txt
               @ONLY NEWLINE_STYLE WIN32)
configure_file(${PROJECT_SOURCE_DIR}/LICENSE.txt ${PROJECT_BINARY_DIR}/packaging/LICENSE.txt
               @ONLY NEWLINE_STYLE WIN32)
install(FILES ${PROJECT_BINARY_DIR}/packaging/README.txt ${PROJECT_BINARY_DIR}/packaging/LICENSE.txt
        DESTINATION . COMPONENT program)

install(TARGETS vutoolkit EXPORT VindrulenTargets
        ARCHIVE DESTINATION ${CMAKE_INSTALL_LIBDIR} COMPONENT dev)
install(FILES ${PROJECT_SOURCE_DIR}/toolkit/vu.h DESTINATION ${CMAKE_INSTALL_INCLUDEDIR}
        COMPONENT dev)
install(EXPORT VindrulenTargets NAMESPACE Vindrulen:: DESTINATION ${VU_PACKAGE_DIR}
        COMPONENT dev)
configure_package_config_file(${CMAKE_CURRENT_LIST_DIR}/VindrulenConfig.cmake.in
                              ${PROJECT_BINARY_DIR}/VindrulenConfig.cmake
                              INSTALL_DESTINATION ${VU_PACKAGE_DIR})
write_basic_package_version_file(${PROJECT_BINARY_DIR}/VindrulenConfigVersion.cmake
                                 COMPATIBILITY SameMajorVersion)
install(FILES ${PROJECT_BINARY_DIR}/VindrulenConfig.cmake
              ${PROJECT_BINARY_DIR}/VindrulenConfigVersion.cmake
        DESTINATION ${VU_PACKAGE_DIR} COMPONENT dev)

# CPack: `cpack -G ZIP` gives the portable ZIP, `cpack -G NSIS` the Windows installer
# (makensis, Debian package nsis). Both hold the program component only.
set(CPACK_PACKAGE_NAME Vindrulen)
set(CPACK_PACKAGE_VENDOR "The Vindrulen developers")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Copies up to nine files to chosen destinations with one button")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_FILE_NAME Vindrulen-${PROJECT_VERSION}-win32)
set(CPACK_PACKAGE_INSTALL_DIRECTORY Vindrulen)
set(CPACK_PACKAGE_INSTALL_REGISTRY_KEY Vindrulen)
set(CPACK_RESOURCE_FILE_LICENSE ${PROJECT_BINARY_DIR}/packaging/LICENSE.txt)
set(CPACK_RESOURCE_FILE_README ${PROJECT_BINARY_DIR}/packaging/README.txt)
set(CPACK_PACKAGE_EXECUTABLES vindrulen Vindrulen)
set(CPACK_COMPONENTS_ALL program)
set(CPACK_COMPONENT_PROGRAM_DISPLAY_NAME Vindrulen)
set(CPACK_COMPONENT_PROGRAM_REQUIRED ON)
set(CPACK_COMPONENT_DEV_DISPLAY_NAME "Toolkit library, header and CMake package")
# One archive holding the listed components (a plain archive would hold every component).
set(CPACK_ARCHIVE_COMPONENT_INSTALL ON)
set(CPACK_COMPONENTS_GROUPING ALL_COMPONENTS_IN_ONE)
set(CPACK_PROJECT_CONFIG_FILE ${CMAKE_CURRENT_LIST_DIR}/cpack_options.cmake)

find_program(VU_MAKENSIS makensis)
if(VU_MAKENSIS)
  set(CPACK_GENERATOR ZIP NSIS)
else()
  set(CPACK_GENERATOR ZIP)
endif()
set(CPACK_NSIS_PACKAGE_NAME Vindrulen)
set(CPACK_NSIS_DISPLAY_NAME Vindrulen)
set(CPACK_NSIS_INSTALLED_ICON_NAME bin\\\\vindrulen.exe)
set(CPACK_NSIS_MUI_ICON ${PROJECT_SOURCE_DIR}/app/copy_icon.ico)
set(CPACK_NSIS_MUI_UNIICON ${PROJECT_SOURCE_DIR}/app/copy_icon.ico)
set(CPACK_NSIS_MODIFY_PATH OFF)
include(CPack)
