# Warnings for every target of the project.
add_compile_options(-Wall -Wextra -Wpedantic -Wshadow -Wnon-virtual-dtor -Wcast-align
                    -Woverloaded-virtual -Wimplicit-fallthrough)
if(PETCALC_WERROR)
  add_compile_options(-Werror)
endif()
