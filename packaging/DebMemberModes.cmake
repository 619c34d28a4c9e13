# Run by cpack after it made the package (CPACK_POST_BUILD_SCRIPTS). CPack writes the three
# members of a .deb (debian-binary, control.tar.gz, data.tar.gz) to files and copies each
# file's mode into the member's ar header, so the header follows the umask; Debian's own
# dpkg-deb writes 100644. This writes 100644 into each header's mode field, in place.
foreach(deb IN LISTS CPACK_PACKAGE_FILES)
    if(NOT deb MATCHES "\\.deb$")
        continue()
    endif()
    file(SIZE ${deb} size)
    set(header 8) # past the "!<arch>\n" magic
    while(header LESS size)
        # An ar header: name 16, time 12, owner 6, group 6, mode 8, size 10, magic 2.
        file(READ ${deb} fields OFFSET ${header} LIMIT 60)
        string(SUBSTRING "${fields}" 48 10 member_size)
        string(STRIP "${member_size}" member_size)
        if(NOT member_size MATCHES "^[0-9]+$")
            message(FATAL_ERROR "${deb}: no ar member header at byte ${header}")
        endif()
        math(EXPR mode "${header} + 40")
        execute_process(
            COMMAND sh -c "printf '100644  ' | dd of=\"$0\" bs=1 seek=$1 conv=notrunc status=none"
                    ${deb} ${mode}
            RESULT_VARIABLE failed)
        if(failed)
            message(FATAL_ERROR "${deb}: could not set the mode of the member at byte ${header}")
        endif()
        # Members start on even bytes.
        math(EXPR header "${header} + 60 + ${member_size} + ${member_size} % 2")
    endwhile()
endforeach()
