# The set-up tasks, their worker thread and the host adapter reset.
target_sources(qelvane_engine PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/pause_function.h
  ${CMAKE_CURRENT_LIST_DIR}/command_line.cpp
  ${CMAKE_CURRENT_LIST_DIR}/console_command.cpp
  ${CMAKE_CURRENT_LIST_DIR}/adapter_reset.cpp
  ${CMAKE_CURRENT_LIST_DIR}/setup_tasks.cpp
  ${CMAKE_CURRENT_LIST_DIR}/setup_worker.h
  ${CMAKE_CURRENT_LIST_DIR}/setup_worker.cpp)
