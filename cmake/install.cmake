# Install rules: the program in bin, the static libraries behind the public headers in lib, the public
# headers of include/solarlon as they are (the private headers of the folders, and what a folder's
# include/ offers the libraries above it, stay in the tree), the CMake package (find_package(solarlon),
# targets solarlon::<name>) and solarlon.pc for pkg-config.
include(CMakePackageConfigHelpers)

set(SOLARLON_CMAKE_DIR ${CMAKE_INSTALL_LIBDIR}/cmake/solarlon)

install(TARGETS solarlon RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
# The libraries behind the public headers; console, driver, commands and program make the program only.
set(SOLARLON_INSTALLED io util equinox solar apparent sun)
foreach(name ${SOLARLON_INSTALLED})
  install(TARGETS solarlon_${name} EXPORT solarlonTargets ARCHIVE DESTINATION ${CMAKE_INSTALL_LIBDIR})
endforeach()
install(DIRECTORY ${PROJECT_SOURCE_DIR}/include/solarlon DESTINATION ${CMAKE_INSTALL_INCLUDEDIR}
  FILES_MATCHING PATTERN "*.hpp")

install(EXPORT solarlonTargets NAMESPACE solarlon:: DESTINATION ${SOLARLON_CMAKE_DIR})
configure_package_config_file(${CMAKE_CURRENT_LIST_DIR}/solarlonConfig.cmake.in
  ${PROJECT_BINARY_DIR}/solarlonConfig.cmake INSTALL_DESTINATION ${SOLARLON_CMAKE_DIR})
write_basic_package_version_file(${PROJECT_BINARY_DIR}/solarlonConfigVersion.cmake
  VERSION ${PROJECT_VERSION} COMPATIBILITY SameMajorVersion)
install(FILES ${PROJECT_BINARY_DIR}/solarlonConfig.cmake ${PROJECT_BINARY_DIR}/solarlonConfigVersion.cmake
  DESTINATION ${SOLARLON_CMAKE_DIR})

# The .pc file finds its prefix from its own place, so the prefix may be chosen at install time
# (cmake --install build --prefix DIR) and the tree moved afterwards.
set(SOLARLON_PC_DIR ${CMAKE_INSTALL_LIBDIR}/pkgconfig)
if(IS_ABSOLUTE "${SOLARLON_PC_DIR}")
  set(SOLARLON_PC_PREFIX "${CMAKE_INSTALL_PREFIX}")
else()
  string(REGEX REPLACE "[^/]+" ".." up "${SOLARLON_PC_DIR}")  # lib/pkgconfig -> ../..
  set(SOLARLON_PC_PREFIX "\${pcfiledir}/${up}")
endif()
foreach(dir LIBDIR INCLUDEDIR)
  if(IS_ABSOLUTE "${CMAKE_INSTALL_${dir}}")
    set(SOLARLON_PC_${dir} "${CMAKE_INSTALL_${dir}}")
  else()
    set(SOLARLON_PC_${dir} "\${prefix}/${CMAKE_INSTALL_${dir}}")
  endif()
endforeach()
# Libraries in link order, each before the ones it stands on; the maths library where it is separate.
set(SOLARLON_PC_LIBS "")
foreach(name sun apparent solar equinox util io)
  string(APPEND SOLARLON_PC_LIBS " -lsolarlon_${name}")
endforeach()
if(UNIX)
  string(APPEND SOLARLON_PC_LIBS " -lm")
endif()
# ERFA, when the apparent theory is built, comes from its own .pc file, after the libraries.
if(SOLARLON_HAVE_ERFA)
  set(SOLARLON_PC_REQUIRES "Requires: erfa\n")
else()
  set(SOLARLON_PC_REQUIRES "")
endif()
configure_file(${CMAKE_CURRENT_LIST_DIR}/solarlon.pc.in ${PROJECT_BINARY_DIR}/solarlon.pc @ONLY)
install(FILES ${PROJECT_BINARY_DIR}/solarlon.pc DESTINATION ${SOLARLON_PC_DIR})
