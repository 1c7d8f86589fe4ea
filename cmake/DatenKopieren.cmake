# Copies QUELLE into ZIEL file by file, never overwriting a file that exists:
# the copy beside the program holds the user's settings, register and articles.
file(GLOB_RECURSE dateien RELATIVE ${QUELLE} LIST_DIRECTORIES true ${QUELLE}/*)
file(MAKE_DIRECTORY ${ZIEL})
foreach(datei IN LISTS dateien)
    if(IS_DIRECTORY ${QUELLE}/${datei})
        file(MAKE_DIRECTORY ${ZIEL}/${datei})
    elseif(NOT EXISTS ${ZIEL}/${datei})
        get_filename_component(ordner ${ZIEL}/${datei} DIRECTORY)
        file(COPY ${QUELLE}/${datei} DESTINATION ${ordner})
    endif()
endforeach()
