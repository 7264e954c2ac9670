# Puts the data files beside the built program: the cycle tables and descriptions always, the
# sample databases and teams only when the folder gets its first tables, so that a sample the
# user removed stays removed through later builds.
file(GLOB program_files "${SOURCE}/BR_*" "${SOURCE}/biodesc.ini")
if(NOT EXISTS "${TARGET}/BR_PHY.SYM")
  file(GLOB samples "${SOURCE}/*.BDB" "${SOURCE}/*.BTM")
endif()
file(COPY ${program_files} ${samples} DESTINATION "${TARGET}")
