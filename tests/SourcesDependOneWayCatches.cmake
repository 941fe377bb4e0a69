# Builds a small tree whose sources slip past the layers in every way a file can, and fails
# unless SourcesDependOneWay.cmake names each slip and nothing that keeps the rules.
# Run as: cmake -DCHECK=<SourcesDependOneWay.cmake> -DWORK=<scratch folder> -P SourcesDependOneWayCatches.cmake
cmake_minimum_required(VERSION 3.25)

file(REMOVE_RECURSE "${WORK}")
# One file of the tree; <TAB> stands for a tab.
function(put file text)
  string(REPLACE "<TAB>" "\t" text "${text}")
  file(WRITE "${WORK}/${file}" "${text}")
endfunction()

# Files that keep the rules.
put(main.cpp [[#include "shell/Main.h"
]])
put(framework/Widget.h [[#include <QWidget>
#include "framework/Types.h"
]])
put(model/Fine.h [[#include <vector>
#include <queue>
#include <quadmath.h>
#include "framework/Types.h"
#include "Beside.h"
// #include <QString>
/* #include <QString>
#include "shell/App.h" */
const char* text = "/* not a comment";
const char* url = "http://example.invalid/#include <QString>";
]])
put(model/Beside.h "")
put(model/CMakeLists.txt [[# include <QString> would be a comment here
]])
put(resources/layouts/Bars.cpp [[#include "model/DotRange.h"
#include "model/Globals.h"
]])
put(resources/pictures/Draw.cpp [[#include <QImage>
#include "model/DotRange.h"
]])
put(resources/page/page.html [[<p>#include <QString></p>
]])
put(tests/AnyTest.cpp [[#include <QtCore/QString>
#include "shell/App.h"
]])
put(bench/AnyBench.cpp [[#include <QString>
]])
put(app/WindowMain.h "")
# Build trees outside the table's folders, also one that a first configure is still writing.
put(build-x/CMakeCache.txt "")
put(build-x/moc_Generated.cpp [[#include <QString>
]])
put(out/build/debug/CMakeCache.txt "")
put(out/build/debug/Generated.cpp "")
put(fresh/CMakeFiles/3.25.1/CompilerIdCXX/CMakeCXXCompilerId.cpp "")
put(CMakeFiles/Generated.cpp "")
put(.hidden/Hidden.cpp [[#include <QString>
]])

# Files that slip.
put(model/Spelled.h [[#include <QtCore/QString>
#include <QString>
#  include <qglobal.h>
#include "QtGui/QColor"
]])
put(model/Hidden.h [[/* a comment */ #include <QtCore/QList>
#/**/include <QtCore/QMap>
#\
include <QtCore/QSet>
#include \
<QtCore/QHash>
#include_next <QtCore/QObject>
import <QtCore/QVariant>;
const char* text = "/* not a comment";
#include <QtCore/QTimer>
#include HEADER_OF_THE_DAY
]])
put(model/Dotted.h [[#include "framework/../shell/App.h"
#include <./tools/LineFit.h>
#include "../app/WindowMain.h"
#include "../../outside.h"
]])
put(model/Template.ipp [[#include <QString>
]])
put(app/Spaced.cpp [[   #  include "tools/LineFit.h"
]])
put(app/Tabbed.cpp [[<TAB>#<TAB>include<TAB><shell/App.h>
]])
put(app/CMakeCache.txt "")
put(app/Beside.cpp [[#include "shell/App.h"
]])
put(resources/extra/Stray.h "")
put(resources/extra/Upper.CPP "")
put(newfolder/New.cppm "")

execute_process(COMMAND ${CMAKE_COMMAND} -DSOURCE=${WORK} -P ${CHECK}
  RESULT_VARIABLE failed ERROR_VARIABLE report)
if(NOT failed)
  message(FATAL_ERROR "the check passed a tree that breaks the layers:\n${report}")
endif()
# The report's problems, one a line.
string(REPLACE "\n" ";" lines "${report}")
set(reported "")
foreach(line ${lines})
  if(line MATCHES "^ *([^ ].* (includes .+|lies in no folder of the layers' table|has an include .+))$")
    list(APPEND reported "${CMAKE_MATCH_1}")
  endif()
endforeach()
set(wanted
  "model/Spelled.h includes the toolkit's QtCore/QString"
  "model/Spelled.h includes the toolkit's QString"
  "model/Spelled.h includes the toolkit's qglobal.h"
  "model/Spelled.h includes the toolkit's QtGui/QColor"
  "model/Hidden.h includes the toolkit's QtCore/QList"
  "model/Hidden.h includes the toolkit's QtCore/QMap"
  "model/Hidden.h includes the toolkit's QtCore/QSet"
  "model/Hidden.h includes the toolkit's QtCore/QHash"
  "model/Hidden.h includes the toolkit's QtCore/QObject"
  "model/Hidden.h includes the toolkit's QtCore/QVariant"
  "model/Hidden.h includes the toolkit's QtCore/QTimer"
  "model/Hidden.h has an include that names no header plainly: #include HEADER_OF_THE_DAY"
  "model/Dotted.h includes framework/../shell/App.h"
  "model/Dotted.h includes ./tools/LineFit.h"
  "model/Dotted.h includes ../app/WindowMain.h"
  "model/Dotted.h includes ../../outside.h"
  "model/Template.ipp includes the toolkit's QString"
  "app/Spaced.cpp includes tools/LineFit.h"
  "app/Tabbed.cpp includes shell/App.h"
  "app/Beside.cpp includes shell/App.h"
  "resources/layouts/Bars.cpp includes model/Globals.h"
  "resources/extra/Stray.h lies in no folder of the layers' table"
  "resources/extra/Upper.CPP lies in no folder of the layers' table"
  "newfolder/New.cppm lies in no folder of the layers' table")
list(SORT wanted)
list(SORT reported)
if(NOT reported STREQUAL wanted)
  list(JOIN wanted "\n  " wanted_text)
  message(FATAL_ERROR "the check should report\n  ${wanted_text}\nbut says:\n${report}")
endif()
file(REMOVE_RECURSE "${WORK}")
