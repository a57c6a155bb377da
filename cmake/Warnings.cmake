# Warnings for every target of the project (the C helpers of the benchmarks get the ones that
# apply to C).
add_compile_options(-Wall -Wextra -Wpedantic -Wshadow $<$<COMPILE_LANGUAGE:CXX>:-Wnon-virtual-dtor>
                    -Wcast-align $<$<COMPILE_LANGUAGE:CXX>:-Woverloaded-virtual>
                    -Wimplicit-fallthrough)
if(PETCALC_WERROR)
  add_compile_options(-Werror)
endif()
