# Dependencies point one way: ui -> scale -> text, raster -> base, and inside
# the scale layer each folder may include only the folders listed for it.
# Includes are rooted at src/, so the compiler would find a header the wrong
# way round; this check makes such an include fail the configure step instead.
set(SP_LAYERS
  "base:"
  "raster:base"
  "text:raster base"
  "scale/input:text base"
  "scale/definition:base"
  "scale/settings:scale/input base"
  "scale/generator:scale/drawing scale/input text base"
  "scale/drawing:scale/input scale/definition text raster base"
  "scale/marks:text base"
  "scale/output:scale/drawing scale/input scale/definition text raster base"
  "scale/plate:scale/marks scale/output scale/drawing scale/generator scale/input scale/definition text raster base"
  "scale/sheet:scale/plate scale/settings scale/output scale/drawing scale/generator scale/input scale/definition text raster base"
  "ui/common:scale text raster base"
  "ui/preview:ui/common scale text raster base"
  "ui/definition:ui/common scale text raster base"
  "ui/plate:ui/preview ui/common scale text raster base"
  "ui/print:ui/preview ui/common scale text raster base"
  "ui/main:ui/print ui/plate ui/preview ui/definition ui/common scale text raster base")

foreach(rule IN LISTS SP_LAYERS)
  string(REPLACE ":" ";" parts "${rule}")
  list(GET parts 0 folder)
  list(LENGTH parts n)
  set(allowed "${folder}")
  if(n GREATER 1)
    list(GET parts 1 below)
    string(REPLACE " " ";" below "${below}")
    list(APPEND allowed ${below})
  endif()
  file(GLOB sources "${PROJECT_SOURCE_DIR}/src/${folder}/*.h" "${PROJECT_SOURCE_DIR}/src/${folder}/*.cpp")
  foreach(source IN LISTS sources)
    file(STRINGS "${source}" includes REGEX "^#include \"[a-z]+/")
    foreach(line IN LISTS includes)
      string(REGEX REPLACE "^#include \"(.*)/[^/]+\".*" "\\1" used "${line}")
      set(ok FALSE)
      foreach(a IN LISTS allowed)
        if(used STREQUAL a OR used MATCHES "^${a}/")
          set(ok TRUE)
        endif()
      endforeach()
      if(NOT ok)
        file(RELATIVE_PATH rel "${PROJECT_SOURCE_DIR}" "${source}")
        message(FATAL_ERROR "${rel} includes ${used}/, which ${folder}/ may not use (cmake/Layers.cmake)")
      endif()
    endforeach()
  endforeach()
endforeach()
