// The Help window's text: what the program does, where its files come from,
// what the options change, and a short note in English at the end.
#pragma once

#include <QString>

namespace ruvela {

// Paragraphs separated by empty lines, lines ending in CR LF; the version
// shows as "V4.0".
QString HelpText(int major, int minor);

}  // namespace ruvela
