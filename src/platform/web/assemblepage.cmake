# SPDX-FileCopyrightText: 2026 clayrange developers
# SPDX-License-Identifier: GPL-3.0-or-later

cmake_policy(VERSION 3.25)

# Inlines the style, the window's first frame, the compiled core and the
# view's modules into the page template. The modules become one module script: each file's imports name
# only its siblings, which then stand before it in the same script.
file(READ ${TEMPLATE} page)
file(READ ${STYLE} style)
file(READ ${CORE} core)
execute_process(COMMAND ${NODE} ${MARKUP} OUTPUT_VARIABLE markup COMMAND_ERROR_IS_FATAL ANY)
# The caption comes first, on a line of its own.
string(FIND "${markup}" "\n" end_of_caption)
string(SUBSTRING "${markup}" 0 ${end_of_caption} caption)
math(EXPR start_of_body "${end_of_caption} + 1")
string(SUBSTRING "${markup}" ${start_of_body} -1 markup)

string(REPLACE "|" ";" module_files "${MODULES}")
set(view "")
foreach(module IN LISTS module_files)
    file(READ ${module} source)
    get_filename_component(name ${module} NAME)
    string(REGEX REPLACE "(^|\n)import [^\n]* from '\\./[a-z]+\\.mjs';" "\\1" source "${source}")
    if(source MATCHES "(^|\n)import ")
        message(FATAL_ERROR "${name}: an import that does not name a sibling module")
    endif()
    string(REGEX REPLACE "(^|\n)export " "\\1" source "${source}")
    string(REGEX REPLACE "(^|\n)// SPDX-[^\n]*" "" source "${source}")
    string(APPEND view "// ${name}\n${source}")
endforeach()

foreach(part style core view caption markup)
    string(TOLOWER "${${part}}" lowered)
    if(lowered MATCHES "</(script|style)")
        message(FATAL_ERROR "the ${part} would end its own element early")
    endif()
    # The texts live in the core; one character beyond ASCII anywhere makes
    # Chromium decode the whole file as UTF-16, about 12 ms before the first frame.
    if("${${part}}" MATCHES "[^\t\n\r -~]")
        message(FATAL_ERROR "the ${part} holds a character beyond ASCII")
    endif()
endforeach()

# Licence lines of the sources go: the page carries its own at the top.
string(REGEX REPLACE "/\\* SPDX[^\n]*\\*/\n" "" style "${style}")

string(REPLACE "<!--{{CAPTION}}-->" "${caption}" page "${page}")
string(REPLACE "<!--{{MARKUP}}-->" "${markup}" page "${page}")
string(REPLACE "/*{{STYLE}}*/" "${style}" page "${page}")
string(REPLACE "/*{{CORE}}*/" "${core}" page "${page}")
string(REPLACE "/*{{VIEW}}*/" "${view}" page "${page}")
file(WRITE ${OUTPUT} "${page}")
