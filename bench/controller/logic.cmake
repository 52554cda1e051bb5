# The controller link's logic without port or timer.
if(TARGET scara_controller)
    scara_add_bench(bench-controller-logic SOURCES bench_link.cpp LIBS scara_controller)
endif()
