# The windows of orba and the program itself.
add_library(orba_ui STATIC
  loader/Artwork.cpp
  loader/frmGetTime.cpp
  loader/frmFileInfo.cpp
  setup/FileCommands.cpp
  setup/frmChapters.cpp
  setup/OrbaApp.cpp
  runner/QuizArt.cpp
  runner/PictureForm.cpp
  runner/frmQuiz.cpp
  results/frmSummary.cpp)
target_include_directories(orba_ui PUBLIC ${CMAKE_SOURCE_DIR}/src)
target_link_libraries(orba_ui PUBLIC orba_core platform shared_ui Qt6::Widgets)

add_executable(orba main.cpp)
target_link_libraries(orba PRIVATE orba_ui)
