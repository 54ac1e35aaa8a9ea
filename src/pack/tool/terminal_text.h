#pragma once
// Text from a player or menu on its way to the terminal. A carriage return could put a harmless
// line over the real one, an escape sequence could hide text, clear the screen or set the title:
// every control character is shown as an escape instead (\r, \n, \t, \x1b, \u009b). JSON and the
// pages keep the exact text.
#include <string>

namespace orvane::pack {

std::string TerminalText(const std::string& utf8);

}  // namespace orvane::pack
