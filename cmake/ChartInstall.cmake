# Installs the chart libraries for other programs: the shared libraries (components chart-runtime and
# chart-qt-runtime), and for building against them (component chart-dev) the headers under one folder, a CMake
# package and a pkg-config file per library.
include(CMakePackageConfigHelpers)

set(bhn_chart_include_dir ${CMAKE_INSTALL_INCLUDEDIR}/bhnchart)
set(bhn_chart_package_dir ${BHN_CHART_LIBDIR}/cmake/BhnChart)

set(bhn_chart_installed bhnchart)
if(TARGET bhnchart-qt)
  list(APPEND bhn_chart_installed bhnchart-qt)
endif()
set_target_properties(bhnchart PROPERTIES EXPORT_NAME Chart)
install(TARGETS bhnchart EXPORT BhnChartTargets
  LIBRARY DESTINATION ${BHN_CHART_LIBDIR} COMPONENT chart-runtime NAMELINK_COMPONENT chart-dev)

# The public headers keep their folders below src/, as the libraries' own sources include them.
file(GLOB_RECURSE bhn_chart_headers RELATIVE ${CMAKE_SOURCE_DIR}/src CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/src/chart/*.h
  ${CMAKE_SOURCE_DIR}/src/numeric/*.h)
if(TARGET bhnchart-qt)
  set_target_properties(bhnchart-qt PROPERTIES EXPORT_NAME ChartQt)
  install(TARGETS bhnchart-qt EXPORT BhnChartTargets
    LIBRARY DESTINATION ${BHN_CHART_LIBDIR} COMPONENT chart-qt-runtime NAMELINK_COMPONENT chart-dev)
  foreach(source IN LISTS BHN_CHART_QT_SOURCES)
    get_filename_component(stem ${source} NAME_WE)
    if(EXISTS ${CMAKE_SOURCE_DIR}/src/platform/${stem}.h)
      list(APPEND bhn_chart_headers platform/${stem}.h)
    endif()
  endforeach()
  # Headers of the Qt side without a source of their own.
  list(APPEND bhn_chart_headers platform/EDeviceError.h picture/TPictureFormat.h)
endif()
list(REMOVE_ITEM bhn_chart_headers ${BHN_CHART_PRIVATE_HEADERS})
foreach(header IN LISTS bhn_chart_headers)
  get_filename_component(folder ${header} DIRECTORY)
  install(FILES ${CMAKE_SOURCE_DIR}/src/${header} DESTINATION ${bhn_chart_include_dir}/${folder} COMPONENT chart-dev)
endforeach()

install(EXPORT BhnChartTargets NAMESPACE BhnChart:: DESTINATION ${bhn_chart_package_dir} COMPONENT chart-dev)
set(BHN_CHART_WITH_QT ${BHN_WITH_QT})
configure_package_config_file(${CMAKE_SOURCE_DIR}/cmake/BhnChartConfig.cmake.in
  ${CMAKE_BINARY_DIR}/cmake/BhnChartConfig.cmake INSTALL_DESTINATION ${bhn_chart_package_dir})
# A caller of 1.x takes any later 1.x; a new major version is an interface that breaks callers.
write_basic_package_version_file(${CMAKE_BINARY_DIR}/cmake/BhnChartConfigVersion.cmake
  VERSION ${BHN_CHART_VERSION} COMPATIBILITY SameMajorVersion)
install(FILES ${CMAKE_BINARY_DIR}/cmake/BhnChartConfig.cmake ${CMAKE_BINARY_DIR}/cmake/BhnChartConfigVersion.cmake
  DESTINATION ${bhn_chart_package_dir} COMPONENT chart-dev)

# pkg-config files name their prefix relative to their own folder, so an install moved elsewhere still works.
set(bhn_pc_dir ${BHN_CHART_LIBDIR}/pkgconfig)
file(RELATIVE_PATH bhn_pc_to_prefix /${bhn_pc_dir} /)
string(REGEX REPLACE "/$" "" bhn_pc_to_prefix "${bhn_pc_to_prefix}")
set(BHN_CHART_PC_DEFINES "")
if(BHN_SOFT_EXTENDED)
  set(BHN_CHART_PC_DEFINES " -DBHN_SOFT_EXTENDED")
endif()
foreach(library IN LISTS bhn_chart_installed)
  configure_file(${CMAKE_SOURCE_DIR}/cmake/${library}.pc.in ${CMAKE_BINARY_DIR}/pkgconfig/${library}.pc @ONLY)
  install(FILES ${CMAKE_BINARY_DIR}/pkgconfig/${library}.pc DESTINATION ${bhn_pc_dir} COMPONENT chart-dev)
endforeach()
