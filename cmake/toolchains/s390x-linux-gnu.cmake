# Cross build for s390x Linux.
set(BHN_CROSS_PROCESSOR s390x)
set(BHN_CROSS_TRIPLE s390x-linux-gnu)
include(${CMAKE_CURRENT_LIST_DIR}/DebianCross.cmake)
