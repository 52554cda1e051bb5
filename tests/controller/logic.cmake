# The controller link's logic: frames, checksum and the link state machine.
if(TARGET scara_controller)
    scara_add_test(test_frames SOURCES test_frames.cpp LIBS scara_controller TIMEOUT 60)
endif()
if(TARGET scara_controller)
    scara_add_test(test_link_connection SOURCES test_link_connection.cpp test_linkscript.h
                   LIBS scara_controller TIMEOUT 60)
endif()
if(TARGET scara_controller)
    scara_add_test(test_link_transfer SOURCES test_link_transfer.cpp test_linkscript.h
                   LIBS scara_controller TIMEOUT 60)
endif()
