# Lays out a release folder: zuno.exe with everything it expects beside it, and the
# skin gallery skinview.exe when VIEWER names it.
# Run as: cmake -DEXE=... [-DVIEWER=...] -DHOST=<host build> -DDIST=<folder> -P Dist.cmake
foreach(var EXE HOST DIST)
  if(NOT DEFINED ${var})
    message(FATAL_ERROR "Dist.cmake needs -D${var}=")
  endif()
endforeach()

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
