# Fails when a source file includes a header of a layer above its own, or a toolkit header
# outside the framework, or when a source file lies in a folder that the table below does not
# name. Run as: cmake -DSOURCE=<project folder> -P SourcesDependOneWay.cmake
cmake_minimum_required(VERSION 3.25)

# Each layer, then the folders whose headers it may include: its own and those below it. A
# header named alone is the only one of its folder that the layer may include, and it is held
# to that layer's rules as well as to its own: the drawing program, which links only the
# toolkit, and the layouts share the model's dot range, and the program reads its pictures by
# the numbers the drawing program writes them under.
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
# Every file of a layer's folder is read but its build scripts. Elsewhere, a file with one of
# these endings (in any case) is a source that the table must place.
set(build_scripts "(^|/)(CMakeLists\\.txt|[^/]*\\.cmake)$")
set(source_endings "\\.(c|cc|cpp|cxx|c\\+\\+|cppm|ixx|h|hh|hpp|hxx|h\\+\\+|inl|inc|ipp|tpp|txx)$")
# The toolkit's headers as the program could name them: <QString>, <QtCore/QString>,
# <QtWidgets>, in quotes too, which the preprocessor also looks for along the toolkit's include
# path; and the older <qstring.h> in angle brackets, a form that of the compiler's own headers
# only quadmath.h shares.
set(toolkit_names "^(Q[A-Za-z0-9_]*|Qt[A-Za-z0-9_]*/.+)$")
set(toolkit_old_names "^q[a-z0-9_]*\\.h$")

set(layer_names "")
set(known_roots ${outside})
foreach(entry ${layers})
  string(REGEX REPLACE ":.*" "" layer "${entry}")
  string(REGEX REPLACE ".*: " "" allowed "${entry}")
  separate_arguments(allowed)
  list(APPEND layer_names "${layer}")
  string(MAKE_C_IDENTIFIER "${layer}" id)
  set(allowed_${id} ${allowed})
  string(REGEX REPLACE "/.*" "" root "${layer}")
  list(APPEND known_roots "${root}")
endforeach()

# Whether a path (relative to SOURCE) is the folder or file `place`, or lies in that folder.
function(is_in path place out)
  string(LENGTH "${place}/" length)
  string(SUBSTRING "${path}" 0 ${length} start)
  if(path STREQUAL place OR start STREQUAL "${place}/")
    set(${out} TRUE PARENT_SCOPE)
  else()
    set(${out} FALSE PARENT_SCOPE)
  endif()
endfunction()

# The table's entry that holds a file (relative to SOURCE): the longest layer or outside
# folder that holds it, or the file itself; empty when none does.
function(entry_of file out)
  set(best "")
  foreach(entry ${layer_names} ${outside})
    string(LENGTH "${entry}" length)
    string(LENGTH "${best}" best_length)
    is_in("${file}" "${entry}" inside)
    if(inside AND length GREATER best_length)
      set(best "${entry}")
    endif()
  endforeach()
  set(${out} "${best}" PARENT_SCOPE)
endfunction()

# The files to check, and the problems found. Hidden folders are left out, and so are build
# trees outside the table's folders (a folder with a CMakeCache.txt or a CMakeFiles folder,
# which a first configure writes before its cache), whose generated sources are the build's.
set(checked "")
set(problems "")
file(GLOB tops RELATIVE "${SOURCE}" "${SOURCE}/*")
foreach(top ${tops})
  if(top MATCHES "^\\.")
    continue()
  endif()
  if(IS_DIRECTORY "${SOURCE}/${top}")
    file(GLOB_RECURSE files RELATIVE "${SOURCE}" "${SOURCE}/${top}/*")
  else()
    set(files "${top}")
  endif()
  set(build_trees "")
  foreach(file ${files})
    # (One test to an if: a failed MATCHES clears the groups of an earlier one.)
    if(file MATCHES "^(.*)/CMakeCache\\.txt$")
      list(APPEND build_trees "${CMAKE_MATCH_1}")
    elseif(file MATCHES "^(.*)/CMakeFiles/")
      list(APPEND build_trees "${CMAKE_MATCH_1}")
    elseif(file MATCHES "^CMakeFiles/")
      list(APPEND build_trees "CMakeFiles")
    endif()
  endforeach()
  foreach(file ${files})
    if(file MATCHES "/\\.")
      continue()
    endif()
    entry_of("${file}" entry)
    if(entry STREQUAL "")
      set(in_build FALSE)
      foreach(tree ${build_trees})
        is_in("${file}" "${tree}" inside)
        if(inside)
          set(in_build TRUE)
        endif()
      endforeach()
      string(TOLOWER "${file}" lower)
      if(NOT in_build AND lower MATCHES "${source_endings}")
        list(APPEND problems "${file} lies in no folder of the layers' table")
      endif()
    elseif(NOT entry IN_LIST outside AND NOT file MATCHES "${build_scripts}")
      list(APPEND checked "${file}")
    endif()
  endforeach()
endforeach()
if(NOT checked)
  list(APPEND problems "no source files found under ${SOURCE}")
endif()

# The text of a file as the preprocessor reads its directives: lines continued with a backslash
# joined, comments taken out, and a line break in front, so that every directive follows one.
# String and character literals are matched as well, so that a "/*" in one starts no comment.
# Semicolons and square brackets, which would upset CMake's lists, become blanks first: no
# header name holds one.
function(preprocessed file out)
  file(READ "${file}" text)
  string(REGEX REPLACE "[][;]" " " text "${text}")
  string(REGEX REPLACE "\\\\\r?\n" "" text "${text}")
  set(literal "\"[^\"\\\\\n]*(\\\\.[^\"\\\\\n]*)*\"|'[^'\\\\\n]*(\\\\.[^'\\\\\n]*)*'")
  set(comment "/\\*[^*]*\\*+([^/*][^*]*\\*+)*/|//[^\n]*")
  string(REGEX MATCHALL "${literal}|${comment}" tokens "${text}")
  foreach(token ${tokens})
    if(token MATCHES "^/[*/]")
      string(REPLACE "${token}" " " text "${text}")
    endif()
  endforeach()
  set(${out} "\n${text}" PARENT_SCOPE)
endfunction()

foreach(name ${checked})
  entry_of("${name}" layer)
  # A header named alone in another layer's list also meets that layer's rules.
  set(rule_layers "${layer}")
  foreach(other ${layer_names})
    string(MAKE_C_IDENTIFIER "${other}" id)
    if(NOT other STREQUAL layer AND name IN_LIST allowed_${id})
      list(APPEND rule_layers "${other}")
    endif()
  endforeach()
  get_filename_component(folder "${name}" DIRECTORY)

  preprocessed("${SOURCE}/${name}" text)
  string(REGEX MATCHALL "\n[ \t]*#[ \t]*include[^\n]*|\n[ \t]*(export[ \t]+)?import[ \t]*[<\"][^\n]*"
         directives "${text}")
  foreach(directive ${directives})
    string(STRIP "${directive}" directive)
    if(NOT directive MATCHES "^(#[ \t]*include(_next)?|(export[ \t]+)?import)[ \t]*([\"<])([^\">]+)[\">]")
      list(APPEND problems "${name} has an include that names no header plainly: ${directive}")
      continue()
    endif()
    set(delimiter "${CMAKE_MATCH_4}")
    set(header "${CMAKE_MATCH_5}")

    if(header MATCHES "${toolkit_names}" OR
       (delimiter STREQUAL "<" AND header MATCHES "${toolkit_old_names}" AND
        NOT header STREQUAL "quadmath.h"))
      set(toolkit TRUE)
    else()
      set(toolkit FALSE)
    endif()
    # Where the header is: a quoted one first beside the file, as the preprocessor looks.
    if(delimiter STREQUAL "\"" AND NOT folder STREQUAL "" AND EXISTS "${SOURCE}/${folder}/${header}")
      cmake_path(SET path NORMALIZE "${folder}/${header}")
    else()
      cmake_path(SET path NORMALIZE "${header}")
    endif()
    # The project's own header, or one that reaches out of the project, which no layer may.
    string(REGEX REPLACE "/.*" "" root "${path}")
    if(delimiter STREQUAL "\"" OR root IN_LIST known_roots OR EXISTS "${SOURCE}/${path}" OR
       path MATCHES "^\\.\\./")
      set(own TRUE)
    else()
      set(own FALSE)
    endif()

    foreach(rules ${rule_layers})
      if(toolkit)
        if(NOT rules IN_LIST toolkit_layers)
          list(APPEND problems "${name} includes the toolkit's ${header}")
        endif()
        continue()
      endif()
      if(NOT own)
        continue()
      endif()
      string(MAKE_C_IDENTIFIER "${rules}" id)
      set(ok FALSE)
      foreach(allowed ${allowed_${id}})
        is_in("${path}" "${allowed}" inside)
        if(inside)
          set(ok TRUE)
        endif()
      endforeach()
      if(NOT ok)
        list(APPEND problems "${name} includes ${header}")
      endif()
    endforeach()
  endforeach()
endforeach()

if(problems)
  list(REMOVE_DUPLICATES problems)
  list(JOIN problems "\n  " text)
  message(FATAL_ERROR "sources against the layers' rules:\n  ${text}")
endif()
