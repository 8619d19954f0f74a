# Kestrune.exe. The application object lives in app_core, apart from the
# entry point, so that tests link the same object without a second WinMain.
add_library(app_core STATIC MissionSetupApp.cpp)
target_link_libraries(app_core PUBLIC dialog framework settings)

add_executable(Kestrune WIN32 Main.cpp)
target_link_libraries(Kestrune PRIVATE app_core kestrune_resources)
set_target_properties(Kestrune PROPERTIES OUTPUT_NAME Kestrune)
# The shipped program carries no symbols.
target_link_options(Kestrune PRIVATE $<$<CONFIG:Release>:-s>)
