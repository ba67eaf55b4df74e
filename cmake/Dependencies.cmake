# zlib from Debian's MinGW package (static, so no zlib DLL is needed at run time) and
# minizip's reader compiled from zlib's source package (fetched by scripts/install-deps.sh).
set(ZLIB_USE_STATIC_LIBS ON)
find_package(ZLIB REQUIRED)

set(MINIZIP_DIR ${CMAKE_SOURCE_DIR}/.deps/minizip CACHE PATH "minizip sources from zlib's source package")
if(NOT EXISTS ${MINIZIP_DIR}/unzip.c)
    message(FATAL_ERROR "minizip not found in ${MINIZIP_DIR}: run scripts/install-deps.sh")
endif()
add_library(minizip STATIC ${MINIZIP_DIR}/unzip.c ${MINIZIP_DIR}/ioapi.c ${MINIZIP_DIR}/iowin32.c)
target_include_directories(minizip SYSTEM PUBLIC ${MINIZIP_DIR})
target_compile_options(minizip PRIVATE -w)
target_link_libraries(minizip PUBLIC ZLIB::ZLIB)
