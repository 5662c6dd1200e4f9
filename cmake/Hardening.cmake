# Debian's hardening for the game: position-independent code, stack protection, fortified
# C library calls and a read-only, eagerly bound relocation table. The sanitizer builds
# (and the fuzzers, which use them) instrument memory themselves and stay without it.
#
# A distribution builds with CMAKE_BUILD_TYPE=None and its own CXXFLAGS, CPPFLAGS and
# LDFLAGS: then its flags decide the optimisation and the debug information, and this file
# only adds the hardening they leave out. A flag the packager gave, or turned off, is theirs;
# it is neither repeated nor overridden. Our presets name a build type, whose optimisation
# CMake adds as usual.

# No build path in the program: file names in its debug information and in __FILE__ are
# relative to the source or build folder, so two builds in different folders give one binary.
# The last matching map wins, so the build folder (which may lie inside the source folder)
# comes after the source folder, and both come before the packager's flags: a packager's
# own map (dpkg maps the source folder to ".") stays in force, ours only cover the rest.
set(prefix_maps)
foreach(folder IN ITEMS "${CMAKE_SOURCE_DIR}" "${CMAKE_BINARY_DIR}")
    string(REPLACE " " "\\ " folder "${folder}")
    string(APPEND prefix_maps "-ffile-prefix-map=${folder}/= ")
endforeach()
set(packager_cxxflags "${CMAKE_CXX_FLAGS}")
set(CMAKE_CXX_FLAGS "${prefix_maps}${CMAKE_CXX_FLAGS}")

if(HUSZONEGY_SANITIZE)
    return()
endif()

include(CheckPIESupported)
check_pie_supported(OUTPUT_VARIABLE pie_output LANGUAGES CXX)
if(NOT CMAKE_CXX_LINK_PIE_SUPPORTED)
    message(WARNING "The linker cannot make position-independent programs: ${pie_output}")
endif()
set(CMAKE_POSITION_INDEPENDENT_CODE ON)

if(NOT packager_cxxflags MATCHES "-f(no-)?stack-protector")
    add_compile_options(-fstack-protector-strong)
endif()
if(NOT CMAKE_EXE_LINKER_FLAGS MATCHES "-z,?(no)?relro")
    add_link_options(LINKER:-z,relro)
endif()
if(NOT CMAKE_EXE_LINKER_FLAGS MATCHES "-z,?(now|lazy)")
    add_link_options(LINKER:-z,now)
endif()

set(packager_flags "${packager_cxxflags}")
if(CMAKE_BUILD_TYPE STREQUAL "None")
    # CMake reads CXXFLAGS and LDFLAGS from the environment, but not CPPFLAGS; debhelper
    # appends them to CXXFLAGS itself, and then they are not added a second time.
    string(STRIP "$ENV{CPPFLAGS}" packager_cppflags)
    string(FIND " ${packager_cxxflags} " " ${packager_cppflags} " cppflags_given)
    if(cppflags_given EQUAL -1)
        separate_arguments(cppflags UNIX_COMMAND "${packager_cppflags}")
        add_compile_options(${cppflags})
        string(APPEND packager_flags " ${packager_cppflags}")
    endif()
endif()
# The C library fortifies its calls only with optimisation, and warns without it; a packager
# who fortifies already chose the level.
if(NOT packager_flags MATCHES "_FORTIFY_SOURCE")
    if(NOT CMAKE_BUILD_TYPE STREQUAL "None")
        add_compile_definitions($<$<NOT:$<CONFIG:Debug>>:_FORTIFY_SOURCE=2>)
    elseif(packager_flags MATCHES "(^| )-O[1-3sgz]?( |$)")
        add_compile_definitions(_FORTIFY_SOURCE=2)
    endif()
endif()
