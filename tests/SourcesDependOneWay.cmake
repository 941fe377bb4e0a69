# Fails when a source file includes a header of a layer above its own, or a toolkit header
# outside the framework, or when a source file lies in a folder that the table below does not
# name. Run as: cmake -DSOURCE=<project folder> -P SourcesDependOneWay.cmake
#
# Each layer, then the folders whose headers it may include: its own and those below it. A
# header named alone is the only one of its folder that the layer may include, and it is held
# to that layer's rules as well as to its own: the drawing program, which links only the
# toolkit, and the layouts share the model's dot range, and the program reads its pictures by
# the numbers the drawing program writes them under.
cmake_minimum_required(VERSION 3.25)

set(layers
  "framework: framework"
  "model: framework model"
  "resources/layouts: framework model/DotRange.h resources/layouts"
  "resources/pictures: model/DotRange.h resources/pictures"
  "app: framework model resources/layouts resources/pictures/PictureNumbers.h app"
  "tools: framework model resources/layouts resources/pictures/PictureNumbers.h app tools"
  "shell: framework model resources/layouts resources/pictures/PictureNumbers.h app tools shell"
  "main.cpp: shell")
# Source folders outside the layers, which may include any header.
set(outside "tests" "bench")
# The toolkit's headers belong to the framework, and to the build's drawing program.
set(toolkit_layers "framework" "resources/pictures")
set(source_extensions cpp cc cxx c h hpp hh hxx inl)
list(JOIN source_extensions "|" source_pattern)
set(source_pattern "\\.(${source_pattern})$")

set(layer_names "")
set(project_roots "")
foreach(entry ${layers})
  string(REGEX REPLACE ":.*" "" layer "${entry}")
  list(APPEND layer_names "${layer}")
  string(REGEX REPLACE "/.*" "" root "${layer}")
  list(APPEND project_roots "${root}")
endforeach()
list(APPEND project_roots ${outside})

# The entry of the table that a file (relative to SOURCE) belongs to: the longest layer or
# outside folder that holds it, or the file itself; empty when none does.
function(entry_of file out)
  set(best "")
  foreach(entry ${layer_names} ${outside})
    string(LENGTH "${entry}" length)
    string(LENGTH "${best}" best_length)
    if(length GREATER best_length)
      string(LENGTH "${entry}/" prefix_length)
      string(SUBSTRING "${file}" 0 ${prefix_length} start)
      if(file STREQUAL entry OR start STREQUAL "${entry}/")
        set(best "${entry}")
      endif()
    endif()
  endforeach()
  set(${out} "${best}" PARENT_SCOPE)
endfunction()

# Every source file of the project, leaving out hidden folders and build trees (a folder with a
# CMakeCache.txt), whose generated sources are the build's, not the project's.
set(sources "")
file(GLOB tops RELATIVE "${SOURCE}" "${SOURCE}/*")
foreach(top ${tops})
  if(top MATCHES "^\\.")
    continue()
  endif()
  if(IS_DIRECTORY "${SOURCE}/${top}")
    if(EXISTS "${SOURCE}/${top}/CMakeCache.txt")
      continue()
    endif()
    set(globs "")
    foreach(extension ${source_extensions})
      list(APPEND globs "${SOURCE}/${top}/*.${extension}")
    endforeach()
    file(GLOB_RECURSE found RELATIVE "${SOURCE}" ${globs})
    list(APPEND sources ${found})
  elseif(top MATCHES "${source_pattern}")
    list(APPEND sources "${top}")
  endif()
endforeach()
list(SORT sources)

# Whether a header of the include line names the project's own files: a quoted header always
# does (all targets share one include root); one in angle brackets when it starts with one of
# the table's folders.
function(is_project_header delimiter header out)
  set(result FALSE)
  if(delimiter STREQUAL "\"")
    set(result TRUE)
  else()
    string(REGEX REPLACE "/.*" "" root "${header}")
    if(header MATCHES "/" AND root IN_LIST project_roots)
      set(result TRUE)
    elseif(header IN_LIST layer_names)
      set(result TRUE)
    endif()
  endif()
  set(${out} ${result} PARENT_SCOPE)
endfunction()

set(problems "")
foreach(name ${sources})
  entry_of("${name}" layer)
  if(layer STREQUAL "")
    list(APPEND problems "${name} lies in no folder of the layers' table")
    continue()
  endif()
  if(layer IN_LIST outside)
    continue()
  endif()
  # A header named alone in the allowed list also meets this layer's rules.
  set(checked_layers "${layer}")
  foreach(entry ${layers})
    string(REGEX REPLACE ":.*" "" other "${entry}")
    string(REGEX REPLACE ".*: " "" other_allowed "${entry}")
    separate_arguments(other_allowed)
    if(NOT other STREQUAL layer AND name IN_LIST other_allowed)
      list(APPEND checked_layers "${other}")
    endif()
  endforeach()

  # Include lines as the preprocessor reads them: blanks may stand before and after the "#".
  file(STRINGS "${SOURCE}/${name}" includes REGEX "^[ \t]*#[ \t]*include[ \t]*[\"<]")
  foreach(line ${includes})
    if(NOT line MATCHES "^[ \t]*#[ \t]*include[ \t]*([\"<])([^\">]+)[\">]")
      continue()
    endif()
    set(delimiter "${CMAKE_MATCH_1}")
    set(header "${CMAKE_MATCH_2}")
    foreach(rules ${checked_layers})
      set(allowed "")
      foreach(entry ${layers})
        string(REGEX REPLACE ":.*" "" entry_layer "${entry}")
        if(entry_layer STREQUAL rules)
          string(REGEX REPLACE ".*: " "" allowed "${entry}")
          separate_arguments(allowed)
        endif()
      endforeach()
      # <QString>, <QtCore/QString>, <QtWidgets> and the older <qstring.h>; in quotes too, which
      # the preprocessor also looks for along the toolkit's include path.
      if(header MATCHES "^(Q[A-Za-z0-9_]*|Qt[A-Za-z0-9_]*/.+|q[a-z0-9_]*\\.h)$")
        if(NOT rules IN_LIST toolkit_layers)
          list(APPEND problems "${name} includes the toolkit's ${header}")
        endif()
        continue()
      endif()
      is_project_header("${delimiter}" "${header}" own)
      if(NOT own)
        continue()
      endif()
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
    endforeach()
  endforeach()
endforeach()

if(NOT sources)
  list(APPEND problems "no source files found under ${SOURCE}")
endif()
if(problems)
  list(REMOVE_DUPLICATES problems)
  list(JOIN problems "\n  " text)
  message(FATAL_ERROR "sources against the layers' rules:\n  ${text}")
endif()
