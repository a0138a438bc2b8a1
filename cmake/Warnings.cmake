add_compile_options(-Wall -Wextra -Wpedantic -Wshadow -Wconversion -Wno-sign-conversion)
if(ZENTEI_WERROR)
  add_compile_options(-Werror)
endif()
