# The hardening Debian builds its packages with: stack protector, checked
# string and memory functions, and a read-only relocation table bound at
# start. Position-independent executables are the compiler's default there.
# Not with the sanitizers, which bring their own checks and clash with
# the checked functions.
if(QMCONF_SANITIZE OR QMCONF_FUZZ OR WIN32 OR NOT CMAKE_CXX_COMPILER_ID MATCHES "GNU|Clang")
    return()
endif()

add_compile_options(-fstack-protector-strong)
# The checked functions need the optimiser; an unoptimised build would
# only warn that they are off.
add_compile_definitions($<$<CONFIG:Release,RelWithDebInfo,MinSizeRel>:_FORTIFY_SOURCE=2>)
add_link_options(LINKER:-z,relro,-z,now)
