# The controller link's logic: frames, checksum and the link state machine,
# driven event by event.
if(TARGET scara_controller)
    scara_add_test(test_frames SOURCES test_frames.cpp LIBS scara_controller TIMEOUT 60)
    foreach(part connection transfer manual)
        scara_add_test(test_link_${part} SOURCES test_link_${part}.cpp test_linkscript.h
                       LIBS scara_controller TIMEOUT 60)
    endforeach()
endif()
