# cmake -DSRC=<file> -DDST=<file> -P CopyIfAbsent.cmake
# Puts a file in place only when none is there yet: the password file of the
# program folder holds the user's own password after the first change, and a
# rebuild must not put the initial one back.
if(NOT EXISTS "${DST}")
  get_filename_component(_dir "${DST}" DIRECTORY)
  file(MAKE_DIRECTORY "${_dir}")
  file(COPY_FILE "${SRC}" "${DST}")
endif()
