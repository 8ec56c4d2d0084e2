# stb_image, header only: the interface library stb gives its folder.
find_path(STB_INCLUDE_DIR stb_image.h PATH_SUFFIXES stb NO_CMAKE_FIND_ROOT_PATH)
if(NOT STB_INCLUDE_DIR)
  message(FATAL_ERROR "stb_image.h not found: install the libstb-dev package or set STB_INCLUDE_DIR")
endif()
add_library(stb INTERFACE)
target_include_directories(stb SYSTEM INTERFACE ${STB_INCLUDE_DIR})
