# Cross build for aarch64 Linux.
set(BHN_CROSS_PROCESSOR aarch64)
set(BHN_CROSS_TRIPLE aarch64-linux-gnu)
include(${CMAKE_CURRENT_LIST_DIR}/DebianCross.cmake)
