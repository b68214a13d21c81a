# The translations: every po/<language>.po is compiled with msgfmt and built into the program
# (src/text/built_in_catalogues.h), so a new language is one new file. The catalogues' template,
# catalogues/zelvano.pot in the build folder, is extracted from the sources (target zelvano_pot).

find_program(ZELVANO_MSGFMT msgfmt REQUIRED)
find_program(ZELVANO_XGETTEXT xgettext REQUIRED)

# The calls that mark a text for the catalogue; tests/catalogue checks the sources against them.
set(ZELVANO_TRANSLATION_KEYWORDS
    --keyword=translated:1 --keyword=translatedIn:1c,2 --keyword=translatedCount:1,2
    --keyword=textToTranslate:1 --keyword=uiText:1 --keyword=uiTextIn:1c,2)

file(GLOB ZELVANO_PO_FILES CONFIGURE_DEPENDS "${PROJECT_SOURCE_DIR}/po/*.po")
set(ZELVANO_CATALOGUE_DIR "${PROJECT_BINARY_DIR}/catalogues")
set(ZELVANO_CATALOGUES_SOURCE "${ZELVANO_CATALOGUE_DIR}/built_in_catalogues.cpp")

# Called from the folder of the library the catalogues are built into: a custom command's
# output is known only in the folder that makes it.
function(zelvano_build_catalogues)
    set(compiled)
    set(embedded)
    foreach(po IN LISTS ZELVANO_PO_FILES)
        get_filename_component(language "${po}" NAME_WE)
        set(mo "${ZELVANO_CATALOGUE_DIR}/${language}.mo")
        add_custom_command(OUTPUT "${mo}"
            COMMAND ${CMAKE_COMMAND} -E make_directory "${ZELVANO_CATALOGUE_DIR}"
            COMMAND ${ZELVANO_MSGFMT} --check-header --check-domain -o "${mo}" "${po}"
            DEPENDS "${po}"
            COMMENT "Compiling the ${language} catalogue")
        list(APPEND compiled "${mo}")
        list(APPEND embedded "${language}=${mo}")
    endforeach()
    add_custom_command(OUTPUT "${ZELVANO_CATALOGUES_SOURCE}"
        COMMAND ${CMAKE_COMMAND} "-DCATALOGUES=${embedded}" "-DOUTPUT=${ZELVANO_CATALOGUES_SOURCE}"
                -P "${PROJECT_SOURCE_DIR}/cmake/EmbedCatalogues.cmake"
        DEPENDS ${compiled} "${PROJECT_SOURCE_DIR}/cmake/EmbedCatalogues.cmake"
        COMMENT "Building the catalogues into the program")
endfunction()

# The template of every catalogue, from every source that shows a text.
file(GLOB_RECURSE ZELVANO_TRANSLATED_SOURCES CONFIGURE_DEPENDS
     "${PROJECT_SOURCE_DIR}/src/*.cpp" "${PROJECT_SOURCE_DIR}/src/*.h")
list(SORT ZELVANO_TRANSLATED_SOURCES)
list(TRANSFORM ZELVANO_TRANSLATED_SOURCES REPLACE "^${PROJECT_SOURCE_DIR}/" ""
     OUTPUT_VARIABLE relative_sources)
set(ZELVANO_POT "${ZELVANO_CATALOGUE_DIR}/zelvano.pot")
add_custom_command(OUTPUT "${ZELVANO_POT}"
    COMMAND ${CMAKE_COMMAND} -E make_directory "${ZELVANO_CATALOGUE_DIR}"
    COMMAND ${ZELVANO_XGETTEXT} --from-code=UTF-8 --language=C++ --no-wrap --sort-by-file
            --package-name=Zelvano --add-comments=Translators: ${ZELVANO_TRANSLATION_KEYWORDS}
            --directory=${PROJECT_SOURCE_DIR} -o "${ZELVANO_POT}" ${relative_sources}
    DEPENDS ${ZELVANO_TRANSLATED_SOURCES}
    COMMENT "Extracting the texts to translate")
add_custom_target(zelvano_pot ALL DEPENDS "${ZELVANO_POT}")
