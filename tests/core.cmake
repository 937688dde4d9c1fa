add_model_test(pace_test wellenlabor_core pace_test.cpp)
add_model_test(units_test wellenlabor_core units_test.cpp)
