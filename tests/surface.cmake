add_qt_test(surface_test surface_test.cpp)
target_link_libraries(surface_test PRIVATE surface)

add_qt_test(run_driver_test run_driver_test.cpp)
target_link_libraries(run_driver_test PRIVATE surface)
