# Writes the compiled translations as byte arrays in a C++ source, so the program loads them
# from memory at start-up instead of looking for files.
# Usage: cmake -DOUT=file.cpp -DNB=qt_nb.qm -DNN=qt_nn.qm -P EmbedTranslations.cmake
function(ferdix_bytes _file _name _out)
  file(READ ${_file} _hex HEX)
  string(LENGTH "${_hex}" _len)
  math(EXPR _size "${_len} / 2")
  string(REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1," _bytes "${_hex}")
  # Lines of 24 bytes, so that the file stays readable and diffable.
  string(REGEX REPLACE "((0x[0-9a-f][0-9a-f],){24})" "\\1\n    " _bytes "${_bytes}")
  set(${_out} "const unsigned char ${_name}[] = {\n    ${_bytes}\n};\nconst std::size_t ${_name}Size = ${_size};\n" PARENT_SCOPE)
endfunction()

ferdix_bytes(${NB} kQtTranslationNb _nb)
ferdix_bytes(${NN} kQtTranslationNn _nn)
file(WRITE ${OUT}.tmp "// Generated from resources/translations by cmake/EmbedTranslations.cmake.\n#include <cstddef>\n\nnamespace ferdix {\n\nextern const unsigned char kQtTranslationNb[];\nextern const std::size_t kQtTranslationNbSize;\nextern const unsigned char kQtTranslationNn[];\nextern const std::size_t kQtTranslationNnSize;\n\n${_nb}\n${_nn}\n}  // namespace ferdix\n")
file(COPY_FILE ${OUT}.tmp ${OUT} ONLY_IF_DIFFERENT)
file(REMOVE ${OUT}.tmp)
