# The browser edition (`make web`) in headless Chromium, its pictures
# against the desktop window's after the same sequence. Only with the web
# build's folder given, and not under the sanitizers: the page is the same.
set(WELLENLABOR_WEB_DIR "" CACHE PATH "The browser edition's build folder; empty: no browser test")
if(WELLENLABOR_WEB_DIR AND NOT WELLENLABOR_SANITIZE)
  add_executable(desktop_picture desktop_picture.cpp)
  target_link_libraries(desktop_picture PRIVATE kettlab_window paarlab_window Qt6::Test)
  add_test(NAME web_test
    COMMAND /usr/bin/python3 ${CMAKE_CURRENT_SOURCE_DIR}/web_test.py ${WELLENLABOR_WEB_DIR} $<TARGET_FILE:desktop_picture>)
  set_tests_properties(web_test PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen")
endif()
