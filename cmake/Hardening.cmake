# Debian's hardening for the game: position-independent code, stack protection, fortified
# C library calls and a read-only, eagerly bound relocation table. The sanitizer builds
# (and the fuzzers, which use them) instrument memory themselves and stay without it.
#
# A distribution builds with CMAKE_BUILD_TYPE=None and its own CXXFLAGS, CPPFLAGS and
# LDFLAGS: then its flags decide the optimisation and the debug information, and this file
# only adds the hardening they leave out. Our presets name a build type, whose optimisation
# CMake adds as usual.

# No build path in the program: file names in its debug information and in __FILE__ are
# relative to the source or build folder, so two builds in different folders give one binary.
# The build folder comes last because it may lie inside the source folder and the last
# matching map wins.
add_compile_options("-ffile-prefix-map=${CMAKE_SOURCE_DIR}/=" "-ffile-prefix-map=${CMAKE_BINARY_DIR}/=")

if(HUSZONEGY_SANITIZE)
    return()
endif()

include(CheckPIESupported)
check_pie_supported(OUTPUT_VARIABLE pie_output LANGUAGES CXX)
if(NOT CMAKE_CXX_LINK_PIE_SUPPORTED)
    message(WARNING "The linker cannot make position-independent programs: ${pie_output}")
endif()
set(CMAKE_POSITION_INDEPENDENT_CODE ON)

add_compile_options(-fstack-protector-strong)
add_link_options(LINKER:-z,relro LINKER:-z,now)

if(CMAKE_BUILD_TYPE STREQUAL "None")
    # CMake reads CXXFLAGS and LDFLAGS from the environment, but not CPPFLAGS.
    separate_arguments(packager_cppflags UNIX_COMMAND "$ENV{CPPFLAGS}")
    add_compile_options(${packager_cppflags})
    # The C library fortifies its calls only with optimisation, and warns without it; a
    # packager who fortifies already chose the level.
    set(packager_flags "${CMAKE_CXX_FLAGS} $ENV{CPPFLAGS}")
    if(NOT packager_flags MATCHES "_FORTIFY_SOURCE" AND packager_flags MATCHES "(^| )-O[1-3sgz]?( |$)")
        add_compile_definitions(_FORTIFY_SOURCE=2)
    endif()
else()
    add_compile_definitions($<$<NOT:$<CONFIG:Debug>>:_FORTIFY_SOURCE=2>)
endif()
