# Writes the station's library graph to ${CMAKE_BINARY_DIR}/library-graph.txt:
# one "a -> b" line per direct link between two of the station's own targets
# (the libraries and executables under src/ and tools/), sorted. The test
# tst_docs_architecture compares it with the list in docs/architecture.md.
#
# Included at the end of the top-level CMakeLists.txt, once every target exists.

# Every target defined in DIR and the folders below it.
function(scara_collect_targets dir out)
    get_property(targets DIRECTORY ${dir} PROPERTY BUILDSYSTEM_TARGETS)
    get_property(subdirs DIRECTORY ${dir} PROPERTY SUBDIRECTORIES)
    foreach(sub IN LISTS subdirs)
        scara_collect_targets(${sub} sub_targets)
        list(APPEND targets ${sub_targets})
    endforeach()
    set(${out} ${targets} PARENT_SCOPE)
endfunction()

function(scara_write_library_graph file)
    set(project_targets "")
    foreach(dir IN ITEMS ${CMAKE_SOURCE_DIR}/src ${CMAKE_SOURCE_DIR}/tools)
        scara_collect_targets(${dir} found)
        foreach(target IN LISTS found)
            get_target_property(type ${target} TYPE)
            # Qt's generated resource libraries (scara_base_resources_1) are
            # part of the library that holds the resources.
            if(target MATCHES "_resources_[0-9]+$")
                continue()
            endif()
            if(target MATCHES "^scara[_-]" AND type MATCHES
                    "^(STATIC_LIBRARY|SHARED_LIBRARY|MODULE_LIBRARY|OBJECT_LIBRARY|INTERFACE_LIBRARY|EXECUTABLE)$")
                list(APPEND project_targets ${target})
            endif()
        endforeach()
    endforeach()

    set(edges "")
    foreach(target IN LISTS project_targets)
        get_target_property(type ${target} TYPE)
        set(links "")
        if(NOT type STREQUAL "INTERFACE_LIBRARY")
            get_target_property(direct ${target} LINK_LIBRARIES)
            if(direct)
                list(APPEND links ${direct})
            endif()
        endif()
        get_target_property(interface ${target} INTERFACE_LINK_LIBRARIES)
        if(interface)
            list(APPEND links ${interface})
        endif()
        foreach(link IN LISTS links)
            # A static library's private links appear as $<LINK_ONLY:name>.
            string(REGEX REPLACE "^\\$<LINK_ONLY:(.*)>$" "\\1" link "${link}")
            if(link IN_LIST project_targets AND NOT link STREQUAL target)
                list(APPEND edges "${target} -> ${link}")
            endif()
        endforeach()
    endforeach()
    list(REMOVE_DUPLICATES edges)
    list(SORT edges)
    list(JOIN edges "\n" text)
    # Rewritten only when it changes, so a reconfigure leaves it untouched.
    file(CONFIGURE OUTPUT ${file} CONTENT "${text}\n" @ONLY)
endfunction()

scara_write_library_graph(${CMAKE_BINARY_DIR}/library-graph.txt)
