# Builds a small tree whose sources slip past the layers in every way a file can, and fails
# unless SourcesDependOneWay.cmake names each slip and nothing that keeps the rules.
# Run as: cmake -DCHECK=<SourcesDependOneWay.cmake> -DWORK=<scratch folder> -P SourcesDependOneWayCatches.cmake
cmake_minimum_required(VERSION 3.25)

file(REMOVE_RECURSE "${WORK}")
# Each file of the tree, then its lines; a "|" stands for a line break, "\t" for a tab.
set(tree
  "main.cpp: #include \"shell/Main.h\""
  "framework/Widget.h: #include <QWidget>|#include \"framework/Types.h\""
  "model/Fine.h: #include <vector>|#include <queue>|#include \"framework/Types.h\"|// #include <QString>"
  "model/Spelled.h: #include <QtCore/QString>|#include <QString>|#  include <qglobal.h>|#include \"QtGui/QColor\""
  "app/Spaced.cpp:   #  include \"tools/LineFit.h\""
  "app/Tabbed.cpp: \t#\tinclude\t<shell/App.h>"
  "resources/layouts/Bars.cpp: #include \"model/DotRange.h\"|#include \"model/Globals.h\""
  "resources/pictures/Draw.cpp: #include <QImage>|#include \"model/DotRange.h\""
  "resources/extra/Stray.h: #include <vector>"
  "newfolder/New.cpp: #include <vector>"
  "tests/AnyTest.cpp: #include <QtCore/QString>|#include \"shell/App.h\""
  "bench/AnyBench.cpp: #include <QString>"
  "build-x/CMakeCache.txt: "
  "build-x/moc_Generated.cpp: #include <QString>"
  ".hidden/Hidden.cpp: #include <QString>")
foreach(entry ${tree})
  string(REGEX REPLACE ":.*" "" file "${entry}")
  string(REGEX REPLACE "^[^:]*: " "" text "${entry}")
  string(REPLACE "|" "\n" text "${text}")
  string(REPLACE "\\t" "\t" text "${text}")
  file(WRITE "${WORK}/${file}" "${text}\n")
endforeach()

execute_process(COMMAND ${CMAKE_COMMAND} -DSOURCE=${WORK} -P ${CHECK}
  RESULT_VARIABLE failed ERROR_VARIABLE report)
if(NOT failed)
  message(FATAL_ERROR "the check passed a tree that breaks the layers:\n${report}")
endif()
# The report's problems, one a line; the tree's other files keep the rules and go unnamed.
string(REPLACE "\n" ";" lines "${report}")
set(reported "")
foreach(line ${lines})
  if(line MATCHES "^ *([^ ].* (includes .+|lies in no folder of the layers' table))$")
    list(APPEND reported "${CMAKE_MATCH_1}")
  endif()
endforeach()
set(wanted
  "app/Spaced.cpp includes tools/LineFit.h"
  "app/Tabbed.cpp includes shell/App.h"
  "model/Spelled.h includes the toolkit's QtCore/QString"
  "model/Spelled.h includes the toolkit's QString"
  "model/Spelled.h includes the toolkit's qglobal.h"
  "model/Spelled.h includes the toolkit's QtGui/QColor"
  "newfolder/New.cpp lies in no folder of the layers' table"
  "resources/extra/Stray.h lies in no folder of the layers' table"
  "resources/layouts/Bars.cpp includes model/Globals.h")
list(SORT reported)
list(SORT wanted)
if(NOT reported STREQUAL wanted)
  list(JOIN wanted "\n  " wanted_text)
  message(FATAL_ERROR "the check should report\n  ${wanted_text}\nbut says:\n${report}")
endif()
file(REMOVE_RECURSE "${WORK}")
