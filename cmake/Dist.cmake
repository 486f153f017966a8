# Lays out a release folder: zuno.exe with everything it expects beside it, and the
# skin gallery skinview.exe when VIEWER names it.
# Run as: cmake -DEXE=... [-DVIEWER=...] -DHOST=<host build> -DDIST=<folder> -P Dist.cmake
foreach(var EXE HOST DIST)
  if(NOT DEFINED ${var})
    message(FATAL_ERROR "Dist.cmake needs -D${var}=")
  endif()
endforeach()

# Start from an empty folder so that nothing from an earlier layout (a renamed skin, a
# dropped file) ships; only what a user's run left there (zuno.ini, result logs) stays.
if(EXISTS ${DIST})
  file(GLOB_RECURSE old LIST_DIRECTORIES false RELATIVE ${DIST} ${DIST}/*)
  foreach(name ${old})
    if(NOT name MATCHES "^zuno[^/]*\\.(ini|txt)$")
      file(REMOVE ${DIST}/${name})
    endif()
  endforeach()
  file(GLOB entries LIST_DIRECTORIES true ${DIST}/*)
  foreach(entry ${entries})
    if(IS_DIRECTORY ${entry})
      file(REMOVE_RECURSE ${entry})
    endif()
  endforeach()
endif()
file(MAKE_DIRECTORY ${DIST}/skin ${DIST}/sound)
set(required
  ${EXE} ${DIST}
  ${HOST}/content/test.dll ${DIST}
  ${HOST}/help/ZunoHelp.chm ${DIST}
  ${HOST}/help/faq.txt ${DIST}
  ${HOST}/sound/optionalclick.wav ${DIST}/sound
  ${HOST}/sound/buttonclick.wav ${DIST}/sound
  ${HOST}/sound/menuclick.wav ${DIST}/sound)
if(VIEWER)
  list(APPEND required ${VIEWER} ${DIST})
endif()
list(LENGTH required n)
math(EXPR last "${n} - 1")
foreach(i RANGE 0 ${last} 2)
  math(EXPR j "${i} + 1")
  list(GET required ${i} from)
  list(GET required ${j} to)
  if(NOT EXISTS ${from})
    message(FATAL_ERROR "release file missing: ${from}")
  endif()
  file(COPY ${from} DESTINATION ${to})
endforeach()

# The skin folder holds the packages the user can choose; the default skin lives
# inside the program.
file(GLOB skins ${HOST}/skins/*.skn)
list(FILTER skins EXCLUDE REGEX "/default\\.skn$")
list(LENGTH skins count)
if(count LESS 5)
  message(FATAL_ERROR "expected at least five skin packages in ${HOST}/skins, found ${count}")
endif()
file(COPY ${skins} DESTINATION ${DIST}/skin)
