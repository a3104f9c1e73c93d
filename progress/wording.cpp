#include "progress/wording.h"

#include "keyboard/notenaming.h"
#include "platform/messages.h"
#include "progress/notenames.h"

#include <QCoreApplication>
#include <QDate>
#include <QLocale>

#include <algorithm>

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

QString say(const char* source)
{
    return QCoreApplication::translate(context, source);
}

std::string withBytes(const QString& text, const std::string& bytes)
{
    return platform::fillIn(text.toStdString(), {bytes});
}

QString counted(const char* source, std::size_t n)
{
    const int form = static_cast<int>(std::min<std::size_t>(n, 1000000000));
    QString translated = QCoreApplication::translate(context, source, nullptr, form);
    if (translated == QString::fromUtf8(source)) {
        translated.replace(QStringLiteral("(s)"), n > 1 ? QStringLiteral("s") : QString());
    }
    return translated.arg(number(static_cast<double>(n), 0));
}

QString number(double value, int decimals)
{
    return QString::fromStdString(french() ? frenchNumber(value, decimals) : writtenNumber(value, decimals, locale()));
}

QString noteName(int note, art::Accidental accidental, bool signs)
{
    if (french()) {
        return QString::fromStdString(frenchNoteName(note, accidental, signs));
    }
    const keyboard::naming::Naming& naming = keyboard::naming::namingFor(language());
    const art::Accidental spelled = art::pitch::spelling(note, accidental);
    // Scientific names are written in one piece where there is no sign word:
    // G4, not G 4.
    const bool joined =
        signs || (naming.octaves == keyboard::naming::Octaves::Scientific && spelled == art::Accidental::None);
    return QString::fromStdString(keyboard::naming::noteName(note, spelled, naming, joined));
}

QString middleC()
{
    const keyboard::naming::Naming& naming = keyboard::naming::namingFor(language());
    QString name = noteName(keyboard::pitch::middleC, art::Accidental::None);  // "do 3", "C4", "c1"
    name.replace(u' ', u'\u00a0');
    // Sung names start a sentence with a capital; Helmholtz's c1 would be
    // another octave as C1.
    if (naming.octaves != keyboard::naming::Octaves::Helmholtz && !name.isEmpty()) {
        name[0] = name[0].toUpper();
    }
    return name;
}

QString clefName(art::Clef clef)
{
    return say(clef == art::Clef::Treble ? QT_TRANSLATE_NOOP("Report", "clef de sol")
                                         : QT_TRANSLATE_NOOP("Report", "clef de fa"));
}

QString variantName(exercise::VariantKind kind, std::optional<int> fifths,
                    std::optional<keyboard::pitch::StaffClef> cClef)
{
    using exercise::VariantKind;
    QString name;
    if (kind == VariantKind::Ear) {
        name = say(QT_TRANSLATE_NOOP("Report", "À l'oreille"));
    } else if (kind == VariantKind::Phrase) {
        name = say(QT_TRANSLATE_NOOP("Report", "Plusieurs notes"));
    } else if (kind == VariantKind::Key) {
        const int f = fifths.value_or(0);
        const auto signs = static_cast<std::size_t>(f < 0 ? -f : f);
        name = f > 0   ? counted(QT_TRANSLATE_N_NOOP("Report", "Armure : %1 dièse(s)"), signs)
               : f < 0 ? counted(QT_TRANSLATE_N_NOOP("Report", "Armure : %1 bémol(s)"), signs)
                       : say(QT_TRANSLATE_NOOP("Report", "Sans armure (do majeur)"));
    }
    if (cClef == keyboard::pitch::StaffClef::Alto || cClef == keyboard::pitch::StaffClef::Tenor) {
        const QString clef =
            say(cClef == keyboard::pitch::StaffClef::Alto ? QT_TRANSLATE_NOOP("Report", "Clef d'ut 3e ligne (alto)")
                                                          : QT_TRANSLATE_NOOP("Report", "Clef d'ut 4e ligne (ténor)"));
        name = name.isEmpty() ? clef : name + QStringLiteral(" · ") + clef;
    }
    return name;
}

QString mistakeName(MistakeKind kind)
{
    return say(std::string(mistakeFrenchName(kind)).c_str());
}

QString date(const std::string& started)
{
    QString written = QString::fromStdString(started);
    if (started.size() < 10) {
        return written;
    }
    if (!french()) {
        const QDate day = QDate::fromString(written.left(10), Qt::ISODate);
        // The translator says how the language dates a page.
        if (day.isValid()) {
            return locale().toString(day, say(QT_TRANSLATE_NOOP("Report", "dd/MM/yyyy")));
        }
    }
    return QString::fromStdString(started.substr(8, 2) + "/" + started.substr(5, 2) + "/" + started.substr(0, 4));
}

}  // namespace progress::wording
