# The chart libraries' Debian packages beside the calculator's, one per component: libbhnchart<major> and
# libbhnchart-qt<major> (one shared library each, named after its SONAME), libbhnchart-dev for building against
# them. Included from data/ before CPack, where the copyright file and the changelog are made.
set(CPACK_DEB_COMPONENT_INSTALL ON)
set(CPACK_DEBIAN_ENABLE_COMPONENT_DEPENDS ON)
# The calculator's package takes the components installed without a name.
set(CPACK_DEBIAN_UNSPECIFIED_PACKAGE_NAME bhncalc)

get_target_property(bhn_chart_major bhnchart SOVERSION)
set(bhn_chart_packages chart-runtime)
set(CPACK_DEBIAN_CHART-RUNTIME_PACKAGE_NAME libbhnchart${bhn_chart_major})
set(CPACK_DEBIAN_CHART-RUNTIME_PACKAGE_SECTION libs)
set(CPACK_DEBIAN_CHART-RUNTIME_PACKAGE_DEPENDS "")
set(CPACK_DEBIAN_CHART-RUNTIME_DESCRIPTION "bhncalc's chart engine without Qt (shared library)
The chart engine of the BHN calculator: a canvas with a device interface of
its own, the chart panel, axes, line, point, bar and pie series, title,
walls, legend and mouse zooming and scrolling. It needs only the C++ library.")

set(CPACK_DEBIAN_CHART-DEV_PACKAGE_NAME libbhnchart-dev)
set(CPACK_DEBIAN_CHART-DEV_PACKAGE_SECTION libdevel)
set(CPACK_DEBIAN_CHART-DEV_DESCRIPTION "bhncalc's chart engine (development files)
Headers, a CMake package (find_package(BhnChart)) and pkg-config files for
programs that draw charts with the BHN calculator's chart engine, with or
without its Qt side.")

if(TARGET bhnchart-qt)
  list(APPEND bhn_chart_packages chart-qt-runtime)
  set(CPACK_DEBIAN_CHART-QT-RUNTIME_PACKAGE_NAME libbhnchart-qt${bhn_chart_major})
  set(CPACK_DEBIAN_CHART-QT-RUNTIME_PACKAGE_SECTION libs)
  set(CPACK_DEBIAN_CHART-QT-RUNTIME_PACKAGE_DEPENDS "")
  set(CPACK_DEBIAN_CHART-QT-RUNTIME_DESCRIPTION "bhncalc's chart engine drawn with Qt (shared library)
The Qt side of the BHN calculator's chart engine: a device drawing with
QPainter, a chart widget passing it mouse and wheel events, the chart as PNG,
SVG and PDF files, and printing.")
  # The CMake package finds Qt's widgets and printing for its users.
  set(CPACK_DEBIAN_CHART-DEV_PACKAGE_DEPENDS qt6-base-dev)
endif()
list(APPEND bhn_chart_packages chart-dev)

# The libraries name the package that holds them for whoever links them; the calculator's module finds them in
# the build tree while its dependencies are worked out.
set(CPACK_DEBIAN_PACKAGE_GENERATE_SHLIBS ON)
get_target_property(bhn_chart_library_dir bhnchart LIBRARY_OUTPUT_DIRECTORY)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS_PRIVATE_DIRS ${bhn_chart_library_dir})

# Every package carries the copyright file and the changelog under its own name; a library's package renews the
# loader's cache through the ldconfig trigger, as Debian's library packages do.
# CPack takes a control file by its name.
configure_file(debian/library-triggers library/triggers COPYONLY)
foreach(component IN LISTS bhn_chart_packages)
  string(TOUPPER ${component} upper)
  set(package ${CPACK_DEBIAN_${upper}_PACKAGE_NAME})
  install(FILES ${CMAKE_CURRENT_BINARY_DIR}/copyright ${CMAKE_CURRENT_BINARY_DIR}/changelog.gz
    DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/${package} COMPONENT ${component})
  if(NOT component STREQUAL chart-dev)
    set(CPACK_DEBIAN_${upper}_PACKAGE_CONTROL_EXTRA ${CMAKE_CURRENT_BINARY_DIR}/library/triggers)
    configure_file(debian/library-lintian-overrides.in lintian-overrides-${package} @ONLY)
    install(FILES ${CMAKE_CURRENT_BINARY_DIR}/lintian-overrides-${package}
      DESTINATION ${CMAKE_INSTALL_DATADIR}/lintian/overrides RENAME ${package} COMPONENT ${component})
  endif()
endforeach()

# What each package needs of the others, at the same version.
set(CPACK_COMPONENT_UNSPECIFIED_DEPENDS chart-runtime)
set(CPACK_COMPONENT_CHART-DEV_DEPENDS chart-runtime)
if(TARGET bhnchart-qt)
  list(APPEND CPACK_COMPONENT_UNSPECIFIED_DEPENDS chart-qt-runtime)
  set(CPACK_COMPONENT_CHART-QT-RUNTIME_DEPENDS chart-runtime)
  list(APPEND CPACK_COMPONENT_CHART-DEV_DEPENDS chart-qt-runtime)
endif()

# CPack would put the one summary above every package's description: each package has its own instead.
set(CPACK_DEBIAN_UNSPECIFIED_DESCRIPTION "${CPACK_PACKAGE_DESCRIPTION_SUMMARY}\n${CPACK_PACKAGE_DESCRIPTION}")
unset(CPACK_PACKAGE_DESCRIPTION_SUMMARY)
