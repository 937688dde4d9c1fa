# The soak: both programs driven through their controls for many passes (10
# million by `make soak`); the short run is a test.
add_executable(wellenlabor_soak soak/soak_main.cpp soak/Soak.hpp soak/SoakMemory.cpp soak/ChainSoak.cpp
  soak/WavePairSoak.cpp)
target_include_directories(wellenlabor_soak PRIVATE soak)
target_link_libraries(wellenlabor_soak PRIVATE wellenlabor_core)
add_test(NAME soak_short COMMAND wellenlabor_soak 100000)
