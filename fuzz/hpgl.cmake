# The HPGL converter, the normaliser and the plot file text under arbitrary bytes.
if(TARGET scara_hpgl)
    scara_add_fuzzer(fuzz-hpgl SOURCES hpgl_convert.cpp LIBS scara_hpgl)
endif()
