# The hotkey table is portable and tested here over fakes of its two Windows calls; the rest of
# app/ builds only for Windows.
target_sources(mozhou_tests PRIVATE ${PROJECT_SOURCE_DIR}/app/hotkey_table.cpp)
