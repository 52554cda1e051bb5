# The block parser and the preparation pass under libFuzzer. The G-code
# sources are compiled into the fuzzer itself, so that they are instrumented.
get_target_property(gcode_fuzz_sources scara_gcode SOURCES)
list(FILTER gcode_fuzz_sources INCLUDE REGEX "\\.cpp$")
list(TRANSFORM gcode_fuzz_sources PREPEND ${CMAKE_SOURCE_DIR}/src/gcode/)
scara_add_fuzzer(fuzz-gcode
    SOURCES ${CMAKE_CURRENT_SOURCE_DIR}/gcode_prepare.cpp ${gcode_fuzz_sources}
    LIBS Qt6::Core Qt6::Gui)
