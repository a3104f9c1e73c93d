#pragma once

#include <QString>
#include <QStringList>

class QCoreApplication;
class QTranslator;

// The language the window speaks. Its texts are written in French; a
// translation is loaded for the first language of the desktop's list that
// has one, unless French, C or POSIX comes first: then the texts stay as
// written, as they do for a desktop that asks for none we have.
namespace app {

// The translations built into the program: "de", "en", ...
QStringList translatedLanguages();

// The translation to load for the desktop's languages, most wanted first, as
// QLocale::uiLanguages() gives them ("de-DE", "en", "C"): one of available,
// or empty for the French the texts are written in.
QString chooseLanguage(const QStringList& uiLanguages, const QStringList& available);

// Loads the built-in translation of a language ("de") into translator.
bool loadTranslation(QTranslator& translator, const QString& language);

// The language of the translation the desktop asks for, empty for French:
// what installTranslation installs, known before the application is made.
QString desktopLanguage();

// Installs the translation the desktop asks for (LANGUAGE, LC_ALL,
// LC_MESSAGES, LANG, as Qt reads them) into the application; returns its
// language, or empty when the texts stay French.
QString installTranslation(QCoreApplication& application);

// The translation the desktop asks for, loaded once for the whole run (and
// never unloaded), before any application exists; nullptr when the texts
// stay French.
const QTranslator* desktopTranslation();

// A text of the command line (--help, the error lines), marked with
// QT_TRANSLATE_NOOP("CommandLine", ...), in the desktop's language. The
// command line is answered before the application exists, so the text is
// read from the translation itself.
QString commandLineText(const char* text);

// A text of the control table (its captions, tooltips, help lines and
// names), in the window's language. nullptr gives an empty text.
QString controlText(const char* text);

}  // namespace app
