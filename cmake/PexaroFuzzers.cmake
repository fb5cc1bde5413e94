# SPDX-License-Identifier: GPL-3.0-or-later
# A libFuzzer target: the fuzzer's main is linked into it only, the coverage flags of the fuzz
# build are in every library.
function(pexaro_add_fuzzer name)
  add_executable(${name} ${ARGN})
  pexaro_target_warnings(${name})
  target_link_libraries(${name} PRIVATE Common)
  target_link_options(${name} PRIVATE -fsanitize=fuzzer)
endfunction()
