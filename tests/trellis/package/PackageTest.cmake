# Installs the build into a fresh prefix, builds a host against it with find_package and
# runs that host beside the installed DLLs. Arguments: BUILD_DIR, SOURCE_DIR, WORK_DIR,
# TOOLCHAIN, WINE_RUN.
file(REMOVE_RECURSE ${WORK_DIR})
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${WORK_DIR}/prefix
    RESULT_VARIABLE result OUTPUT_QUIET)
if(result)
    message(FATAL_ERROR "install failed: ${result}")
endif()
execute_process(COMMAND ${CMAKE_COMMAND} -S ${SOURCE_DIR} -B ${WORK_DIR}/host -DCMAKE_TOOLCHAIN_FILE=${TOOLCHAIN}
    -DTrellis_DIR=${WORK_DIR}/prefix/lib/cmake/Trellis -DCMAKE_BUILD_TYPE=Release RESULT_VARIABLE result)
if(result)
    message(FATAL_ERROR "configuring the host failed: ${result}")
endif()
execute_process(COMMAND ${CMAKE_COMMAND} --build ${WORK_DIR}/host RESULT_VARIABLE result)
if(result)
    message(FATAL_ERROR "building the host failed: ${result}")
endif()
file(COPY ${WORK_DIR}/host/package_host.exe ${WORK_DIR}/host/package_app_host.exe
    DESTINATION ${WORK_DIR}/prefix/bin)
# The host's own folder holds its settings: a colour, a repeated key (the first one wins and
# ends the reading) and a key glued to its "=" that must be ignored.
file(WRITE ${WORK_DIR}/prefix/bin/quillon.ini
    "color_red = 0 255 0\ndialog_margin_left = 3\nbutton_ok_size = 70 20\ncolor_white=1 2 3\n"
    "dialog_margin_left = 7\ndialog_margin_top = 9\n")
execute_process(COMMAND ${WINE_RUN} ${WORK_DIR}/prefix/bin/package_host.exe RESULT_VARIABLE result)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "the host failed: ${result}")
endif()
execute_process(COMMAND ${WINE_RUN} ${WORK_DIR}/prefix/bin/package_app_host.exe RESULT_VARIABLE result)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "the CWinApp host failed: ${result}")
endif()
message(STATUS "package hosts ran")
