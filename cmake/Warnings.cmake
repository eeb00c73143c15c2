# Warnings and floating-point rules shared by every target.
# Codecs must be bit-exact: no contraction of a*b+c into fused operations, no fast-math.
add_compile_options(-Wall -Wextra -ffp-contract=off -fno-fast-math)
option(TRACKMILL_WERROR "Treat warnings as errors" OFF)
if(TRACKMILL_WERROR)
  add_compile_options(-Werror)
endif()
