# SPDX-License-Identifier: MIT
# Builds the Kate plugin (editors/kate, a Qt 5 project of its own) into the build folder with
# everything else, and installs it as the "kate" component: the package vorrel-kate-plugin.
# Kate finds the built plugin with QT_PLUGIN_PATH=${VORREL_KATE_PLUGIN_PATH}.
include(ExternalProject)

set(VORREL_KATE_BUILD ${CMAKE_BINARY_DIR}/editors/kate)
# KDE's build layout: the plugin in bin/ktexteditor, the tests in bin.
set(VORREL_KATE_PLUGIN_PATH ${VORREL_KATE_BUILD}/bin)
set(VORREL_KATE_BUILD_TYPE ${CMAKE_BUILD_TYPE})
if(NOT VORREL_KATE_BUILD_TYPE OR VORREL_SANITIZE)
    # Kate itself is not built with the sanitizers, so the plugin it loads is not either.
    set(VORREL_KATE_BUILD_TYPE RelWithDebInfo)
endif()

ExternalProject_Add(kate_plugin
    SOURCE_DIR ${CMAKE_SOURCE_DIR}/editors/kate
    BINARY_DIR ${VORREL_KATE_BUILD}
    CMAKE_ARGS
        -DCMAKE_BUILD_TYPE=${VORREL_KATE_BUILD_TYPE}
        -DCMAKE_CXX_COMPILER=${CMAKE_CXX_COMPILER}
        -DVORREL_REPO_DIR=${CMAKE_SOURCE_DIR}
        -DBUILD_TESTING=${BUILD_TESTING}
        # Laid out for the package's prefix, Qt's own on Debian: ECM then takes Qt's plugin
        # folder (lib/<arch>/qt5/plugins), relative to the prefix an install is given.
        -DCMAKE_INSTALL_PREFIX=${CPACK_PACKAGING_INSTALL_PREFIX}
    # The plugin's own build decides what changed in its sources and the kit's.
    BUILD_ALWAYS ON
    INSTALL_COMMAND "")

# Stripped where the rest is (cmake --install --strip, the package).
install(CODE "
    set(strip)
    if(CMAKE_INSTALL_DO_STRIP)
        set(strip --strip)
    endif()
    execute_process(COMMAND \${CMAKE_COMMAND} --install \"${VORREL_KATE_BUILD}\"
                            --prefix \"\${CMAKE_INSTALL_PREFIX}\" \${strip}
                    RESULT_VARIABLE failed)
    if(failed)
        message(FATAL_ERROR \"The Kate plugin could not be installed\")
    endif()" COMPONENT kate)
