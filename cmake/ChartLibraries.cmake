# The chart engine as two versioned shared libraries that other programs build on: bhnchart, the engine without
# Qt, and bhnchart-qt, its Qt side (the Qt device, the chart widget, picture files, printing). Each is compiled
# once into objects with hidden visibility: the shared library exports what BHN_CHART_API marks, and a static
# library of the same objects lets tests and benchmarks reach the internals.
set(BHN_CHART_VERSION 1.0.0)
set(BHN_CHART_SOVERSION 1)

# The Qt side's sources; the rest of src/platform (form reader, application object, dialogs) is the program's.
set(BHN_CHART_QT_SOURCES "")
foreach(name ChartFile ChartPrinting ChartRendering LayoutFont QtDeviceMapping QtSystemColors TChartWidget
             TLineBatcher TPixelBlock TQtDevice TQtDeviceText TShapeStamps TThinLineRaster)
  list(APPEND BHN_CHART_QT_SOURCES ${CMAKE_SOURCE_DIR}/src/platform/${name}.cpp)
endforeach()

# Headers that only the libraries' own sources include; every other header of theirs is installed.
set(BHN_CHART_PRIVATE_HEADERS chart/series/PixelColumns.h chart/series/SortPoints.h chart/axes/AxisTextLines.h
  chart/frame/PaintWalls.h chart/axes/CheckAxisAngle.h platform/TThinLineRaster.h chart/series/TPlainLines.h
  chart/panel/TDeviceSession.h chart/panel/TDrawingTarget.h)

# name_objects, the static name and the shared library shared_name from one set of sources.
function(bhn_chart_library name shared_name)
  cmake_parse_arguments(C "" "" "SOURCES;DEPS;PRIVATE_DEPS" ${ARGN})
  add_library(${name}_objects OBJECT ${C_SOURCES})
  set_target_properties(${name}_objects PROPERTIES POSITION_INDEPENDENT_CODE ON
    CXX_VISIBILITY_PRESET hidden VISIBILITY_INLINES_HIDDEN ON)
  # Calls inside the library bind to its own functions, as in a static build, and the interface checker
  # needs the types in the debug information.
  target_compile_options(${name}_objects PRIVATE $<$<CXX_COMPILER_ID:GNU>:-fno-semantic-interposition> -g)
  target_include_directories(${name}_objects PUBLIC ${CMAKE_SOURCE_DIR}/src)
  target_link_libraries(${name}_objects PUBLIC ${C_DEPS} ${C_PRIVATE_DEPS} bhn_numeric)

  add_library(${name} STATIC $<TARGET_OBJECTS:${name}_objects>)
  target_include_directories(${name} PUBLIC ${CMAKE_SOURCE_DIR}/src)
  target_link_libraries(${name} PUBLIC ${C_DEPS} ${C_PRIVATE_DEPS} bhn_numeric)

  # The extended arithmetic the headers use goes into the shared library; its headers are installed with the
  # engine's, and the choice of extended type is part of the interface.
  # The browser has no shared libraries: there the library of that name is a static one.
  get_property(shared_supported GLOBAL PROPERTY TARGET_SUPPORTS_SHARED_LIBS)
  if(shared_supported)
    set(kind SHARED)
  else()
    set(kind STATIC)
  endif()
  add_library(${shared_name} ${kind} $<TARGET_OBJECTS:${name}_objects>)
  # Beside the window module's folder, as installed; the packages find them there too.
  set_target_properties(${shared_name} PROPERTIES VERSION ${BHN_CHART_VERSION} SOVERSION ${BHN_CHART_SOVERSION}
    LIBRARY_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/${BHN_CHART_LIBDIR})
  target_include_directories(${shared_name} PUBLIC
    $<BUILD_INTERFACE:${CMAKE_SOURCE_DIR}/src> $<INSTALL_INTERFACE:${CMAKE_INSTALL_INCLUDEDIR}/bhnchart>)
  target_link_libraries(${shared_name} PUBLIC ${C_DEPS} PRIVATE ${C_PRIVATE_DEPS} $<BUILD_INTERFACE:bhn_numeric>)
  if(BHN_SOFT_EXTENDED)
    target_compile_definitions(${shared_name} INTERFACE BHN_SOFT_EXTENDED)
  endif()
  target_link_options(${shared_name} PRIVATE -Wl,--no-undefined)
endfunction()

# What the program's own layers link: the shared libraries, as any other program would, unless the program
# linking them sets BHN_STATIC_CHART to reach the internals.
function(bhn_chart_choice name static shared)
  add_library(${name} INTERFACE)
  target_link_libraries(${name} INTERFACE $<IF:$<BOOL:$<TARGET_PROPERTY:BHN_STATIC_CHART>>,${static},${shared}>)
endfunction()

include(GNUInstallDirs)
# The libraries' folder: Debian's multiarch one where the compiler names it, as GNUInstallDirs picks for /usr,
# which the loader, pkg-config and CMake search below /usr/local too.
if(CMAKE_LIBRARY_ARCHITECTURE AND CMAKE_INSTALL_LIBDIR STREQUAL "lib")
  set(BHN_CHART_LIBDIR lib/${CMAKE_LIBRARY_ARCHITECTURE})
else()
  set(BHN_CHART_LIBDIR ${CMAKE_INSTALL_LIBDIR})
endif()
file(GLOB_RECURSE bhn_chart_sources CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/src/chart/*.cpp)
bhn_chart_library(bhn_chart bhnchart SOURCES ${bhn_chart_sources})
bhn_chart_choice(bhn_chart_link bhn_chart bhnchart)

if(BHN_WITH_QT)
  bhn_chart_library(bhn_chart_qt bhnchart-qt SOURCES ${BHN_CHART_QT_SOURCES}
    DEPS Qt6::Widgets Qt6::PrintSupport PRIVATE_DEPS Qt6::Svg)
  set_target_properties(bhn_chart_qt_objects PROPERTIES AUTOMOC ON)
  target_link_libraries(bhn_chart_qt PUBLIC bhn_chart)
  target_link_libraries(bhnchart-qt PUBLIC bhnchart)
  bhn_chart_choice(bhn_chart_qt_link bhn_chart_qt bhnchart-qt)
endif()

include(${CMAKE_SOURCE_DIR}/cmake/ChartInstall.cmake)
