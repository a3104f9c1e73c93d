#pragma once

#include <string>

namespace exercise {

// The note panel's picture in words, for a screen reader, from the path of
// the file it was loaded from: the welcome, start and end pictures by what
// they are, a note by its clef and its sign. Never the note's name: that is
// the answer the exercise asks for. Empty for an empty path or a file the
// panel never shows. Each text is a whole French sentence marked for
// translation in the context "NotePanel".
std::string notePanelDescription(const std::string& path);

}  // namespace exercise
