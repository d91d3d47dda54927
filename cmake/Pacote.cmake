# What a point-of-sale vendor installs: the module with its header, the platform stand-in it runs on, the
# simulated till and server with their scenarios; a CMake package and a pkg-config file to build a host
# against it; and a Debian package of all of it (cpack, or ./cb package).
include(CMakePackageConfigHelpers)

install(TARGETS correspondente vortaplatform EXPORT CorrespondenteAlvos
        LIBRARY DESTINATION ${CMAKE_INSTALL_LIBDIR})
install(FILES ${PROJECT_SOURCE_DIR}/include/correspondente.h DESTINATION ${CMAKE_INSTALL_INCLUDEDIR})
install(DIRECTORY ${PROJECT_SOURCE_DIR}/platform/include/ DESTINATION ${CMAKE_INSTALL_INCLUDEDIR}/vorta)
install(TARGETS cb-till cb-server RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(DIRECTORY ${PROJECT_SOURCE_DIR}/server/scenarios/
        DESTINATION ${CMAKE_INSTALL_DATADIR}/correspondente/scenarios)
install(FILES ${PROJECT_SOURCE_DIR}/server/PROTOCOL.md DESTINATION ${CMAKE_INSTALL_DOCDIR})

set(CB_DESTINO_CMAKE ${CMAKE_INSTALL_LIBDIR}/cmake/Correspondente)
install(EXPORT CorrespondenteAlvos NAMESPACE Correspondente:: DESTINATION ${CB_DESTINO_CMAKE})
configure_package_config_file(${PROJECT_SOURCE_DIR}/cmake/CorrespondenteConfig.cmake.in
                              ${PROJECT_BINARY_DIR}/CorrespondenteConfig.cmake INSTALL_DESTINATION ${CB_DESTINO_CMAKE})
# The module's entry points are its contract: a host built against 1.x takes any later 1.x.
write_basic_package_version_file(${PROJECT_BINARY_DIR}/CorrespondenteConfigVersion.cmake
                                 COMPATIBILITY SameMajorVersion)
install(FILES ${PROJECT_BINARY_DIR}/CorrespondenteConfig.cmake
              ${PROJECT_BINARY_DIR}/CorrespondenteConfigVersion.cmake DESTINATION ${CB_DESTINO_CMAKE})
# The prefix is found from where the file lies, so the same file serves any installation prefix.
file(RELATIVE_PATH CB_PC_PREFIXO "/${CMAKE_INSTALL_LIBDIR}/pkgconfig" "/")
configure_file(${PROJECT_SOURCE_DIR}/cmake/correspondente.pc.in ${PROJECT_BINARY_DIR}/correspondente.pc @ONLY)
install(FILES ${PROJECT_BINARY_DIR}/correspondente.pc DESTINATION ${CMAKE_INSTALL_LIBDIR}/pkgconfig)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME correspondente)
set(CPACK_PACKAGE_VENDOR "Correspondente Bancário")
set(CPACK_PACKAGE_CONTACT "Correspondente Bancário <correspondente@localhost>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY
    "Banking-correspondent module for point-of-sale tills, with a simulated till and payment server")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION libs)
set(CPACK_STRIP_FILES ON)
# The run-time libraries the binaries need, as dpkg-shlibdeps finds them.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# cb-server --db loads Qt's SQLite driver as a plugin, which no library dependency names.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS libqt6sql6-sqlite)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_PACKAGE_DIRECTORY ${PROJECT_BINARY_DIR}/pacote)
include(CPack)

# Installed into a temporary prefix, the package builds a small host with find_package and with pkg-config,
# and each host loads the module and reads its version. A sanitized build would need the host sanitized too.
if(NOT CB_SANITIZE)
    add_test(NAME instalacao
             COMMAND ${CMAKE_COMMAND} -DBUILD=${PROJECT_BINARY_DIR} -DFONTES=${PROJECT_SOURCE_DIR}/tests/instalacao
                     -DPREFIXO=${PROJECT_BINARY_DIR}/instalacao -DLIBDIR=${CMAKE_INSTALL_LIBDIR}
                     -DVERSAO=${PROJECT_VERSION} -P ${PROJECT_SOURCE_DIR}/tests/instalacao/instala.cmake)
endif()
