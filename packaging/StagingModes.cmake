# Run by cpack after it installed the files into its staging folder and before it packs them
# (CPACK_PRE_BUILD_SCRIPTS). The install gives each file its mode, but the folders cpack and the
# install create on the way follow the umask; in the package every folder is 755.
file(GLOB_RECURSE folders LIST_DIRECTORIES true ${CPACK_TEMPORARY_DIRECTORY}/*)
foreach(folder IN ITEMS ${CPACK_TEMPORARY_DIRECTORY} ${folders})
    if(IS_DIRECTORY ${folder} AND NOT IS_SYMLINK ${folder})
        file(CHMOD ${folder} PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ
                                         GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
    endif()
endforeach()
