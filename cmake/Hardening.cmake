# Debian's hardening for the game: position-independent code, stack protection, fortified
# C library calls and a read-only, eagerly bound relocation table. The sanitizer builds
# (and the fuzzers, which use them) instrument memory themselves and stay without it.
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
# The C library fortifies its calls only with optimisation, and warns without it.
add_compile_definitions($<$<NOT:$<CONFIG:Debug>>:_FORTIFY_SOURCE=2>)
add_link_options(LINKER:-z,relro LINKER:-z,now)
