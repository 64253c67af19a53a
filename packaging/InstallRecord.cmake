# Where the build folder keeps what an installation into a prefix did, for uninstalling: one folder
# per prefix, so that installing elsewhere (the install check does, into a temporary prefix) never
# overwrites the record of the user's own installation.
#   dirs.txt   the directories that the installation made
#   files.txt  the files that it installed
#   prefix.txt the prefix, for the reader
function(tarvel_install_record_dir build prefix out_var)
  cmake_path(SET prefix NORMALIZE "${prefix}/")
  string(MD5 key "${prefix}")
  set(${out_var} "${build}/install-records/${key}" PARENT_SCOPE)
endfunction()
