# Sanitizer builds: cmake -DTRACKMILL_SANITIZE=ON (AddressSanitizer + UndefinedBehaviorSanitizer) or
# -DTRACKMILL_SANITIZE=thread (ThreadSanitizer; it cannot be combined with the other two).
set(TRACKMILL_SANITIZE OFF CACHE STRING "ON: ASan + UBSan; thread: TSan; OFF: none")
if(TRACKMILL_SANITIZE STREQUAL "thread")
  add_compile_options(-fsanitize=thread -fno-omit-frame-pointer)
  add_link_options(-fsanitize=thread)
elseif(TRACKMILL_SANITIZE)
  add_compile_options(-fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined)
  add_link_options(-fsanitize=address,undefined)
endif()
