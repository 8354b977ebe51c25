# Warnings are errors in every tree.
if(CMAKE_CXX_COMPILER_ID MATCHES "GNU|Clang")
    add_compile_options(-Wall -Wextra -Werror -Wno-unused-parameter)
endif()
# GCC 12's optimiser reports overlapping copies inside std::string that cannot
# happen (a known false positive at -O2 and above); it would fail release builds.
if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU" AND CMAKE_CXX_COMPILER_VERSION VERSION_GREATER_EQUAL 12)
    add_compile_options(-Wno-restrict)
endif()
