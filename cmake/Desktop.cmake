# What the game finds beside its executable (share/zelvano: the opening sound and the pictures),
# and the desktop integration: the menu entry and its launcher, the application icon, AppStream
# metainfo and the manual page. The build tree mirrors the installed layout, so the game started
# from build/src/app finds build/src/share/zelvano just as /usr/bin/zelvano finds
# /usr/share/zelvano.

include(GNUInstallDirs)

set(ZELVANO_HOMEPAGE "https://orvane.jp/zelvano/" CACHE STRING "The game's home page")
set(ZELVANO_SCREENSHOT_URL "https://orvane.jp/zelvano/docs/screenshots" CACHE STRING
    "Where the README's screenshots (docs/screenshots) are published")

set(zelvano_data_build "${PROJECT_BINARY_DIR}/src/share/zelvano")
file(GLOB zelvano_pictures CONFIGURE_DEPENDS "${PROJECT_SOURCE_DIR}/assets/pictures/*.svg")

# The data the game loads at run time, copied beside the built executable.
add_custom_command(
    OUTPUT "${zelvano_data_build}/ORDEMO.WAV"
    COMMAND ${CMAKE_COMMAND} -E make_directory "${zelvano_data_build}"
    COMMAND ${CMAKE_COMMAND} -E copy_if_different "${PROJECT_SOURCE_DIR}/assets/sound/ORDEMO.WAV"
            "${zelvano_data_build}/ORDEMO.WAV"
    DEPENDS "${PROJECT_SOURCE_DIR}/assets/sound/ORDEMO.WAV")
add_custom_target(zelvano_data ALL DEPENDS "${zelvano_data_build}/ORDEMO.WAV")

install(TARGETS zelvano-sim RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES "${PROJECT_SOURCE_DIR}/data/zelvano-sim.6" DESTINATION ${CMAKE_INSTALL_MANDIR}/man6)

if(NOT ZELVANO_BUILD_GUI)
    return()
endif()

# However the game is built (scripts/run-game.sh builds only its target), its sound comes along.
add_dependencies(zelvano zelvano_data)

install(TARGETS zelvano RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES "${PROJECT_SOURCE_DIR}/assets/sound/ORDEMO.WAV"
        DESTINATION ${CMAKE_INSTALL_DATADIR}/zelvano)
# The pictures are built into the game; their editable sources go along for the player.
install(FILES ${zelvano_pictures} DESTINATION ${CMAKE_INSTALL_DATADIR}/zelvano/pictures)

# The menu entry starts the game through the launcher, in the player's league folder. The
# launcher's full path is known only at install time (cpack installs under /usr whatever the
# configured prefix), so the entry is written then.
configure_file("${PROJECT_SOURCE_DIR}/data/zelvano-launch.in"
               "${PROJECT_BINARY_DIR}/data/zelvano-launch" @ONLY)
configure_file("${PROJECT_SOURCE_DIR}/data/zelvano.metainfo.xml.in"
               "${PROJECT_BINARY_DIR}/data/${ZELVANO_APP_ID}.metainfo.xml" @ONLY)
install(PROGRAMS "${PROJECT_BINARY_DIR}/data/zelvano-launch" DESTINATION ${CMAKE_INSTALL_BINDIR})
install(CODE "
    set(ZELVANO_APP_ID \"${ZELVANO_APP_ID}\")
    set(ZELVANO_LAUNCHER \"\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_BINDIR}/zelvano-launch\")
    configure_file(\"${PROJECT_SOURCE_DIR}/data/zelvano.desktop.in\"
                   \"${PROJECT_BINARY_DIR}/data/install/${ZELVANO_APP_ID}.desktop\" @ONLY)
    file(INSTALL \"${PROJECT_BINARY_DIR}/data/install/${ZELVANO_APP_ID}.desktop\"
         DESTINATION \"\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_DATADIR}/applications\")
")
install(FILES "${PROJECT_BINARY_DIR}/data/${ZELVANO_APP_ID}.metainfo.xml"
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)

# The application icon: the SVG for any size, and bitmaps drawn from it at build time.
set(app_icon_svg "${PROJECT_SOURCE_DIR}/assets/pictures/zelvano.svg")
install(FILES "${app_icon_svg}" DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps
        RENAME "${ZELVANO_APP_ID}.svg")
set(app_icon_pngs)
foreach(size 16 24 32 48 64 128 256)
    set(png "${PROJECT_BINARY_DIR}/data/icons/${size}/${ZELVANO_APP_ID}.png")
    add_custom_command(
        OUTPUT "${png}"
        COMMAND ${CMAKE_COMMAND} -E make_directory "${PROJECT_BINARY_DIR}/data/icons/${size}"
        COMMAND svg-to-png "${app_icon_svg}" ${size} "${png}"
        DEPENDS svg-to-png "${app_icon_svg}")
    list(APPEND app_icon_pngs "${png}")
    install(FILES "${png}"
            DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps)
endforeach()
add_custom_target(zelvano_icons ALL DEPENDS ${app_icon_pngs})
