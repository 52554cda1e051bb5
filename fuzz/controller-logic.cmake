# The controller link's state machine under arbitrary events and received bytes.
if(TARGET scara_controller)
    scara_add_fuzzer(fuzz-controller-link SOURCES fuzz_controller_link.cpp LIBS scara_controller)
endif()
