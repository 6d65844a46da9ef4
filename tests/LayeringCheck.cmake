# Checks that each computing library includes only what lies below it:
# no Qt, nothing of app/ or cli/, and no layer above its own; and that the
# two front ends, app/ and cli/, never include each other. Inside eclipse/,
# the fundamental plane (eclipse/plane/) serves the path, the local
# circumstances and the search, which stand side by side and do not include
# one another; Delta T's uncertainty (eclipse/uncertainty/) stands above
# the three, asking each of them again for a Delta T moved; the eclipses
# stored in advance (eclipse/stored/) keep what the search found. GLib (and the GeoNames library on it) stays inside
# places/geonames/, the build's reader of the gazetteer.
#   cmake -DSOURCE_DIR=<checkout> -P tests/LayeringCheck.cmake
cmake_minimum_required(VERSION 3.25)
set(layers core datafiles model ephemeris eclipse places map formats video)
set(allowed_core core)
set(allowed_datafiles core datafiles)
set(allowed_model core datafiles model)
set(allowed_ephemeris core datafiles model ephemeris)
set(allowed_eclipse core datafiles model ephemeris eclipse)
set(allowed_places core datafiles model ephemeris eclipse places)
set(allowed_map core datafiles model ephemeris eclipse map)
set(allowed_formats core datafiles model ephemeris eclipse places formats)
# Video files: FFmpeg behind an interface of ours, no Qt, nothing of the map.
set(allowed_video core datafiles video)

# Folders of eclipse/; "eclipse" stands for the files at its top.
set(eclipse_folders plane path local search uncertainty stored)
set(allowed_in_eclipse_eclipse eclipse plane)
set(allowed_in_eclipse_plane eclipse plane)
set(allowed_in_eclipse_path eclipse plane path)
set(allowed_in_eclipse_local eclipse plane local)
set(allowed_in_eclipse_search eclipse plane search)
set(allowed_in_eclipse_uncertainty eclipse plane path local search uncertainty)
set(allowed_in_eclipse_stored eclipse plane search stored)

function(eclipse_folder_of path result)
  set(folder eclipse)
  if(path MATCHES "^eclipse/([a-z]+)/")
    set(folder "${CMAKE_MATCH_1}")
  endif()
  set(${result} ${folder} PARENT_SCOPE)
endfunction()

set(failures "")
foreach(layer ${layers})
  file(GLOB_RECURSE sources "${SOURCE_DIR}/${layer}/*.h" "${SOURCE_DIR}/${layer}/*.cpp")
  foreach(source ${sources})
    if(source MATCHES "/map/qt/")
      continue()
    endif()
    file(RELATIVE_PATH relative "${SOURCE_DIR}" "${source}")
    eclipse_folder_of("${relative}" own_folder)
    file(STRINGS "${source}" includes REGEX "^[ \t]*#[ \t]*include")
    foreach(line ${includes})
      if(line MATCHES "<Q" OR line MATCHES "<qt")
        list(APPEND failures "${source}: Qt: ${line}")
      elseif(line MATCHES "<(glib|gio|geonames)" AND NOT relative MATCHES "^places/geonames/")
        list(APPEND failures "${source}: GLib outside places/geonames/: ${line}")
      elseif(line MATCHES "\"([a-z]+)/")
        set(target "${CMAKE_MATCH_1}")
        if(NOT target IN_LIST allowed_${layer})
          list(APPEND failures "${source}: ${layer}/ may not include ${target}/: ${line}")
        elseif(layer STREQUAL "eclipse" AND line MATCHES "\"(eclipse/[^\"]+)\"")
          eclipse_folder_of("${CMAKE_MATCH_1}" target_folder)
          if(NOT target_folder IN_LIST allowed_in_eclipse_${own_folder})
            list(APPEND failures "${source}: eclipse/${own_folder}/ may not include eclipse/${target_folder}/: ${line}")
          endif()
        endif()
      endif()
    endforeach()
  endforeach()
endforeach()

# The front ends share what lies below them, never each other.
foreach(front app cli)
  set(other app)
  if(front STREQUAL "app")
    set(other cli)
  endif()
  file(GLOB_RECURSE sources "${SOURCE_DIR}/${front}/*.h" "${SOURCE_DIR}/${front}/*.cpp")
  foreach(source ${sources})
    file(STRINGS "${source}" includes REGEX "^[ \t]*#[ \t]*include[ \t]*\"${other}/")
    foreach(line ${includes})
      list(APPEND failures "${source}: ${front}/ may not include ${other}/: ${line}")
    endforeach()
  endforeach()
endforeach()

if(failures)
  list(JOIN failures "\n" report)
  message(FATAL_ERROR "layering broken:\n${report}")
endif()
message(STATUS "layering: every library includes only the layers below it, and the front ends not each other")
