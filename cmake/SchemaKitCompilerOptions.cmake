# Warnings and sanitizers shared by every target of the project.
add_library(schemakit_options INTERFACE)
target_compile_options(schemakit_options INTERFACE -Wall -Wextra -Wpedantic)

if(SCHEMAKIT_SANITIZE)
  # Applied globally so that the library, tests and helpers share one runtime.
  add_compile_options(-fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined)
  add_link_options(-fsanitize=address,undefined)
endif()
