#include "progress/wording.h"

#include "keyboard/notenaming.h"
#include "progress/notenames.h"

#include <QCoreApplication>
#include <QDate>
#include <QLocale>

namespace progress::wording {

namespace {

constexpr const char* context = "Report";

bool french()
{
    return language() == "fr";
}

QLocale locale()
{
    return QLocale(QString::fromStdString(language()));
}

}  // namespace

std::string language()
{
    // Every translation says which language it is in, as its translation of
    // "fr"; with none loaded the text comes back as it is.
    return QCoreApplication::translate("NoteNames", "fr").toStdString();
}

QString text(const char* source)
{
    return QCoreApplication::translate(context, source);
}

std::string withBytes(const QString& text, const std::string& bytes)
{
    std::string out = text.toStdString();
    if (const std::size_t at = out.find("%1"); at != std::string::npos) {
        out.replace(at, 2, bytes);
    }
    return out;
}

QString counted(const char* source, double n)
{
    const int form = n > 1e9 ? 1000000000 : static_cast<int>(n);
    const QString written = QString::fromStdString(number(n, 0));
    const QString source16 = QString::fromUtf8(source);
    QString translated = QCoreApplication::translate(context, source, nullptr, form);
    if (translated == source16) {
        translated.replace(QStringLiteral("(s)"), n > 1 ? QStringLiteral("s") : QString());
    }
    return translated.arg(written);
}

std::string number(double value, int decimals)
{
    return french() ? frenchNumber(value, decimals) : writtenNumber(value, decimals, locale());
}

std::string noteName(int note, art::Accidental accidental, bool signs)
{
    if (french()) {
        return frenchNoteName(note, accidental, signs);
    }
    const keyboard::naming::Naming& naming = keyboard::naming::namingFor(language());
    const art::Accidental spelled = art::pitch::spelling(note, accidental);
    // Scientific names are written in one piece where there is no sign word:
    // G4, not G 4.
    const bool joined =
        signs || (naming.octaves == keyboard::naming::Octaves::Scientific && spelled == art::Accidental::None);
    return keyboard::naming::noteName(note, spelled, naming, joined);
}

std::string middleC()
{
    const keyboard::naming::Naming& naming = keyboard::naming::namingFor(language());
    std::string name = noteName(keyboard::pitch::middleC, art::Accidental::None);  // "do 3", "C4", "c1"
    if (const std::size_t space = name.find(' '); space != std::string::npos) {
        name.replace(space, 1, "\u00a0");
    }
    // Sung names start a sentence with a capital; Helmholtz's c1 would be
    // another octave as C1.
    if (naming.octaves != keyboard::naming::Octaves::Helmholtz && !name.empty() && name[0] >= 'a' && name[0] <= 'z') {
        name[0] = static_cast<char>(name[0] - 'a' + 'A');
    }
    return name;
}

std::string clefName(art::Clef clef)
{
    return text(clef == art::Clef::Treble ? QT_TRANSLATE_NOOP("Report", "clef de sol")
                                          : QT_TRANSLATE_NOOP("Report", "clef de fa"))
        .toStdString();
}

std::string mistakeName(MistakeKind kind)
{
    return text(std::string(mistakeFrenchName(kind)).c_str()).toStdString();
}

std::string date(const std::string& started)
{
    if (started.size() < 10) {
        return started;
    }
    if (!french()) {
        const QDate day = QDate::fromString(QString::fromStdString(started.substr(0, 10)), Qt::ISODate);
        // The translator says how the language dates a page.
        if (day.isValid()) {
            return locale().toString(day, text(QT_TRANSLATE_NOOP("Report", "dd/MM/yyyy"))).toStdString();
        }
    }
    return started.substr(8, 2) + "/" + started.substr(5, 2) + "/" + started.substr(0, 4);
}

}  // namespace progress::wording
