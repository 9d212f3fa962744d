# One static library per layer folder, built from every .cpp in it.
# Arguments after the name are extra sources (paths ending in .cpp) or libraries to link.
function(kx_layer name)
  file(GLOB sources CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/${name}/*.cpp)
  set(deps "")
  foreach(arg IN LISTS ARGN)
    if(arg MATCHES "\\.cpp$")
      list(APPEND sources ${arg})
    else()
      list(APPEND deps ${arg})
    endif()
  endforeach()
  if(sources)
    add_library(kx_${name} STATIC ${sources})
    target_include_directories(kx_${name} PUBLIC ${CMAKE_SOURCE_DIR})
    target_link_libraries(kx_${name} PUBLIC ${deps})
  else()
    add_library(kx_${name} INTERFACE)
    target_include_directories(kx_${name} INTERFACE ${CMAKE_SOURCE_DIR})
    target_link_libraries(kx_${name} INTERFACE ${deps})
  endif()
endfunction()

# runtime/ holds the toolkit-free picture, codec and file helpers; runtime/qt/ is the Qt adapter,
# built separately because it sits on top of the application core.
function(kx_layer_runtime)
  kx_layer(runtime kx_model PNG::PNG JPEG::JPEG)
endfunction()
