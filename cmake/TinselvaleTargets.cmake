# Compiler settings shared by every target we write ourselves.
function(tv_setup_target target)
  target_compile_options(${target} PRIVATE -Wall -Wextra -Wno-unused-parameter)
  # Developers and CI build with TV_WERROR (scripts/build.sh sets it); a player's own
  # cmake call on a newer compiler must not stop at a warning we have not seen yet.
  if(TV_WERROR)
    target_compile_options(${target} PRIVATE -Werror)
  endif()
  if(TV_SANITIZE)
    target_compile_options(${target} PRIVATE -fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined)
    target_link_options(${target} PRIVATE -fsanitize=address,undefined)
  endif()
  if(TV_FUZZ)
    # Coverage in the library itself, or libFuzzer sees only the thin entry
    # points and cannot find its way into the parsers.
    target_compile_options(${target} PRIVATE -fsanitize=fuzzer-no-link,address,undefined -fno-omit-frame-pointer)
  endif()
endfunction()
