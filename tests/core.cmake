add_model_test(pace_test wellenlabor_core pace_test.cpp)
