# Every generated file that is committed is made again from its source into the build folder and
# compared byte for byte with the committed one.
set(regenerated ${CMAKE_CURRENT_BINARY_DIR}/regenerated)

function(mozhou_add_regeneration_test name committed)
    add_test(NAME ${name}
             COMMAND ${CMAKE_CURRENT_SOURCE_DIR}/regenerates.sh ${PROJECT_SOURCE_DIR}/${committed}
                     ${ARGN})
    set_tests_properties(${name} PROPERTIES LABELS regen TIMEOUT 600)
endfunction()

mozhou_add_regeneration_test(dic_dat_regenerates data/dic.dat ${regenerated}/dic.dat
    python3 ${PROJECT_SOURCE_DIR}/tools/gen_dic.py
    --table /usr/share/ibus-table/tables/wubi-jidian86.db --output ${regenerated}/dic.dat)
# Fetches the pinned package with npm, so it needs the npm registry.
mozhou_add_regeneration_test(pinyin_table_regenerates data/pinyin_table_data.cpp
    ${regenerated}/pinyin_table_data.cpp
    ${CMAKE_CURRENT_SOURCE_DIR}/pinyin_source.sh ${regenerated}/pinyin-pro
    ${regenerated}/pinyin_table_data.cpp)
mozhou_add_regeneration_test(skin_image_regenerates skin/mozhou.skin ${regenerated}/mozhou.skin
    python3 ${PROJECT_SOURCE_DIR}/tools/gen_skin.py --output ${regenerated}/mozhou.skin)
mozhou_add_regeneration_test(icon_regenerates app/mozhou.ico ${regenerated}/mozhou.ico
    python3 ${PROJECT_SOURCE_DIR}/tools/gen_icon.py --output ${regenerated}/mozhou.ico)
