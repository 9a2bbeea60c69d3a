# Reads every #include "..." of the product and the tools and fails on one that
# runs up the layers (ARCHITECTURE.md draws them):
#   1  game/ scores/core/ tutorial/core/      standard C++
#   2  render/ resources/                     QtGui
#   3  settings/ script/                      QtCore, zlib; neither uses the other
#      history/                               QtCore, QtSql; above script/ (it plays
#                                             replays for a game's figures)
#   4  shell/ scores/ui/ tutorial/ui/         the Qt Widgets application, itself
#                                             in order: shell/app/, shell/frame/,
#                                             shell/view/, shell/model/ (the
#                                             board model, no widgets), then
#                                             the windows of shell/dialogs/,
#                                             scores/ui/ and tutorial/ui/, and
#                                             the gamepad's shell/pad/;
#                                             shell/history/ above shell/view/
#   tools/sim/ tools/artgen/ tools/robot/     beside 4: they use 1 to 3, and
#                                             nothing of the product uses them
# The flows of shell/view/ (ARCHITECTURE.md) never include one another: what
# one asks of another goes through the board session of shell/frame/.
#
# What each library may link follows the same order (the CMakeLists.txt of its
# folder); this check sees what the compiler would let through, a header of a
# library above that needs nothing of its code.
#
#   cmake -DROOT=<source folder> [-DEXPECT=N] -P check_layers.cmake
# With EXPECT, the check passes only when it finds exactly N upward includes
# (the check's own test, on a tree with upward includes planted).

cmake_minimum_required(VERSION 3.25)

set(layer1 game scores/core tutorial/core)
set(layer2 render resources)
set(layer3 settings script history)
set(layer4 shell shell/app shell/frame shell/view shell/model shell/history shell/dialogs shell/pad scores/ui tutorial/ui)
set(tools tools/sim tools/artgen tools/robot)

# What a file in each folder may include, besides its own folder.
foreach(folder ${layer1})
  set(may_${folder} ${layer1})
endforeach()
foreach(folder ${layer2})
  set(may_${folder} ${layer1} ${layer2})
endforeach()
foreach(folder ${layer3})
  set(may_${folder} ${layer1})
endforeach()
set(may_history ${layer1} script)
set(below4 ${layer1} ${layer2} ${layer3})
set(may_shell ${below4} ${layer4})
set(may_shell/app ${below4} ${layer4})
set(may_shell/frame ${below4} shell/view shell/model shell/dialogs shell/pad scores/ui tutorial/ui)
set(may_shell/view ${below4} shell/model shell/dialogs scores/ui tutorial/ui)
set(may_shell/model ${below4})
set(may_shell/history ${below4} shell/view shell/dialogs)
set(may_shell/dialogs ${below4})
set(may_shell/pad ${below4})
set(may_scores/ui ${below4} tutorial/ui)
set(may_tutorial/ui ${below4})
foreach(folder ${tools})
  set(may_${folder} ${layer1} ${layer2} ${layer3})
endforeach()
set(folders ${layer1} ${layer2} ${layer3} ${layer4} ${tools})
set(flows shell/view/replay_flow shell/view/tutorial_flow shell/view/game_over_flow
  shell/view/options_flow shell/view/pause_when_inactive shell/view/kept_game)

# The folder of the list that holds a path, the longest that fits.
function(folder_of path result)
  set(best "")
  foreach(folder ${folders})
    string(FIND "${path}/" "${folder}/" at)
    string(LENGTH "${folder}" length)
    string(LENGTH "${best}" best_length)
    if(at EQUAL 0 AND length GREATER best_length)
      set(best ${folder})
    endif()
  endforeach()
  set(${result} "${best}" PARENT_SCOPE)
endfunction()

set(upward 0)
foreach(folder ${folders})
  file(GLOB_RECURSE sources RELATIVE ${ROOT} ${ROOT}/${folder}/*.cpp ${ROOT}/${folder}/*.h)
  foreach(source ${sources})
    folder_of(${source} home)
    if(NOT home STREQUAL folder)
      continue()  # a subfolder that is a folder of its own
    endif()
    file(STRINGS ${ROOT}/${source} lines REGEX "^[ \t]*#[ \t]*include[ \t]*\"")
    foreach(line ${lines})
      string(REGEX REPLACE "^[ \t]*#[ \t]*include[ \t]*\"([^\"]*)\".*" "\\1" included "${line}")
      if(NOT included MATCHES "/")
        continue()  # beside the file
      endif()
      string(REGEX REPLACE "\\.(h|cpp)$" "" included_stem "${included}")
      string(REGEX REPLACE "\\.(h|cpp)$" "" source_stem "${source}")
      if(source_stem IN_LIST flows AND included_stem IN_LIST flows
         AND NOT included_stem STREQUAL source_stem)
        message(STATUS "${source}: includes ${included}; a flow never includes another flow")
        math(EXPR upward "${upward} + 1")
        continue()
      endif()
      folder_of(${included} target)
      if(target STREQUAL home)
        continue()
      endif()
      if(target STREQUAL "" OR NOT target IN_LIST may_${home})
        if(target STREQUAL "")
          set(target "a folder of no layer")
        endif()
        message(STATUS "${source}: includes ${included} (${target}); "
                       "${home}/ may include only its own folder and: ${may_${home}}")
        math(EXPR upward "${upward} + 1")
      endif()
    endforeach()
  endforeach()
endforeach()

if(DEFINED EXPECT)
  if(NOT upward EQUAL EXPECT)
    message(FATAL_ERROR "found ${upward} upward includes, not the ${EXPECT} planted")
  endif()
elseif(upward GREATER 0)
  message(FATAL_ERROR "${upward} includes run up the layers (ARCHITECTURE.md)")
endif()
