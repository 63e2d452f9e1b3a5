# The Debian libraries the engine calls, as imported targets under Deps::.

find_package(PkgConfig REQUIRED)
find_package(Threads REQUIRED)

find_package(SDL REQUIRED)
add_library(Deps::SDL INTERFACE IMPORTED)
target_include_directories(Deps::SDL INTERFACE ${SDL_INCLUDE_DIR})
target_link_libraries(Deps::SDL INTERFACE ${SDL_LIBRARY})

# The vendor-neutral libOpenGL lacks the EXT framebuffer entry points.
set(OpenGL_GL_PREFERENCE LEGACY)
find_package(OpenGL REQUIRED)
add_library(Deps::GL INTERFACE IMPORTED)
target_link_libraries(Deps::GL INTERFACE OpenGL::GL)
target_compile_definitions(Deps::GL INTERFACE GL_GLEXT_PROTOTYPES)

# The C++ build of Lua, so a Lua error unwinds C++ frames properly.
pkg_check_modules(LUA REQUIRED IMPORTED_TARGET lua5.1-c++)
add_library(Deps::Lua ALIAS PkgConfig::LUA)
find_program(LUAC_PROGRAM luac5.1 REQUIRED)

find_package(PNG REQUIRED)
find_package(JPEG REQUIRED)
find_package(ZLIB REQUIRED)
add_library(Deps::PNG ALIAS PNG::PNG)
add_library(Deps::JPEG ALIAS JPEG::JPEG)
add_library(Deps::ZLIB ALIAS ZLIB::ZLIB)

# The integer Vorbis decoder; never link libvorbis beside it.
pkg_check_modules(TREMOR REQUIRED IMPORTED_TARGET vorbisidec ogg)
add_library(Deps::Tremor ALIAS PkgConfig::TREMOR)

pkg_check_modules(FREETYPE REQUIRED IMPORTED_TARGET freetype2)
add_library(Deps::FreeType ALIAS PkgConfig::FREETYPE)

pkg_check_modules(LIBLZMA REQUIRED IMPORTED_TARGET liblzma)
add_library(Deps::LibLzma ALIAS PkgConfig::LIBLZMA)

# The LZMA SDK decoder ships as C sources in lzma-dev; compile them from the
# installed folder into a small library (never copied into the repository).
find_path(LZMA_SDK_DIR LzmaDec.c PATHS /usr/include/lzma REQUIRED NO_DEFAULT_PATH)
add_library(lzmasdk STATIC ${LZMA_SDK_DIR}/LzmaDec.c)
target_include_directories(lzmasdk SYSTEM PUBLIC ${LZMA_SDK_DIR})
target_compile_definitions(lzmasdk PUBLIC _7ZIP_ST)
set_target_properties(lzmasdk PROPERTIES POSITION_INDEPENDENT_CODE ON)
add_library(Deps::LzmaSdk ALIAS lzmasdk)

# Xlib, for the window tests' fast screen grabs.
find_package(X11 REQUIRED)
add_library(Deps::X11 ALIAS X11::X11)

find_package(GTest REQUIRED)
