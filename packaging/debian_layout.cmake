# Run by CPack (CPACK_PRE_BUILD_SCRIPTS) in the staging tree of the Debian
# package, after the install rules and before the .deb is made. The install
# rules lay out a self-contained copy, as `cmake --install` gives anywhere;
# this adds what Debian asks of a package on top.
set(stage "${CPACK_TEMPORARY_DIRECTORY}")
set(program_dir "${stage}/usr/lib/qelvane")
set(doc_dir "${stage}/usr/share/doc/qelvane")
if(NOT EXISTS "${program_dir}/setting.ini")
  message(FATAL_ERROR "no setting.ini in the staged program directory ${program_dir}")
endif()

# setting.ini is the file users are told to edit, so it is a conffile under
# /etc: dpkg keeps the user's edits across upgrades (and asks when both
# sides changed it) and drops it on purge. The program reads it beside
# itself, through a link; across top-level folders Debian wants the link
# absolute.
file(MAKE_DIRECTORY "${stage}/etc/qelvane")
file(RENAME "${program_dir}/setting.ini" "${stage}/etc/qelvane/setting.ini")
file(CREATE_LINK /etc/qelvane/setting.ini "${program_dir}/setting.ini" SYMBOLIC)

# The copyright, the changelog and the manual page (gzip without a name or
# time stamp, so the same source makes the same package), and the reasoned
# lintian overrides. file(COPY_FILE), not file(INSTALL): CPack sets DESTDIR
# to the staging tree.
function(gzip_into source target)
  get_filename_component(folder "${target}" DIRECTORY)
  file(MAKE_DIRECTORY "${folder}")
  execute_process(COMMAND gzip -n -9 -c "${source}" OUTPUT_FILE "${target}" COMMAND_ERROR_IS_FATAL ANY)
endfunction()
gzip_into("${CPACK_QELVANE_DEBIAN_DIR}/changelog" "${doc_dir}/changelog.Debian.gz")
gzip_into("${CPACK_QELVANE_DEBIAN_DIR}/qelvane.1" "${stage}/usr/share/man/man1/qelvane.1.gz")
file(COPY_FILE "${CPACK_QELVANE_DEBIAN_DIR}/copyright" "${doc_dir}/copyright")
file(MAKE_DIRECTORY "${stage}/usr/share/lintian/overrides")
file(COPY_FILE "${CPACK_QELVANE_DEBIAN_DIR}/lintian-overrides" "${stage}/usr/share/lintian/overrides/qelvane")
