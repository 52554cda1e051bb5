# The serial port layer, the link adapter, the controller emulator and the
# window binding, over real pseudo-terminal pairs.
if(TARGET scara_controller_emu)
    scara_add_test(test_serialport
        SOURCES ${CMAKE_CURRENT_LIST_DIR}/test_serialport.cpp
        LIBS scara_controller scara_controller_emu TIMEOUT 60)
endif()
if(TARGET scara_controller_emu)
    scara_add_test(test_emulator
        SOURCES ${CMAKE_CURRENT_LIST_DIR}/test_emulator.cpp
        LIBS scara_controller scara_controller_emu TIMEOUT 60)
endif()
if(TARGET scara_controller_emu)
    scara_add_test(test_controllerlink
        SOURCES ${CMAKE_CURRENT_LIST_DIR}/test_controllerlink.cpp
        LIBS scara_controller scara_controller_emu TIMEOUT 120)
endif()
if(TARGET scara_controller_widgets)
    scara_add_test(test_controllerlink_window
        SOURCES ${CMAKE_CURRENT_LIST_DIR}/test_controllerlink_window.cpp
        LIBS scara_controller_widgets GUI TIMEOUT 120)
endif()
if(TARGET scara_controller_emu AND TARGET scara-cli)
    scara_add_test(test_serialsend
        SOURCES ${CMAKE_CURRENT_LIST_DIR}/test_serialsend.cpp
        LIBS scara_controller_emu TIMEOUT 120)
    target_compile_definitions(test_serialsend PRIVATE SCARA_CLI="$<TARGET_FILE:scara-cli>")
    add_dependencies(test_serialsend scara-cli)
endif()
if(TARGET scara_controller_widgets AND TARGET scara_app)
    scara_add_test(test_controllerlink_mainwindow
        SOURCES ${CMAKE_CURRENT_LIST_DIR}/test_controllerlink_mainwindow.cpp
        LIBS scara_controller_widgets scara_app GUI TIMEOUT 120)
endif()
