# The transfer over a pseudo-terminal with the controller emulator: paced at
# 19200 baud against the wire, and unpaced.
if(TARGET scara_controller_widgets AND TARGET scara_controller_emu)
    scara_add_bench(bench-controller-serial SOURCES bench_serial.cpp
        LIBS scara_controller scara_controller_emu scara_controller_widgets)
endif()
