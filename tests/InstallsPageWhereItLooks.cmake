# Installs the build into a fresh folder and fails unless the installed program finds its page
# at the path it was built to look at. Run as: cmake -DBUILD=<build tree> -DPREFIX=<folder>
#   -DBINDIR=<program folder in the prefix> -DPAGE_FROM_PROGRAM=<path> -P InstallsPageWhereItLooks.cmake
file(REMOVE_RECURSE "${PREFIX}")
execute_process(COMMAND ${CMAKE_COMMAND} --install "${BUILD}" --prefix "${PREFIX}"
  OUTPUT_QUIET RESULT_VARIABLE failed)
if(failed)
  message(FATAL_ERROR "installing ${BUILD} into ${PREFIX} failed")
endif()
foreach(file "${PREFIX}/${BINDIR}/quellmoor" "${PREFIX}/${BINDIR}/${PAGE_FROM_PROGRAM}/quellmoor.html")
  if(NOT EXISTS "${file}")
    message(FATAL_ERROR "the install has no ${file}")
  endif()
endforeach()
file(REMOVE_RECURSE "${PREFIX}")
