cmake_minimum_required(VERSION 3.25)
# Makes the English of every marked text a plain C++ table, from the Qt
# translation file, so that every front end, Qt or not, speaks the same
# English:
#   cmake -DTS=res/translations/wifi-config_en.ts -DOUT=EnglishTexts.h -P EnglishTexts.cmake
# The file is read as text (no list operations: its texts hold ';').
file(READ "${TS}" ts)

function(xml_text raw out)
    string(REPLACE "&quot;" "\"" raw "${raw}")
    string(REPLACE "&apos;" "'" raw "${raw}")
    string(REPLACE "&lt;" "<" raw "${raw}")
    string(REPLACE "&gt;" ">" raw "${raw}")
    string(REPLACE "&amp;" "&" raw "${raw}")
    string(FIND "${raw}" "\n" newline)
    if(NOT newline EQUAL -1)
        message(FATAL_ERROR "a text over two lines in ${TS}: ${raw}")
    endif()
    string(REPLACE "\\" "\\\\" raw "${raw}")
    string(REPLACE "\"" "\\\"" raw "${raw}")
    set(${out} "${raw}" PARENT_SCOPE)
endfunction()

# The text between `open` (a prefix of the tag) and `close` in `in`, from
# `from`; sets out and the position after the close, or -1.
function(between in from open close out next)
    string(SUBSTRING "${in}" ${from} -1 rest)
    string(FIND "${rest}" "${open}" at)
    if(at EQUAL -1)
        set(${next} -1 PARENT_SCOPE)
        return()
    endif()
    string(SUBSTRING "${rest}" ${at} -1 rest)
    string(FIND "${rest}" ">" gt)
    math(EXPR start "${gt} + 1")
    string(SUBSTRING "${rest}" ${start} -1 rest)
    string(FIND "${rest}" "${close}" end)
    string(SUBSTRING "${rest}" 0 ${end} value)
    string(LENGTH "${close}" closeLength)
    math(EXPR after "${from} + ${at} + ${start} + ${end} + ${closeLength}")
    set(${out} "${value}" PARENT_SCOPE)
    set(${next} ${after} PARENT_SCOPE)
endfunction()

set(entries "")
set(position 0)
while(TRUE)
    between("${ts}" ${position} "<context>" "</context>" context position)
    if(position EQUAL -1)
        break()
    endif()
    between("${context}" 0 "<name" "</name>" name unused)
    set(at 0)
    while(TRUE)
        between("${context}" ${at} "<message" "</message>" message at)
        if(at EQUAL -1)
            break()
        endif()
        between("${message}" 0 "<source" "</source>" source unused)
        between("${message}" 0 "<translation" "</translation>" translation unused)
        if(translation STREQUAL "")
            continue()  # not translated yet: the source stands
        endif()
        xml_text("${source}" source)
        xml_text("${translation}" translation)
        string(APPEND entries "    {\"${name}\", \"${source}\", \"${translation}\"},\n")
    endwhile()
endwhile()

file(WRITE "${OUT}.new"
    "// Made by cmake/EnglishTexts.cmake from ${TS}; do not edit.\n"
    "#pragma once\n\n#include <string_view>\n\nnamespace wifi {\n\n"
    "struct EnglishText {\n    std::string_view context, source, english;\n};\n\n"
    "inline constexpr EnglishText kEnglishTexts[] = {\n${entries}};\n\n}  // namespace wifi\n")
file(COPY_FILE "${OUT}.new" "${OUT}" ONLY_IF_DIFFERENT)
file(REMOVE "${OUT}.new")
