# Fails when a source file includes a header of a layer above its own, or a toolkit header
# outside the framework. Run as: cmake -DSOURCE=<project folder> -P SourcesDependOneWay.cmake
#
# Each layer, then the folders whose headers it may include: its own and those below it. A
# header named alone is the only one of its folder that the layer may include, and it is held
# to that layer's rules as well as to its own: the drawing program, which links only the
# toolkit, shares the model's dot range, and the program reads its pictures by the numbers
# the drawing program writes them under.
set(layers
  "framework: framework"
  "model: framework model"
  "resources/layouts: framework resources/layouts"
  "resources/pictures: model/DotRange.h resources/pictures"
  "app: framework model resources/layouts resources/pictures/PictureNumbers.h app"
  "tools: framework model resources/layouts resources/pictures/PictureNumbers.h app tools"
  "shell: framework model resources/layouts resources/pictures/PictureNumbers.h app tools shell"
  "main.cpp: shell")
# The toolkit's headers belong to the framework, and to the build's drawing program.
set(toolkit_layers "framework" "resources/pictures")

set(problems "")
foreach(entry ${layers})
  string(REGEX REPLACE ":.*" "" layer "${entry}")
  string(REGEX REPLACE ".*: " "" allowed "${entry}")
  separate_arguments(allowed)
  if(IS_DIRECTORY "${SOURCE}/${layer}")
    file(GLOB_RECURSE files "${SOURCE}/${layer}/*.cpp" "${SOURCE}/${layer}/*.h")
  else()
    set(files "${SOURCE}/${layer}")
  endif()
  foreach(folder ${allowed})
    if(folder MATCHES "\\.h$")
      list(APPEND files "${SOURCE}/${folder}")
    endif()
  endforeach()
  list(FIND toolkit_layers "${layer}" toolkit_allowed)
  foreach(file ${files})
    file(RELATIVE_PATH name "${SOURCE}" "${file}")
    file(STRINGS "${file}" includes REGEX "^#include [\"<]")
    foreach(line ${includes})
      if(line MATCHES "^#include \"([^\"]+)\"")
        set(header "${CMAKE_MATCH_1}")
        set(ok FALSE)
        foreach(folder ${allowed})
          string(LENGTH "${folder}/" length)
          string(SUBSTRING "${header}" 0 ${length} start)
          if(start STREQUAL "${folder}/" OR header STREQUAL folder)
            set(ok TRUE)
          endif()
        endforeach()
        if(NOT ok)
          list(APPEND problems "${name} includes ${header}")
        endif()
      elseif(line MATCHES "^#include <(Q[A-Za-z]*)>" AND toolkit_allowed EQUAL -1)
        list(APPEND problems "${name} includes the toolkit's ${CMAKE_MATCH_1}")
      endif()
    endforeach()
  endforeach()
endforeach()

if(problems)
  list(JOIN problems "\n  " text)
  message(FATAL_ERROR "includes against the layers' direction:\n  ${text}")
endif()
