# Each library exposes only its own folders. For a library in `report/`, the
# folder <build>/include/report holds one link, `report`, to the source
# folder, and only that folder is the library's public include path: an
# `#include "report/..."` compiles only in targets that link the report.
function(jubilo_expose target)
  string(REPLACE "/" "_" slot "${target}")
  set(root ${PROJECT_BINARY_DIR}/include/${slot})
  foreach(folder IN LISTS ARGN)
    get_filename_component(parent ${root}/${folder} DIRECTORY)
    file(MAKE_DIRECTORY ${parent})
    if(NOT EXISTS ${root}/${folder})
      file(CREATE_LINK ${PROJECT_SOURCE_DIR}/${folder} ${root}/${folder} SYMBOLIC)
    endif()
  endforeach()
  get_target_property(type ${target} TYPE)
  if(type STREQUAL "INTERFACE_LIBRARY")
    target_include_directories(${target} INTERFACE ${root})
  else()
    target_include_directories(${target} PUBLIC ${root})
  endif()
endfunction()
