# SPDX-License-Identifier: GPL-3.0-or-later
# The warnings every target of ours is built with, set per target. Each target calls
# pexaro_target_warnings(); pexaro_check_warnings() names any target that does not.
set(PEXARO_WARNINGS -Wall -Wextra -Wpedantic -Wsuggest-override)

function(pexaro_target_warnings target)
  target_compile_options(${target} PRIVATE ${PEXARO_WARNINGS})
  if(PEXARO_WERROR)
    target_compile_options(${target} PRIVATE -Werror)
  endif()
  set_property(TARGET ${target} PROPERTY PEXARO_WARNINGS_SET TRUE)
endfunction()

# Fails the configuration for a compiled target below dir that never called the helper.
function(pexaro_check_warnings dir)
  get_property(targets DIRECTORY ${dir} PROPERTY BUILDSYSTEM_TARGETS)
  foreach(target IN LISTS targets)
    get_target_property(type ${target} TYPE)
    get_target_property(set ${target} PEXARO_WARNINGS_SET)
    if(NOT type MATCHES "^(UTILITY|INTERFACE_LIBRARY)$" AND NOT set)
      message(FATAL_ERROR "${target} is built without pexaro_target_warnings()")
    endif()
  endforeach()
  get_property(subdirs DIRECTORY ${dir} PROPERTY SUBDIRECTORIES)
  foreach(subdir IN LISTS subdirs)
    pexaro_check_warnings(${subdir})
  endforeach()
endfunction()
