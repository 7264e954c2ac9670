# The build puts the samples beside the program with its first tables only: a sample the user
# removed stays removed through the next build, while the tables are brought up to date.
file(REMOVE_RECURSE "${FOLDER}")
file(MAKE_DIRECTORY "${FOLDER}")

function(build)
  execute_process(COMMAND ${CMAKE_COMMAND} -DSOURCE=${SOURCE} -DTARGET=${FOLDER} -P ${SCRIPT}
    RESULT_VARIABLE failed)
  if(failed)
    message(FATAL_ERROR "copying the data files failed")
  endif()
endfunction()

function(expect_same name)
  file(READ "${SOURCE}/${name}" shipped)
  file(READ "${FOLDER}/${name}" copied)
  if(NOT shipped STREQUAL copied)
    message(FATAL_ERROR "${name} is not the shipped one")
  endif()
endfunction()

build()
foreach(name BR_PHY.SYM biodesc.ini LEAGUE.BDB COMETS.BTM)
  expect_same(${name})
endforeach()

file(REMOVE "${FOLDER}/COMETS.BTM")
file(WRITE "${FOLDER}/BR_PHY.SYM" "an older table")
file(WRITE "${FOLDER}/LEAGUE.BDB" "MY LEAGUE\n01/02/1980\n")
build()
if(EXISTS "${FOLDER}/COMETS.BTM")
  message(FATAL_ERROR "the removed sample COMETS.BTM came back")
endif()
file(READ "${FOLDER}/LEAGUE.BDB" league)
if(NOT league STREQUAL "MY LEAGUE\n01/02/1980\n")
  message(FATAL_ERROR "the user's LEAGUE.BDB was overwritten")
endif()
expect_same(BR_PHY.SYM)
