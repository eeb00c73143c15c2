# Warnings and floating-point rules shared by every target.
# Codecs must be bit-exact: no contraction of a*b+c into fused operations, no fast-math.
add_compile_options(-Wall -Wextra -ffp-contract=off -fno-fast-math)
# CI's plain build: warnings are errors, and names that hide others or virtual functions that miss their
# overrides are warned about too.
option(TRACKMILL_WERROR "Treat warnings as errors and add -Wshadow -Wnon-virtual-dtor -Woverloaded-virtual" OFF)
if(TRACKMILL_WERROR)
  add_compile_options(-Werror -Wshadow -Wnon-virtual-dtor -Woverloaded-virtual)
endif()
