#pragma once

#include <QString>

#include <cstddef>
#include <initializer_list>
#include <string>
#include <string_view>

class QTranslator;

// The program's error and warning lines, in the language of the translation
// the program has loaded. They are written in English, marked where they
// stand with QT_TRANSLATE_NOOP("Messages", ...) as whole sentences, with %1,
// %2... for what changes: "cannot read '%1': %2".
namespace platform {

// A marked line as the language says it, its %1, %2... (up to %9) filled
// with values as they are: a file's name keeps its bytes, which need not be
// UTF-8, and a value that holds "%2" itself is not filled in again.
std::string message(const char* source, std::initializer_list<std::string_view> values = {});

// The same, as a QString with its %1, %2... left for QString::arg.
QString messageText(const char* source);

// A counted line marked QT_TRANSLATE_N_NOOP("Messages", ...): "%n row(s) of
// results ... '%1'", in the form the language gives n. Untranslated, "(s)"
// is the English plural's s (every n but 1).
std::string counted(const char* source, std::size_t n, std::initializer_list<std::string_view> values = {});

// The translation the lines are looked up in, for a program that says them
// before its application is made (the command line is answered first) as
// well as after; nullptr, or none set, looks them up in the application's
// installed translations. It must live as long as lines are said.
void setMessageTranslation(const QTranslator* translation);

// %1, %2... of text (UTF-8) filled with values as they are, in one pass.
std::string fillIn(std::string_view text, std::initializer_list<std::string_view> values);

}  // namespace platform
