# Turns the manual's source into the self-contained "Manual.htm": every
# picture placeholder becomes the standard library's own drawing, embedded as
# a base64 data: URI, and the tables that follow from the rules or from the
# library's contents are written out, so none of them is typed by hand.
#
#   cmake -DINPUT=Manual.htm.in -DOUTPUT=Manual.htm -DLIBRARIES=<folder>
#         -DVERSION=2.51 -DDATA_DIR=/usr/share/lumbra -P embed_pictures.cmake
#
# LIBRARIES holds one folder of NAME.png drawings per library ("lrestd",
# "lresshape", ...); pictures come from "lrestd" unless a placeholder names
# another library, as in @PICTURE:lresshape/red0005|...@.
#
# Placeholders in the source:
#   @VERSION@, @DATA_DIR@        the program's version and data folder
#   @PICTURE:[library/]name|alt@ an <img> of one picture
#   @BOARD:row|row|...@          a board diagram, one letter per square:
#                                  .  empty         R G B Y L K P  the seven colours
#                                  J  joker         D dynamite     Q  question ball
#                                  o  a path step   t  the target  x  unreachable
#                                a lower-case ball letter marks the ball that
#                                moves, a "~" after a ball shows it bouncing
#   @FRAMES:stem@                the eleven frames 0000..0010 of one stone, labelled
#   @POINTS_TABLE@               points by number of balls, straight and diagonal
#   @NAMES:stem@, @SIZE:stem@    the library's names of one group, and their size
#   @PICTURE_STYLES@             CSS for every picture the diagrams use; written last
# A NAME@2x.png beside NAME.png is offered to high-density screens as well.

cmake_minimum_required(VERSION 3.25)

foreach(required INPUT OUTPUT LIBRARIES VERSION DATA_DIR)
  if(NOT DEFINED ${required})
    message(FATAL_ERROR "embed_pictures.cmake needs -D${required}=...")
  endif()
endforeach()

set(base64_alphabet "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/")

# The base64 text of a file's bytes.
function(base64_of_file path out_var)
  file(READ "${path}" hex HEX)
  string(LENGTH "${hex}" hex_length)
  math(EXPR leftover "(${hex_length} / 2) % 3")
  if(leftover EQUAL 1)
    string(APPEND hex "0000")
  elseif(leftover EQUAL 2)
    string(APPEND hex "00")
  endif()
  string(REGEX MATCHALL "......" triplets "${hex}")
  set(text "")
  foreach(triplet IN LISTS triplets)
    math(EXPR bits "0x${triplet}")
    math(EXPR i1 "(${bits} >> 18) & 63")
    math(EXPR i2 "(${bits} >> 12) & 63")
    math(EXPR i3 "(${bits} >> 6) & 63")
    math(EXPR i4 "${bits} & 63")
    string(SUBSTRING "${base64_alphabet}" ${i1} 1 c1)
    string(SUBSTRING "${base64_alphabet}" ${i2} 1 c2)
    string(SUBSTRING "${base64_alphabet}" ${i3} 1 c3)
    string(SUBSTRING "${base64_alphabet}" ${i4} 1 c4)
    string(APPEND text "${c1}${c2}${c3}${c4}")
  endforeach()
  if(leftover GREATER 0)
    string(LENGTH "${text}" text_length)
    math(EXPR kept "${text_length} - 3 + ${leftover}")
    string(SUBSTRING "${text}" 0 ${kept} text)
    if(leftover EQUAL 1)
      string(APPEND text "==")
    else()
      string(APPEND text "=")
    endif()
  endif()
  set(${out_var} "${text}" PARENT_SCOPE)
endfunction()

set(standard_pictures "${LIBRARIES}/lrestd")

# The picture file of `name` ("red0005" or "lresshape/red0005"), or a stop
# with a message naming what is missing.
function(picture_file name out_var)
  if(name MATCHES "/")
    set(path "${LIBRARIES}/${name}.png")
  else()
    set(path "${standard_pictures}/${name}.png")
  endif()
  if(NOT EXISTS "${path}")
    message(FATAL_ERROR "The manual shows \"${name}\", but ${path} does not exist.")
  endif()
  set(${out_var} "${path}" PARENT_SCOPE)
endfunction()

# Width and height of a PNG, from its header.
function(png_size path width_var height_var)
  file(READ "${path}" signature LIMIT 8 HEX)
  if(NOT signature STREQUAL "89504e470d0a1a0a")
    message(FATAL_ERROR "${path} is not a PNG picture.")
  endif()
  file(READ "${path}" dimensions OFFSET 16 LIMIT 8 HEX)
  string(SUBSTRING "${dimensions}" 0 8 width_hex)
  string(SUBSTRING "${dimensions}" 8 8 height_hex)
  math(EXPR width "0x${width_hex}")
  math(EXPR height "0x${height_hex}")
  set(${width_var} ${width} PARENT_SCOPE)
  set(${height_var} ${height} PARENT_SCOPE)
endfunction()

# data: URIs of a picture: the normal one, and its double-size twin or "";
# and the picture's width and height.
function(picture_uris name uri_var uri2x_var width_var height_var)
  picture_file("${name}" path)
  base64_of_file("${path}" encoded)
  set(${uri_var} "data:image/png;base64,${encoded}" PARENT_SCOPE)
  set(uri2x "")
  string(REGEX REPLACE "\\.png$" "@2x.png" twin "${path}")
  if(EXISTS "${twin}")
    base64_of_file("${twin}" encoded2x)
    set(uri2x "data:image/png;base64,${encoded2x}")
  endif()
  set(${uri2x_var} "${uri2x}" PARENT_SCOPE)
  png_size("${path}" width height)
  set(${width_var} ${width} PARENT_SCOPE)
  set(${height_var} ${height} PARENT_SCOPE)
endfunction()

# Points for a removal of `removed` balls, the arriving one included:
# 3 up to n = 4, then 2 + (n - 3)(n - 2) / 2, where n counts the balls besides
# the arriving one plus 1 when a diagonal row took part.
function(points_for removed diagonal out_var)
  math(EXPR n "${removed} - 1 + ${diagonal}")
  if(n LESS_EQUAL 4)
    set(points 3)
  else()
    math(EXPR points "2 + (${n} - 3) * (${n} - 2) / 2")
  endif()
  set(${out_var} ${points} PARENT_SCOPE)
endfunction()

function(points_table out_var)
  set(html "<table>\n<tr><th class=\"num\">balls removed</th><th class=\"num\">straight rows only</th><th class=\"num\">a diagonal row among them</th><th>for example</th></tr>\n")
  set(example_5 "one row of five")
  set(example_6 "a row of six")
  set(example_7 "a row of seven")
  set(example_8 "a row of eight")
  set(example_9 "a row of nine, or two rows of five crossing")
  set(example_10 "a row of six crossing a row of five")
  set(example_11 "two rows of six crossing")
  set(example_13 "three rows of five through one ball")
  foreach(removed RANGE 5 13)
    points_for(${removed} 0 straight)
    points_for(${removed} 1 diagonal)
    set(example "")
    if(DEFINED example_${removed})
      set(example "${example_${removed}}")
    endif()
    string(APPEND html "<tr><td class=\"num\">${removed}</td><td class=\"num\">${straight}</td><td class=\"num\">${diagonal}</td><td>${example}</td></tr>\n")
  endforeach()
  string(APPEND html "</table>")
  set(${out_var} "${html}" PARENT_SCOPE)
endfunction()

# Every picture of the library, without the 2x twins.
file(GLOB library_files RELATIVE "${standard_pictures}" "${standard_pictures}/*.png")
set(library_names "")
foreach(file IN LISTS library_files)
  if(NOT file MATCHES "@2x\\.png$")
    string(REGEX REPLACE "\\.png$" "" name "${file}")
    list(APPEND library_names "${name}")
  endif()
endforeach()
list(SORT library_names)

# A picture's group: its name without the frame or digit at its end.
function(group_of name out_var)
  string(REGEX REPLACE "[0-9]+$" "" group "${name}")
  set(${out_var} "${group}" PARENT_SCOPE)
endfunction()

file(READ "${INPUT}" html)
string(REPLACE "@VERSION@" "${VERSION}" html "${html}")
string(REPLACE "@DATA_DIR@" "${DATA_DIR}" html "${html}")

points_table(table)
string(REPLACE "@POINTS_TABLE@" "${table}" html "${html}")

# The names of each group, and check that the manual describes every group.
string(REGEX MATCHALL "@NAMES:[a-z_]+@" name_placeholders "${html}")
set(described_groups "")
foreach(placeholder IN LISTS name_placeholders)
  string(REGEX REPLACE "^@NAMES:([a-z_]+)@$" "\\1" group "${placeholder}")
  list(APPEND described_groups "${group}")
  set(names_html "")
  set(size_text "")
  foreach(name IN LISTS library_names)
    group_of("${name}" name_group)
    if(name_group STREQUAL group)
      string(APPEND names_html "<code>${name}</code> ")
      png_size("${standard_pictures}/${name}.png" width height)
      set(this_size "${width} × ${height}")
      if(size_text STREQUAL "")
        set(size_text "${this_size}")
      elseif(NOT size_text STREQUAL this_size)
        message(FATAL_ERROR "The pictures \"${group}...\" differ in size (${size_text} and ${this_size} for ${name}).")
      endif()
    endif()
  endforeach()
  if(names_html STREQUAL "")
    message(FATAL_ERROR "The manual lists the pictures \"${group}...\", but ${standard_pictures} holds none.")
  endif()
  string(STRIP "${names_html}" names_html)
  string(REPLACE "${placeholder}" "${names_html}" html "${html}")
  string(REPLACE "@SIZE:${group}@" "${size_text}" html "${html}")
endforeach()
foreach(name IN LISTS library_names)
  group_of("${name}" name_group)
  if(NOT name_group IN_LIST described_groups)
    message(FATAL_ERROR "The library holds \"${name}\", which the manual's table of names does not describe.")
  endif()
endforeach()

# Board diagrams and frame strips become sprites: <span class="pic p-NAME">.
set(stone_R red)
set(stone_G green)
set(stone_B blue)
set(stone_Y yellow)
set(stone_L lblue)
set(stone_K black)
set(stone_P purple)
set(stone_J joker)
set(stone_D dynamit)
set(stone_Q quest)

function(sprite name classes out_var)
  set(${out_var} "<span class=\"pic p-${name}${classes}\"></span>" PARENT_SCOPE)
endfunction()

function(board_html rows_text out_var)
  string(REPLACE "|" ";" rows "${rows_text}")
  set(html "")
  foreach(row IN LISTS rows)
    string(APPEND html "<span class=\"row\">")
    string(REGEX MATCHALL ".~?" squares "${row}")
    foreach(square IN LISTS squares)
      string(SUBSTRING "${square}" 0 1 letter)
      string(TOUPPER "${letter}" upper)
      if(square MATCHES "~$")
        set(frame 0008)
      else()
        set(frame 0005)
      endif()
      if(letter STREQUAL ".")
        sprite(empty "" piece)
      elseif(letter STREQUAL "o")
        sprite(empty " path" piece)
      elseif(letter STREQUAL "t")
        sprite(empty " target" piece)
      elseif(letter STREQUAL "x")
        sprite(empty " blocked" piece)
      elseif(DEFINED stone_${upper})
        set(classes "")
        if(NOT letter STREQUAL upper)
          set(classes " selected")
        endif()
        sprite("${stone_${upper}}${frame}" "${classes}" piece)
      else()
        message(FATAL_ERROR "A board diagram holds \"${letter}\", which names no square.")
      endif()
      string(APPEND html "${piece}")
    endforeach()
    string(APPEND html "</span>")
  endforeach()
  set(${out_var} "${html}" PARENT_SCOPE)
endfunction()

string(REGEX MATCHALL "@BOARD:[^@]+@" board_placeholders "${html}")
foreach(placeholder IN LISTS board_placeholders)
  string(REGEX REPLACE "^@BOARD:([^@]+)@$" "\\1" rows "${placeholder}")
  board_html("${rows}" board)
  string(REPLACE "${placeholder}" "${board}" html "${html}")
endforeach()

string(REGEX MATCHALL "@FRAMES:[a-z]+@" frame_placeholders "${html}")
foreach(placeholder IN LISTS frame_placeholders)
  string(REGEX REPLACE "^@FRAMES:([a-z]+)@$" "\\1" stem "${placeholder}")
  set(strip "<span class=\"frames\">")
  foreach(frame RANGE 0 10)
    string(LENGTH "${frame}" digits)
    if(digits EQUAL 1)
      set(frame "000${frame}")
    else()
      set(frame "00${frame}")
    endif()
    sprite("${stem}${frame}" "" piece)
    string(APPEND strip "<span class=\"frame\">${piece}<span class=\"label\">${frame}</span></span>")
  endforeach()
  string(APPEND strip "</span>")
  string(REPLACE "${placeholder}" "${strip}" html "${html}")
endforeach()

# Single pictures as <img>.
string(REGEX MATCHALL "@PICTURE:[a-z_0-9/]+\\|[^@]*@" picture_placeholders "${html}")
list(REMOVE_DUPLICATES picture_placeholders)
foreach(placeholder IN LISTS picture_placeholders)
  string(REGEX REPLACE "^@PICTURE:([a-z_0-9/]+)\\|([^@]*)@$" "\\1" name "${placeholder}")
  string(REGEX REPLACE "^@PICTURE:([a-z_0-9/]+)\\|([^@]*)@$" "\\2" alt "${placeholder}")
  picture_uris("${name}" uri uri2x width height)
  set(srcset "")
  if(NOT uri2x STREQUAL "")
    set(srcset " srcset=\"${uri2x} 2x\"")
  endif()
  string(REPLACE "${placeholder}"
         "<img src=\"${uri}\"${srcset} width=\"${width}\" height=\"${height}\" alt=\"${alt}\"/>"
         html "${html}")
endforeach()

# One CSS rule per sprite picture, so that a picture shown many times is
# embedded once.
string(REGEX MATCHALL "class=\"pic p-[a-z_0-9]+" sprite_uses "${html}")
set(sprite_names "")
foreach(use IN LISTS sprite_uses)
  string(REGEX REPLACE "^class=\"pic p-" "" name "${use}")
  list(APPEND sprite_names "${name}")
endforeach()
list(REMOVE_DUPLICATES sprite_names)
list(SORT sprite_names)
set(styles "")
foreach(name IN LISTS sprite_names)
  picture_uris("${name}" uri uri2x width height)
  string(APPEND styles ".p-${name} { width: ${width}px; height: ${height}px; background-size: ${width}px ${height}px; background-image: url(${uri});")
  if(NOT uri2x STREQUAL "")
    string(APPEND styles " background-image: image-set(url(${uri}) 1x, url(${uri2x}) 2x);")
  endif()
  string(APPEND styles " }\n")
endforeach()
string(REPLACE "@PICTURE_STYLES@" "${styles}" html "${html}")

if(html MATCHES "@[A-Z][A-Z_]*[:@]")
  message(FATAL_ERROR "${INPUT} holds a placeholder this script does not know: ${CMAKE_MATCH_0}")
endif()

file(WRITE "${OUTPUT}.tmp" "${html}")
file(RENAME "${OUTPUT}.tmp" "${OUTPUT}")
