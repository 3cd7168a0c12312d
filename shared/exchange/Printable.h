#pragma once

#include <string>

namespace exchange {

// text with each control character (below 0x20, and 0x7F) written as a C escape (\n, \r,
// \t, \xHH), so that a message built from it stays on one line and sends no control
// sequence to a terminal. Every other byte, UTF-8 included, is kept.
std::string PrintableText(const std::string& text);

}  // namespace exchange
