#include "app/translation.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include <memory>

namespace app {

namespace {

// Where the build puts the compiled translations: resources of the program.
const QString folder = QStringLiteral(":/i18n");
const QString prefix = QStringLiteral("tavelin_");

}  // namespace

QStringList translatedLanguages()
{
    QStringList languages;
    for (const QString& file : QDir(folder).entryList({prefix + QStringLiteral("*.qm")}, QDir::Files, QDir::Name)) {
        languages << file.mid(prefix.size()).chopped(3);
    }
    return languages;
}

QString chooseLanguage(const QStringList& uiLanguages, const QStringList& available)
{
    for (const QString& wanted : uiLanguages) {
        // "pt-BR", "pt_BR.UTF-8", "de@euro": the language, then its country.
        QString clean = wanted.section(u'.', 0, 0).section(u'@', 0, 0).replace(u'-', u'_');
        QString language = clean.section(u'_', 0, 0).toLower();
        if (language.isEmpty() || language == QLatin1String("c") || language == QLatin1String("posix") ||
            language == QLatin1String("fr")) {
            return {};
        }
        if (available.contains(clean)) {
            return clean;
        }
        if (available.contains(language)) {
            return language;
        }
    }
    return {};
}

bool loadTranslation(QTranslator& translator, const QString& language)
{
    return !language.isEmpty() && translator.load(prefix + language, folder);
}

QString desktopLanguage()
{
    return chooseLanguage(QLocale::system().uiLanguages(), translatedLanguages());
}

QString installTranslation(QCoreApplication& application)
{
    QString language = desktopLanguage();
    if (language.isEmpty()) {
        return {};
    }
    auto translator = std::make_unique<QTranslator>();
    if (!loadTranslation(*translator, language) || !QCoreApplication::installTranslator(translator.get())) {
        return {};
    }
    translator.release()->setParent(&application);  // the application's from now on
    // Qt's own texts (a dialog's standard buttons) in the same language,
    // where Debian's qt6-translations-l10n is installed.
    auto qt = std::make_unique<QTranslator>();
    if (qt->load(QLocale(language), QStringLiteral("qtbase"), QStringLiteral("_"),
                 QLibraryInfo::path(QLibraryInfo::TranslationsPath)) &&
        QCoreApplication::installTranslator(qt.get())) {
        qt.release()->setParent(&application);
    }
    return language;
}

const QTranslator* desktopTranslation()
{
    static const std::unique_ptr<QTranslator> translator = [] {
        auto t = std::make_unique<QTranslator>();
        return loadTranslation(*t, desktopLanguage()) ? std::move(t) : nullptr;
    }();
    return translator.get();
}

QString commandLineText(const char* text)
{
    const QTranslator* translator = desktopTranslation();
    const QString translated = translator != nullptr ? translator->translate("CommandLine", text) : QString();
    return translated.isEmpty() ? QString::fromUtf8(text) : translated;
}

QString controlText(const char* text)
{
    return text == nullptr ? QString() : QCoreApplication::translate("Controls", text);
}

}  // namespace app
