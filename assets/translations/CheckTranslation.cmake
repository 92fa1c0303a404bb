# Fails the build when a translation has texts not yet translated or texts the
# program no longer has: cmake -DTS_FILE=... -P CheckTranslation.cmake
file(READ "${TS_FILE}" content)
foreach(kind unfinished vanished obsolete)
  string(FIND "${content}" "type=\"${kind}\"" at)
  if(NOT at EQUAL -1)
    message(FATAL_ERROR "${TS_FILE} has ${kind} texts; translate them with Qt Linguist "
                        "(scripts/update-translations brings the file up to date first)")
  endif()
endforeach()
