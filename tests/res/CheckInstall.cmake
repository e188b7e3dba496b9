# Installs the build into PREFIX, as a packager would, and checks what lands where:
#   cmake -DBUILD_DIR=... -DPREFIX=... -DWITH_QT=ON|OFF -DAPP_ID=... -DWINDOW_CLASS=...
#         -DVERSION=... -P CheckInstall.cmake
cmake_minimum_required(VERSION 3.25)
file(REMOVE_RECURSE ${PREFIX})
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${PREFIX}
    RESULT_VARIABLE result OUTPUT_VARIABLE output ERROR_VARIABLE output)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "cmake --install failed:\n${output}")
endif()

set(problems)

set(files
    bin/vy-cmp
    share/man/man1/vy-cmp.1
    share/bash-completion/completions/vy-cmp
    share/doc/vy-cmp/copyright)
if(WITH_QT)
    list(APPEND files
        bin/vy
        share/man/man1/vy.1
        share/doc/vy/copyright
        share/icons/hicolor/scalable/apps/vy.svg
        share/applications/${APP_ID}.desktop
        share/metainfo/${APP_ID}.metainfo.xml)
endif()
foreach(file ${files})
    if(NOT EXISTS ${PREFIX}/${file})
        set(problems "${problems}\n  ${file} is missing")
    endif()
endforeach()

# Debian's place for the licence is each package's copyright file; a licence file beside it is
# one too many.
file(GLOB_RECURSE licences ${PREFIX}/share/doc/*/LICENSE* ${PREFIX}/share/doc/*/COPYING*)
if(licences)
    set(problems "${problems}\n  a licence file beside the copyright: ${licences}")
endif()
file(READ ${PREFIX}/share/doc/vy-cmp/copyright copyright)
if(NOT copyright MATCHES "\nLicense: Expat\n MIT License\n .\n Copyright \\(c\\) 2026")
    set(problems "${problems}\n  the copyright file lacks the licence:\n${copyright}")
endif()

# The vy-cmp package is its component alone: the command and what documents it, nothing of
# the window's.
file(REMOVE_RECURSE ${PREFIX}-vy-cmp)
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${PREFIX}-vy-cmp
    --component vy-cmp RESULT_VARIABLE result OUTPUT_QUIET ERROR_QUIET)
file(GLOB_RECURSE component RELATIVE ${PREFIX}-vy-cmp ${PREFIX}-vy-cmp/*)
list(SORT component)
set(expected bin/vy-cmp share/bash-completion/completions/vy-cmp share/doc/vy-cmp/copyright
    share/man/man1/vy-cmp.1)
if(NOT result EQUAL 0 OR NOT component STREQUAL expected)
    set(problems "${problems}\n  the vy-cmp component holds ${component}")
endif()

execute_process(COMMAND ${PREFIX}/bin/vy-cmp --version RESULT_VARIABLE result
    OUTPUT_VARIABLE printed ERROR_QUIET)
if(NOT result EQUAL 0)
    set(problems "${problems}\n  the installed vy-cmp does not run")
elseif(NOT printed STREQUAL "vy-cmp (Vy) ${VERSION}\n")
    set(problems "${problems}\n  vy-cmp --version prints ${printed}")
endif()

# Every installed file that names the version names the project's.
set(manual_pages share/man/man1/vy-cmp.1)
if(WITH_QT)
    list(APPEND manual_pages share/man/man1/vy.1)
endif()
foreach(page ${manual_pages})
    file(STRINGS ${PREFIX}/${page} heading REGEX "^\\.TH ")
    if(NOT heading MATCHES " \"Vy ${VERSION}\" ")
        set(problems "${problems}\n  ${page} has the heading ${heading}")
    endif()
endforeach()

if(WITH_QT)
    # Every icon is a PNG of its folder's size: width and height stand at bytes 16 to 23.
    foreach(size 16 24 32 48 64 128 256 512)
        set(icon ${PREFIX}/share/icons/hicolor/${size}x${size}/apps/vy.png)
        if(NOT EXISTS ${icon})
            set(problems "${problems}\n  the ${size}-pixel icon is missing")
            continue()
        endif()
        file(READ ${icon} header OFFSET 16 LIMIT 8 HEX)
        string(SUBSTRING ${header} 0 8 width)
        string(SUBSTRING ${header} 8 8 height)
        math(EXPR width "0x${width}")
        math(EXPR height "0x${height}")
        if(NOT width EQUAL size OR NOT height EQUAL size)
            set(problems "${problems}\n  the ${size}-pixel icon is ${width} x ${height}")
        endif()
    endforeach()

    file(STRINGS ${PREFIX}/share/applications/${APP_ID}.desktop entry)
    foreach(line "Exec=vy" "TryExec=vy" "Icon=vy" "StartupWMClass=${WINDOW_CLASS}"
            "X-Vy-Version=${VERSION}")
        if(NOT line IN_LIST entry)
            set(problems "${problems}\n  the desktop entry lacks ${line}")
        endif()
    endforeach()
    file(READ ${PREFIX}/share/metainfo/${APP_ID}.metainfo.xml metainfo)
    if(NOT metainfo MATCHES "<project_license>MIT</project_license>")
        set(problems "${problems}\n  the metainfo does not name the MIT licence")
    endif()
    if(NOT metainfo MATCHES "<release version=\"${VERSION}\"")
        set(problems "${problems}\n  the metainfo does not name the release ${VERSION}")
    endif()
endif()

if(problems)
    message(FATAL_ERROR "the installation falls short:${problems}")
endif()
