# The layers from the bottom up. A layer may include its own headers and those of the layers below it,
# nothing above: each layer's include path is a folder of links to exactly those source folders, so an
# upward include does not compile (tests/include_graph checks the same rule on the sources).
set(KX_LAYER_ORDER runtime model ops views io windows app cli gui)

# The include folder of `name`: links to its own folder and every folder below it in KX_LAYER_ORDER.
function(kx_layer_include_dir name out)
  set(dir ${CMAKE_BINARY_DIR}/layer_include/${name})
  list(FIND KX_LAYER_ORDER ${name} top)
  file(REMOVE_RECURSE ${dir})
  file(MAKE_DIRECTORY ${dir})
  foreach(i RANGE ${top})
    list(GET KX_LAYER_ORDER ${i} folder)
    file(CREATE_LINK ${CMAKE_SOURCE_DIR}/${folder} ${dir}/${folder} SYMBOLIC)
  endforeach()
  set(${out} ${dir} PARENT_SCOPE)
endfunction()

# One static library per layer folder, built from every .cpp in it but a main.cpp, which is the entry of
# an executable built on the library. Arguments after the name are extra sources (paths ending in .cpp)
# or libraries to link.
function(kx_layer name)
  file(GLOB sources CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/${name}/*.cpp)
  list(FILTER sources EXCLUDE REGEX "/main\\.cpp$")
  set(deps "")
  foreach(arg IN LISTS ARGN)
    if(arg MATCHES "\\.cpp$")
      list(APPEND sources ${arg})
    else()
      list(APPEND deps ${arg})
    endif()
  endforeach()
  kx_layer_include_dir(${name} include_dir)
  if(sources)
    add_library(kx_${name} STATIC ${sources})
    target_include_directories(kx_${name} PUBLIC ${include_dir})
    target_link_libraries(kx_${name} PUBLIC ${deps})
  else()
    add_library(kx_${name} INTERFACE)
    target_include_directories(kx_${name} INTERFACE ${include_dir})
    target_link_libraries(kx_${name} INTERFACE ${deps})
  endif()
endfunction()
