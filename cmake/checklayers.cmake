# cmake -DSOURCE_DIR=<source root> [-DSELF_TEST=ON] -P checklayers.cmake
#
# Each folder may include the headers of its own folder and of the folders
# below it, never of one above:
#   platform < sound < keyboard < exercise < effects < picture < progress < app
# and no library code includes the tests' support. Looks at the folders'
# own sources (the tests beside them are built on top of everything).
# Fails, naming each file, line and include, when one breaks the order.
# SELF_TEST: checks a made-up tree with one upward include and fails unless
# that include is caught.

set(tavelin_layers platform sound keyboard exercise effects picture progress app)

function(tavelin_check_layers root out_problems)
    set(problems "")
    foreach(folder IN LISTS tavelin_layers)
        list(FIND tavelin_layers ${folder} rank)
        file(GLOB sources ${root}/${folder}/*.cpp ${root}/${folder}/*.h)
        foreach(source IN LISTS sources)
            file(STRINGS ${source} lines REGEX "^[ \t]*#[ \t]*include[ \t]*\"")
            foreach(line IN LISTS lines)
                if(NOT line MATCHES "\"([^\"/]+)/([^\"]*)\"")
                    continue()
                endif()
                set(target ${CMAKE_MATCH_1})
                list(FIND tavelin_layers ${target} target_rank)
                if(target STREQUAL "tests" OR target_rank GREATER rank)
                    file(RELATIVE_PATH name ${root} ${source})
                    string(STRIP "${line}" line)
                    list(APPEND problems "${name}: ${line} (${folder}/ may use only the folders below it)")
                endif()
            endforeach()
        endforeach()
    endforeach()
    set(${out_problems} "${problems}" PARENT_SCOPE)
endfunction()

if(NOT SOURCE_DIR)
    message(FATAL_ERROR "Give the source root: cmake -DSOURCE_DIR=... -P checklayers.cmake")
endif()

if(SELF_TEST)
    string(RANDOM LENGTH 8 tag)
    set(tree ${CMAKE_CURRENT_BINARY_DIR}/layercheck-${tag})
    file(WRITE ${tree}/keyboard/good.cpp "#include \"keyboard/good.h\"\n#include \"sound/shortmsg.h\"\n#include <QWidget>\n")
    file(WRITE ${tree}/keyboard/bad.cpp "#include \"keyboard/good.h\"\n  #  include \"app/form1.h\"\n")
    file(WRITE ${tree}/sound/worse.h "#pragma once\n#include \"tests/support/faketimebase.h\"\n")
    tavelin_check_layers(${tree} problems)
    file(REMOVE_RECURSE ${tree})
    list(LENGTH problems count)
    if(NOT count EQUAL 2 OR NOT problems MATCHES "keyboard/bad.cpp: #  include \"app/form1.h\""
       OR NOT problems MATCHES "sound/worse.h")
        message(FATAL_ERROR "The layer check missed an upward include; it found: ${problems}")
    endif()
    message(STATUS "The layer check catches upward includes")
    return()
endif()

tavelin_check_layers(${SOURCE_DIR} problems)
if(problems)
    list(JOIN problems "\n  " text)
    message(FATAL_ERROR "Includes against the folder order:\n  ${text}")
endif()
