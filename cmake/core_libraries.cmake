# Core libraries hold the computation: number and text forms, dates, settings, records,
# orbits and bodies, the tracking engine, the frame layers. They compile without any Qt
# header and link no Qt library, so that they can be tested and reused without a
# window system. Windows and what needs the event loop live in the libraries beside them.

# A static library of the core: no Qt code generation, and checked for its link line.
function(torv_core_library name)
  add_library(${name} STATIC ${ARGN})
  set_target_properties(${name} PROPERTIES AUTOMOC OFF)
  target_include_directories(${name} PUBLIC ${CMAKE_SOURCE_DIR})
  torv_mark_core(${name})
endfunction()

# Marks a target (a library, a test program, a benchmark) whose link line must hold no Qt.
function(torv_mark_core target)
  set_target_properties(${target} PROPERTIES AUTOMOC OFF)
  set_property(GLOBAL APPEND PROPERTY TORV_CORE_TARGETS ${target})
endfunction()

# The names a target links, directly and through every target it links.
function(_torv_link_closure target out_var)
  set(pending ${target})
  set(seen "")
  while(pending)
    list(POP_FRONT pending item)
    string(REGEX REPLACE "^\\$<LINK_ONLY:(.*)>$" "\\1" item "${item}")
    if(item IN_LIST seen)
      continue()
    endif()
    list(APPEND seen "${item}")
    if(TARGET ${item})
      get_target_property(aliased ${item} ALIASED_TARGET)
      if(aliased)
        list(APPEND pending ${aliased})
      endif()
      foreach(property LINK_LIBRARIES INTERFACE_LINK_LIBRARIES)
        get_target_property(links ${item} ${property})
        if(links)
          list(APPEND pending ${links})
        endif()
      endforeach()
    endif()
  endwhile()
  set(${out_var} ${seen} PARENT_SCOPE)
endfunction()

# Stops the configuration when a core target's link line holds a Qt library.
function(torv_check_core_targets)
  get_property(core GLOBAL PROPERTY TORV_CORE_TARGETS)
  foreach(target ${core})
    _torv_link_closure(${target} links)
    foreach(link ${links})
      if(link MATCHES "(^|[/:])(lib)?Qt[0-9]")
        message(FATAL_ERROR "Core target ${target} links ${link}: core code must not depend on Qt. "
                            "Move the code that needs Qt into the window library beside it.")
      endif()
    endforeach()
  endforeach()
endfunction()
