# A configure lays out the tree's settings file; the program then changes it; a second configure
# (after the template changed, as a pull may change it) and a build must leave the program's
# settings as they are. Run by ctest:
#   cmake -DLAYOUT=<cmake/LayOutOnce.cmake> -DTEMPLATE=<assets/mysetup.ini> -DVERSION_INI=<assets/Version.ini>
#         -DPROGRAM=<mv52> -DWORK=<folder> -P <this>
cmake_minimum_required(VERSION 3.25)
include("${LAYOUT}")

file(REMOVE_RECURSE "${WORK}")
set(tree "${WORK}/dist")
set(settings "${tree}/language/mysetup.ini")
set(template "${WORK}/mysetup.ini.template")
file(MAKE_DIRECTORY "${WORK}")
file(COPY_FILE "${TEMPLATE}" "${template}")

# The configure step, exactly as assets/CMakeLists.txt runs it.
mv52_lay_out_once("${template}" "${settings}")
file(READ "${settings}" text)
if(NOT text MATCHES "IsFirstRun=1")
  message(FATAL_ERROR "the first configure laid out no settings file from the template:\n${text}")
endif()

# The desktop program, run from the tree (a link: it finds the tree from its own path), starts
# once and writes its first-run settings.
file(MAKE_DIRECTORY "${tree}/ZU_418")
file(COPY_FILE "${VERSION_INI}" "${tree}/Version.ini")
file(CREATE_LINK "${PROGRAM}" "${tree}/ZU_418/mv52" COPY_ON_ERROR)
execute_process(
  COMMAND ${CMAKE_COMMAND} -E env QT_QPA_PLATFORM=offscreen MV52_STARTUP_PROBE=1 HOME=${WORK}/home
          XDG_CONFIG_HOME=${WORK}/home/config XDG_STATE_HOME=${WORK}/home/state XDG_DATA_HOME=${WORK}/home/data
          "${tree}/ZU_418/mv52"
  TIMEOUT 120 RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE out)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "mv52 did not start (${status}):\n${out}")
endif()
file(READ "${settings}" changed)
if(NOT changed MATCHES "IsFirstRun=0")
  message(FATAL_ERROR "the program wrote no setting:\n${changed}")
endif()

# The template gains a line, then the configure runs again; the build lays out nothing else here.
file(APPEND "${template}" "; a newer template\n")
mv52_lay_out_once("${template}" "${settings}")
file(READ "${settings}" after)
if(NOT after STREQUAL changed)
  message(FATAL_ERROR "a second configure replaced the program's settings:\nbefore:\n${changed}\nafter:\n${after}")
endif()
file(REMOVE_RECURSE "${WORK}")
message(STATUS "the settings the program wrote survive a second configure")
