add_qt_test(surface_test surface_test.cpp)
target_link_libraries(surface_test PRIVATE surface)

# The core's lines against the pixels Qt's own painter draws.
add_qt_test(line_pixels_test line_pixels_test.cpp)
target_link_libraries(line_pixels_test PRIVATE wellenlabor_core Qt6::Gui)

add_qt_test(run_driver_test run_driver_test.cpp)
target_link_libraries(run_driver_test PRIVATE surface)

add_qt_test(high_dpi_test high_dpi_test.cpp)
target_link_libraries(high_dpi_test PRIVATE surface)
set_tests_properties(high_dpi_test PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen;QT_SCALE_FACTOR=2")

add_qt_test(zoom_test zoom_test.cpp)
target_link_libraries(zoom_test PRIVATE chain_ui wavepair_ui)

add_qt_test(repaint_test repaint_test.cpp)
target_link_libraries(repaint_test PRIVATE surface)

add_qt_test(export_test export_test.cpp)
target_link_libraries(export_test PRIVATE chain_ui)

add_qt_test(startup_test startup_test.cpp)
target_link_libraries(startup_test PRIVATE surface)
target_compile_definitions(startup_test PRIVATE
  KETTLAB_PATH="$<TARGET_FILE:kettlab>" PAARLAB_PATH="$<TARGET_FILE:paarlab>")
add_dependencies(startup_test kettlab paarlab)

# Full screen and back needs a real window manager, not the offscreen platform.
add_test(NAME fullscreen_test
  COMMAND ${CMAKE_CURRENT_SOURCE_DIR}/fullscreen_test.sh $<TARGET_FILE:kettlab> $<TARGET_FILE:paarlab>)
set_tests_properties(fullscreen_test PROPERTIES TIMEOUT 240)

# Under a real Wayland compositor; timing and cost are only meaningful
# without the sanitizers.
if(NOT WELLENLABOR_SANITIZE)
  add_executable(wayland_test wayland_test.cpp)
  target_link_libraries(wayland_test PRIVATE chain_ui wavepair_ui Qt6::Test)
  add_test(NAME wayland_test COMMAND ${CMAKE_CURRENT_SOURCE_DIR}/wayland_test.sh
    $<TARGET_FILE:kettlab> $<TARGET_FILE:paarlab> $<TARGET_FILE:wayland_test>)
  set_tests_properties(wayland_test PROPERTIES TIMEOUT 180 RUN_SERIAL TRUE)
endif()

add_qt_test(form_design_test form_design_test.cpp)
target_link_libraries(form_design_test PRIVATE chain_ui wavepair_ui)
target_compile_definitions(form_design_test PRIVATE
  FORM_DESIGN_RECORDED="${CMAKE_CURRENT_SOURCE_DIR}/form_design.txt")
