# Compares the library graph the build wrote (GRAPH, one "a -> b" line per
# link) with the list in the fenced block after "<!-- library-graph -->" in
# DOC, and fails with the links each side lacks.
#   cmake -DGRAPH=<build>/library-graph.txt -DDOC=docs/architecture.md -P check_architecture.cmake
foreach(var GRAPH DOC)
    if(NOT DEFINED ${var} OR NOT EXISTS "${${var}}")
        message(FATAL_ERROR "${var} not given or missing: '${${var}}'")
    endif()
endforeach()

file(STRINGS "${GRAPH}" built)
list(FILTER built INCLUDE REGEX "->")
if(NOT built)
    message(FATAL_ERROR "${GRAPH} lists no links")
endif()

# The block: the first fence after the marker line, up to the closing fence.
file(STRINGS "${DOC}" lines)
set(state before)
set(documented "")
foreach(line IN LISTS lines)
    if(state STREQUAL before AND line STREQUAL "<!-- library-graph -->")
        set(state marker)
    elseif(state STREQUAL marker AND line MATCHES "^```")
        set(state inside)
    elseif(state STREQUAL inside)
        if(line MATCHES "^```")
            set(state done)
            break()
        endif()
        string(STRIP "${line}" line)
        if(line)
            list(APPEND documented "${line}")
        endif()
    endif()
endforeach()
if(NOT state STREQUAL done)
    message(FATAL_ERROR "${DOC} has no complete fenced block after the line "
        "'<!-- library-graph -->'; run scripts/library-graph to write it")
endif()

set(only_built ${built})
list(REMOVE_ITEM only_built ${documented})
set(only_documented ${documented})
list(REMOVE_ITEM only_documented ${built})
if(only_built OR only_documented)
    # Indented lines reach the reader as written; CMake reflows the others.
    set(report "The library graph in the document differs from the build.\n")
    string(APPEND report "  document: ${DOC}\n  build:    ${GRAPH}\n")
    foreach(edge IN LISTS only_built)
        string(APPEND report "  + ${edge}    (linked in the build, missing from the document)\n")
    endforeach()
    foreach(edge IN LISTS only_documented)
        string(APPEND report "  - ${edge}    (in the document, not linked in the build)\n")
    endforeach()
    string(APPEND report "  Run scripts/library-graph: it redraws docs/architecture.svg and\n"
        "  rewrites the list. Then check that the paragraphs still describe\n"
        "  the libraries.\n")
    message(FATAL_ERROR "${report}")
endif()
list(LENGTH built count)
message(STATUS "docs/architecture.md matches the build's ${count} links")
