# The controller link's logic: frames, checksum and the link state machine,
# driven event by event.
if(TARGET scara_controller)
    scara_add_test(test_frames SOURCES test_frames.cpp LIBS scara_controller TIMEOUT 60)
    foreach(part connection transfer manual)
        scara_add_test(test_link_${part} SOURCES test_link_${part}.cpp test_linkscript.h
                       LIBS scara_controller TIMEOUT 60)
    endforeach()
endif()

# scara-cli frames against a golden file (mixed line ends, 8-bit bytes, an
# empty line).
if(TARGET scara-cli)
    add_test(NAME scara_cli_frames
             COMMAND ${CMAKE_COMMAND}
                     "-DCOMMAND=$<TARGET_FILE:scara-cli>;frames;${CMAKE_CURRENT_SOURCE_DIR}/data/program.nc"
                     -DEXPECTED=${CMAKE_CURRENT_SOURCE_DIR}/data/program.frames
                     -DOUTPUT=${CMAKE_CURRENT_BINARY_DIR}/program.frames
                     -P ${CMAKE_CURRENT_SOURCE_DIR}/data/compare_output.cmake)
    set_tests_properties(scara_cli_frames PROPERTIES TIMEOUT 60)
endif()
