#include "app/options.h"

#include "app/translation.h"

#include "exercise/notechoice.h"
#include "platform/version.h"
#include "progress/pupils.h"
#include "progress/report.h"

#include <QCommandLineParser>
#include <QFile>
#include <QRegularExpression>

#include <cstdlib>
#include <optional>
#include <string_view>

namespace {

// Options that take a value, and what a user gives them.
struct ValueOption {
    const char* option;
    const char* value;
};
constexpr ValueOption valueOptions[] = {
    {"--pupil", QT_TRANSLATE_NOOP("CommandLine", "a name")},
    {"--results", QT_TRANSLATE_NOOP("CommandLine", "a file name")},
    {"--out", QT_TRANSLATE_NOOP("CommandLine", "a picture file name")},
    {"--notes", "LOW-HIGH"},
    {"--variant", QT_TRANSLATE_NOOP("CommandLine", "a variant")},
    {"--midi-in", QT_TRANSLATE_NOOP("CommandLine", "none or CLIENT:PORT")},
    {"--midi-out", QT_TRANSLATE_NOOP("CommandLine", "a device number")},
    {"--export-pupil", QT_TRANSLATE_NOOP("CommandLine", "a name")},
    {"--import", QT_TRANSLATE_NOOP("CommandLine", "a file name")},
};

// Every option the program takes, with its help line.
struct OptionSet {
    QCommandLineOption help{{QStringLiteral("h"), QStringLiteral("help")},
                            app::commandLineText(QT_TRANSLATE_NOOP("CommandLine", "Affiche cette aide."))};
    QCommandLineOption version{{QStringLiteral("v"), QStringLiteral("version")},
                               app::commandLineText(QT_TRANSLATE_NOOP("CommandLine", "Affiche la version."))};
    QCommandLineOption midiOut{QStringLiteral("midi-out"),
                               app::commandLineText(QT_TRANSLATE_NOOP(
                                   "CommandLine", "Joue par la sortie MIDI N (0 : le synthétiseur intégré).")),
                               QStringLiteral("N")};
    QCommandLineOption listOut{QStringLiteral("list-midi-out"),
                               app::commandLineText(QT_TRANSLATE_NOOP("CommandLine", "Liste les sorties MIDI."))};
    QCommandLineOption midiIn{QStringLiteral("midi-in"),
                              app::commandLineText(QT_TRANSLATE_NOOP(
                                  "CommandLine", "Clavier MIDI : none, ou CLIENT:PORT (par défaut : tous).")),
                              QStringLiteral("none|CLIENT:PORT")};
    QCommandLineOption listIn{QStringLiteral("list-midi-in"),
                              app::commandLineText(QT_TRANSLATE_NOOP("CommandLine", "Liste les claviers MIDI."))};
    QCommandLineOption results{QStringLiteral("results"),
                               app::commandLineText(QT_TRANSLATE_NOOP(
                                   "CommandLine", "Ajoute le résultat de chaque note au fichier CSV FILE.")),
                               QStringLiteral("FILE")};
    QCommandLineOption report{
        QStringLiteral("report"),
        app::commandLineText(QT_TRANSLATE_NOOP("CommandLine",
                                               "Fait le bilan du fichier de résultats FILE, sans fenêtre ; "
                                               "avec plusieurs fichiers ou --pupil, le bilan de la classe en PDF.")),
        QStringLiteral("FILE")};
    QCommandLineOption out{QStringLiteral("out"),
                           app::commandLineText(QT_TRANSLATE_NOOP(
                               "CommandLine",
                               "Image du bilan, .png, .jpg ou .pdf (par défaut : le nom du fichier en .png), "
                               "ou PDF de la classe (class.pdf).")),
                           QStringLiteral("IMAGE")};
    QCommandLineOption pupil{QStringLiteral("pupil"),
                             app::commandLineText(QT_TRANSLATE_NOOP(
                                 "CommandLine", "Les résultats de l'élève NAME, dans le dossier des élèves.")),
                             QStringLiteral("NAME")};
    QCommandLineOption listPupils{
        QStringLiteral("list-pupils"),
        app::commandLineText(QT_TRANSLATE_NOOP("CommandLine", "Liste les élèves, leurs séances et la dernière date."))};
    QCommandLineOption focus{
        QStringLiteral("focus"),
        app::commandLineText(QT_TRANSLATE_NOOP(
            "CommandLine", "Les notes manquées reviennent plus souvent (avec --pupil ou --results)."))};
    QCommandLineOption notes{QStringLiteral("notes"),
                             app::commandLineText(QT_TRANSLATE_NOOP(
                                 "CommandLine", "Limite les exercices aux notes de LOW à HIGH (60-67, do3-sol3).")),
                             QStringLiteral("LOW-HIGH")};
    QCommandLineOption variant{
        QStringLiteral("variant"),
        app::commandLineText(QT_TRANSLATE_NOOP("CommandLine",
                                               "Ce que jouent les exercices : ear (à l'oreille), key=N (une "
                                               "armure, -4 à 4 bémols ou dièses ; key=new, une nouvelle à chaque "
                                               "exercice) ou phrase=N (N notes à lire à la suite, 4 à 8).")),
        QStringLiteral("VARIANT")};
    QCommandLineOption cClefs{QStringLiteral("c-clefs"),
                              app::commandLineText(QT_TRANSLATE_NOOP(
                                  "CommandLine", "Ajoute les clefs d'ut 3e et 4e ligne aux exercices 5 et 6."))};
    QCommandLineOption exportPupil{
        QStringLiteral("export-pupil"),
        app::commandLineText(
            QT_TRANSLATE_NOOP("CommandLine", "Écrit tout le dossier de l'élève NAME dans un fichier (--out FILE).")),
        QStringLiteral("NAME")};
    QCommandLineOption importFile{
        QStringLiteral("import"),
        app::commandLineText(QT_TRANSLATE_NOOP("CommandLine",
                                               "Ajoute à un élève les exercices du fichier FILE qu'il n'a pas "
                                               "encore (dossier exporté, ou résultats avec --pupil NAME).")),
        QStringLiteral("FILE")};
    QCommandLineOption pupilsWindow{
        QStringLiteral("pupils"),
        app::commandLineText(QT_TRANSLATE_NOOP("CommandLine",
                                               "Ouvre seule la fenêtre « Élèves » : la classe, les bilans, "
                                               "les réglages et les raccourcis des élèves."))};

    QList<QCommandLineOption> all() const
    {
        return {help,  version,    midiOut, listOut, midiIn,  listIn, results,     report,     out,
                pupil, listPupils, focus,   notes,   variant, cClefs, exportPupil, importFile, pupilsWindow};
    }
};

// Why the arguments cannot be read, or nothing.
using Fault = std::optional<QString>;

// An option that takes a value, followed by another of our options, was
// given no value: "--pupil --focus" names no pupil "--focus". --report
// alone may go without one (its files come after the options, or its
// pupils are named by --pupil), so that the options after it go in any
// order: it is given an empty value. A value that starts with "--" is still
// given as --pupil=--x.
Fault markEmptyValues(QStringList& args, const QList<QCommandLineOption>& all)
{
    QStringList names;
    for (const QCommandLineOption& option : all) {
        names += option.names();
    }
    const auto isOption = [&names](const QString& arg) {
        if (arg.size() == 2 && arg.startsWith(u'-')) {
            return names.contains(arg.mid(1));  // -h, -v
        }
        return arg.startsWith(QLatin1String("--")) && names.contains(arg.mid(2).section(u'=', 0, 0));
    };
    for (qsizetype i = 1; i + 1 < args.size(); ++i) {
        if (args[i] == QLatin1String("--")) {
            break;
        }
        if (!isOption(args[i + 1])) {
            continue;
        }
        if (args[i] == QLatin1String("--report")) {
            args[i] = QStringLiteral("--report=");
            continue;
        }
        for (const ValueOption& v : valueOptions) {
            if (args[i] == QLatin1String(v.option)) {
                return app::commandLineText(QT_TRANSLATE_NOOP("CommandLine", "%1 needs %2 before %3"))
                    .arg(args[i], app::commandLineText(v.value), args[i + 1]);
            }
        }
    }
    return std::nullopt;
}

Fault readMidi(const QCommandLineParser& parser, const OptionSet& opt, Options& o)
{
    if (parser.isSet(opt.midiOut)) {
        bool ok = false;
        const uint n = parser.value(opt.midiOut).toUInt(&ok);
        if (!ok || n > 255) {
            return app::commandLineText(QT_TRANSLATE_NOOP("CommandLine", "--midi-out takes a device number, not '%1'"))
                .arg(parser.value(opt.midiOut));
        }
        o.midiOut = n;
    }
    if (parser.isSet(opt.midiIn)) {
        o.midiIn = parser.value(opt.midiIn);
        static const QRegularExpression port(QStringLiteral("^(none|(\\d+):(\\d+))$"));
        const QRegularExpressionMatch m = port.match(o.midiIn);
        // ALSA sequencer clients and ports are numbered 0 to 255.
        constexpr int highestNumber = 255;
        if (!m.hasMatch()) {
            return app::commandLineText(
                       QT_TRANSLATE_NOOP("CommandLine", "--midi-in takes none or CLIENT:PORT, not '%1'"))
                .arg(o.midiIn);
        }
        if (o.midiIn != QLatin1String("none") &&
            (m.captured(2).size() > 3 || m.captured(3).size() > 3 || m.captured(2).toInt() > highestNumber ||
             m.captured(3).toInt() > highestNumber)) {
            return app::commandLineText(
                       QT_TRANSLATE_NOOP("CommandLine", "--midi-in takes a CLIENT:PORT of 0 to 255 each, not '%1'"))
                .arg(o.midiIn);
        }
    }
    return std::nullopt;
}

// The files named: --results, --report's and --out.
Fault checkFiles(const QCommandLineParser& parser, const OptionSet& opt, Options& o)
{
    o.resultsFile = QFile::encodeName(parser.value(opt.results)).toStdString();
    if (parser.isSet(opt.results) && o.resultsFile.empty()) {
        return app::commandLineText(QT_TRANSLATE_NOOP("CommandLine", "--results needs a file name"));
    }
    if (parser.isSet(opt.exportPupil)) {
        o.reportOut = QFile::encodeName(parser.value(opt.out)).toStdString();
        if (o.reportOut.empty()) {
            return app::commandLineText(QT_TRANSLATE_NOOP("CommandLine", "--export-pupil needs --out FILE"));
        }
        return std::nullopt;
    }
    if (parser.isSet(opt.out) && !parser.isSet(opt.report)) {
        return app::commandLineText(QT_TRANSLATE_NOOP("CommandLine", "--out goes with --report or --export-pupil"));
    }
    if (parser.isSet(opt.report) && parser.value(opt.report).isEmpty() && !parser.isSet(opt.pupil) &&
        parser.positionalArguments().isEmpty()) {
        return app::commandLineText(QT_TRANSLATE_NOOP("CommandLine", "--report needs a file name"));
    }
    if (parser.isSet(opt.out) && !progress::pictureFormatOf(QFile::encodeName(parser.value(opt.out)).toStdString())) {
        return app::commandLineText(
                   QT_TRANSLATE_NOOP("CommandLine", "--out takes a .png, .jpg, .jpeg or .pdf file, not '%1'"))
            .arg(parser.value(opt.out));
    }
    return std::nullopt;
}

// How many of the actions that go alone are asked for; the fault when they
// are more than one, or one of them goes with what only the window uses.
Fault checkActions(const QCommandLineParser& parser, const OptionSet& opt, int& actions)
{
    actions = (parser.isSet(opt.listOut) ? 1 : 0) + (parser.isSet(opt.listIn) ? 1 : 0) +
              (parser.isSet(opt.report) ? 1 : 0) + (parser.isSet(opt.listPupils) ? 1 : 0);
    const int moves = (parser.isSet(opt.exportPupil) ? 1 : 0) + (parser.isSet(opt.importFile) ? 1 : 0);
    if (moves > 0) {
        // Only the pupil to import into goes with them.
        const bool others = actions > 0 || moves > 1 || parser.isSet(opt.midiOut) || parser.isSet(opt.midiIn) ||
                            parser.isSet(opt.results) || parser.isSet(opt.focus) || parser.isSet(opt.notes) ||
                            (parser.isSet(opt.exportPupil) && parser.isSet(opt.pupil)) ||
                            parser.values(opt.pupil).size() > 1;
        if (others) {
            return app::commandLineText(QT_TRANSLATE_NOOP(
                "CommandLine", "--export-pupil NAME --out FILE and --import FILE [--pupil NAME] go alone"));
        }
        actions = 1;
        return std::nullopt;
    }
    if (actions > 1) {
        return app::commandLineText(
            QT_TRANSLATE_NOOP("CommandLine", "--list-midi-out, --list-midi-in, --list-pupils and --report go alone"));
    }
    // What the window uses means nothing to a list or a report.
    const bool runOptions = parser.isSet(opt.midiOut) || parser.isSet(opt.midiIn) || parser.isSet(opt.results);
    if (actions == 1 && runOptions) {
        const QString alone = parser.isSet(opt.listOut)      ? QStringLiteral("--list-midi-out")
                              : parser.isSet(opt.listIn)     ? QStringLiteral("--list-midi-in")
                              : parser.isSet(opt.listPupils) ? QStringLiteral("--list-pupils")
                                                             : QStringLiteral("--report");
        return app::commandLineText(
                   QT_TRANSLATE_NOOP("CommandLine", "%1 does not go with --midi-out, --midi-in or --results"))
            .arg(alone);
    }
    return std::nullopt;
}

// The pupils and the focus on weak notes.
Fault readPupils(const QCommandLineParser& parser, const OptionSet& opt, Options& o)
{
    for (const QString& name : parser.values(opt.pupil)) {
        // Accents typed either way are one name; spaces around it are no part of it.
        const QString clean = progress::cleanPupilName(name);
        if (clean.isEmpty()) {
            return app::commandLineText(QT_TRANSLATE_NOOP("CommandLine", "--pupil needs a name"));
        }
        o.pupils << clean;
    }
    if (o.pupils.size() > 1 && !parser.isSet(opt.report)) {
        return app::commandLineText(QT_TRANSLATE_NOOP("CommandLine", "several --pupil go with --report only"));
    }
    if (!o.pupils.isEmpty() && parser.isSet(opt.results)) {
        return app::commandLineText(
            QT_TRANSLATE_NOOP("CommandLine", "--pupil and --results both name the results file: give one"));
    }
    if (!o.pupils.isEmpty() &&
        (parser.isSet(opt.listOut) || parser.isSet(opt.listIn) || parser.isSet(opt.listPupils))) {
        return app::commandLineText(QT_TRANSLATE_NOOP("CommandLine", "--pupil goes with playing or with --report"));
    }
    o.focus = parser.isSet(opt.focus);
    if (o.focus && (parser.isSet(opt.report) || (o.pupils.isEmpty() && !parser.isSet(opt.results)))) {
        return app::commandLineText(
            QT_TRANSLATE_NOOP("CommandLine", "--focus goes with --pupil or --results, when playing"));
    }
    return std::nullopt;
}

Fault readNotes(const QString& value, Options& o)
{
    // Names of the desktop's language too, the window's: "C4-G4", "c1-g1".
    const keyboard::naming::Naming& naming = keyboard::naming::namingFor(app::desktopLanguage().toStdString());
    const exercise::NoteRangeRead read = exercise::readNoteRange(value.toStdString(), &naming);
    switch (read.fault) {
    case exercise::RangeFault::None:
        break;
    case exercise::RangeFault::OutOfRange:
        return app::commandLineText(
                   QT_TRANSLATE_NOOP("CommandLine",
                                     "--notes takes notes from 0 to 127 (do 0 is 24, sol 8 is 127), not '%1'"))
            .arg(value);
    case exercise::RangeFault::HighFirst:
        return app::commandLineText(
                   QT_TRANSLATE_NOOP("CommandLine", "--notes takes LOW-HIGH, the low note first, not '%1'"))
            .arg(value);
    case exercise::RangeFault::NotARange:
        return app::commandLineText(
                   QT_TRANSLATE_NOOP("CommandLine",
                                     "--notes takes LOW-HIGH, as 60-67 or do3-sol3, low first, not '%1'"))
            .arg(value);
    }
    o.noteRange = read.range;
    if (const int mode = exercise::modeLeftShort(*o.noteRange); mode != 0) {
        return app::commandLineText(
                   QT_TRANSLATE_NOOP(
                       "CommandLine",
                       "--notes %1 leaves exercise %2 with fewer than %3 notes: two would only take turns"))
            .arg(value)
            .arg(mode)
            .arg(exercise::fewestKeys == 3 ? app::commandLineText(QT_TRANSLATE_NOOP("CommandLine", "three"))
                                           : QString::number(exercise::fewestKeys));
    }
    return std::nullopt;
}

// --notes and --variant: what is played, so only when playing.
Fault readPractice(const QCommandLineParser& parser, const OptionSet& opt, bool notPlaying, Options& o)
{
    if (parser.isSet(opt.notes)) {
        if (notPlaying) {
            return app::commandLineText(QT_TRANSLATE_NOOP("CommandLine", "--notes goes with playing"));
        }
        if (Fault f = readNotes(parser.value(opt.notes), o)) {
            return f;
        }
    }
    if (parser.isSet(opt.cClefs)) {
        if (notPlaying) {
            return app::commandLineText(QT_TRANSLATE_NOOP("CommandLine", "--c-clefs goes with playing"));
        }
        o.cClefs = true;
    }
    if (!parser.isSet(opt.variant)) {
        return std::nullopt;
    }
    if (notPlaying) {
        return app::commandLineText(QT_TRANSLATE_NOOP("CommandLine", "--variant goes with playing"));
    }
    const QString value = parser.value(opt.variant);
    o.variant = exercise::parseVariant(value.toStdString());
    if (!o.variant) {
        return app::commandLineText(QT_TRANSLATE_NOOP("CommandLine",
                                                      "--variant takes ear, key, key=-4 to key=4, "
                                                      "key=new or phrase=4 to phrase=8, not '%1'"))
            .arg(value);
    }
    return std::nullopt;
}

Fault readReport(const QCommandLineParser& parser, const OptionSet& opt, Options& o)
{
    if (!parser.value(opt.report).isEmpty()) {
        o.reportFiles.push_back(QFile::encodeName(parser.value(opt.report)).toStdString());
    }
    for (const QString& file : parser.positionalArguments()) {
        o.reportFiles.push_back(QFile::encodeName(file).toStdString());
    }
    if (o.reportFiles.empty() && o.pupils.isEmpty()) {
        return app::commandLineText(QT_TRANSLATE_NOOP("CommandLine", "--report needs a file or --pupil NAME"));
    }
    return std::nullopt;
}

// What is done, once everything given is known to fit together.
void chooseAction(const QCommandLineParser& parser, const OptionSet& opt, Options& o)
{
    if (parser.isSet(opt.exportPupil)) {
        o.action = Options::Action::ExportPupil;
        o.exportPupil = progress::cleanPupilName(parser.value(opt.exportPupil));
    } else if (parser.isSet(opt.importFile)) {
        o.action = Options::Action::Import;
        o.importFile = QFile::encodeName(parser.value(opt.importFile)).toStdString();
    } else if (parser.isSet(opt.listOut)) {
        o.action = Options::Action::ListMidiOut;
    } else if (parser.isSet(opt.listIn)) {
        o.action = Options::Action::ListMidiIn;
    } else if (parser.isSet(opt.report)) {
        o.action = Options::Action::Report;
        o.reportFile = o.reportFiles.empty() ? std::string() : o.reportFiles.front();
        o.reportOut = QFile::encodeName(parser.value(opt.out)).toStdString();
    } else if (parser.isSet(opt.listPupils)) {
        o.action = Options::Action::ListPupils;
    }
}

}  // namespace

namespace {

// The parser's own complaint, in the desktop's language: Qt words it in
// English, as it is read before any application (and so any translation of
// Qt's) exists.
QString parserError(const QCommandLineParser& parser)
{
    const QStringList unknown = parser.unknownOptionNames();
    if (unknown.size() == 1) {
        return app::commandLineText(QT_TRANSLATE_NOOP("CommandLine", "Unknown option '%1'.")).arg(unknown.front());
    }
    if (unknown.size() > 1) {
        return app::commandLineText(QT_TRANSLATE_NOOP("CommandLine", "Unknown options: %1."))
            .arg(unknown.join(QStringLiteral(", ")));
    }
    static const QRegularExpression value(QStringLiteral("^(Missing|Unexpected) value after '(.*)'\\.$"));
    if (const QRegularExpressionMatch m = value.match(parser.errorText()); m.hasMatch()) {
        return (m.captured(1) == QLatin1String("Missing")
                    ? app::commandLineText(QT_TRANSLATE_NOOP("CommandLine", "Missing value after '%1'."))
                    : app::commandLineText(QT_TRANSLATE_NOOP("CommandLine", "Unexpected value after '%1'.")))
            .arg(m.captured(2));
    }
    return parser.errorText();
}

}  // namespace

Options parseOptions(const QStringList& arguments)
{
    const OptionSet opt;
    QCommandLineParser parser;
    parser.setApplicationDescription(
        app::commandLineText(QT_TRANSLATE_NOOP("CommandLine", "Tavelin Piano: piano et lecture de notes.")));
    parser.addOptions(opt.all());

    Options o;
    auto fail = [&o](const QString& why) {
        o.action = Options::Action::Exit;
        o.exitStatus = 2;
        o.message = app::commandLineText(QT_TRANSLATE_NOOP("CommandLine", "tavelin-piano: %1 (see --help)")).arg(why);
        return o;
    };
    QStringList args = arguments;
    if (const Fault f = markEmptyValues(args, opt.all())) {
        return fail(*f);
    }
    if (!parser.parse(args)) {
        return fail(parserError(parser));
    }
    // More files after --report's own are reported on together.
    if (!parser.positionalArguments().isEmpty() && !parser.isSet(opt.report)) {
        return fail(app::commandLineText(QT_TRANSLATE_NOOP("CommandLine", "unexpected argument '%1'"))
                        .arg(parser.positionalArguments().first()));
    }
    if (parser.isSet(opt.help)) {
        o.action = Options::Action::Exit;
        // The command line is read before any QCoreApplication exists (a
        // listing needs no display), and without one Qt's first line names
        // "<executable_name>": it gets the program's own name, as the error
        // lines do.
        o.message = parser.helpText();
        const qsizetype firstLineEnd = o.message.indexOf(u'\n');
        if (firstLineEnd > 0) {
            o.message.replace(0, firstLineEnd,
                              app::commandLineText(QT_TRANSLATE_NOOP("CommandLine", "Usage: tavelin-piano [options]")));
        }
        return o;
    }
    if (parser.isSet(opt.version)) {
        o.action = Options::Action::Exit;
        o.message = QString::fromLatin1(platform::programCaption);
        return o;
    }
    if (const Fault f = readMidi(parser, opt, o)) {
        return fail(*f);
    }
    if (const Fault f = checkFiles(parser, opt, o)) {
        return fail(*f);
    }
    if (parser.isSet(opt.pupilsWindow)) {
        // The window alone: nothing is played, so nothing else applies.
        if (parser.optionNames().size() > 1) {
            return fail(app::commandLineText(QT_TRANSLATE_NOOP("CommandLine", "--pupils goes alone")));
        }
        o.action = Options::Action::Pupils;
        return o;
    }
    int actions = 0;
    if (const Fault f = checkActions(parser, opt, actions)) {
        return fail(*f);
    }
    if (const Fault f = readPupils(parser, opt, o)) {
        return fail(*f);
    }
    if (const Fault f = readPractice(parser, opt, actions > 0, o)) {
        return fail(*f);
    }
    if (parser.isSet(opt.report)) {
        if (const Fault f = readReport(parser, opt, o)) {
            return fail(*f);
        }
    }
    chooseAction(parser, opt, o);
    return o;
}

namespace {

// An argument that does not come back whole from a QString (a name that is
// not valid in the locale's encoding) goes to the parser as a mark, its
// index and its lossy text, so that option names and extensions still read;
// what the parser hands back is then traded for the argument's own bytes.
constexpr QChar mark(u'\x01');

QString marked(int index, const QString& text)
{
    return mark + QString::number(index) + mark + text;
}

// The bytes behind a value, or the value itself.
std::string restored(const std::string& value, int argc, char** argv)
{
    if (value.empty() || value.front() != '\x01') {
        return value;
    }
    const std::size_t end = value.find('\x01', 1);
    const int index = std::atoi(value.substr(1, end - 1).c_str());
    if (end == std::string::npos || index <= 0 || index >= argc) {
        return value;
    }
    const std::string_view whole = argv[index];
    const std::size_t equals = whole.rfind("--", 0) == 0 ? whole.find('=') : std::string_view::npos;
    return std::string(equals == std::string_view::npos ? whole : whole.substr(equals + 1));
}

// A text for the user: the mark taken off.
QString unmarked(QString text)
{
    static const QRegularExpression marks(QStringLiteral("\x01[0-9]+\x01"));
    return text.remove(marks);
}

}  // namespace

Options parseOptions(int argc, char** argv)
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i) {
        const QString text = QFile::decodeName(argv[i]);
        if (i == 0 || QFile::encodeName(text) == QByteArray(argv[i])) {
            arguments << text;
            continue;
        }
        // --name=VALUE: the name as it is, the value marked.
        const qsizetype equals = text.startsWith(QStringLiteral("--")) ? text.indexOf(u'=') : -1;
        arguments << (equals < 0 ? marked(i, text) : text.left(equals + 1) + marked(i, text.mid(equals + 1)));
    }
    Options o = parseOptions(arguments);
    o.message = unmarked(o.message);
    if (o.action == Options::Action::Exit) {
        return o;
    }
    o.resultsFile = restored(o.resultsFile, argc, argv);
    for (std::string& file : o.reportFiles) {
        file = restored(file, argc, argv);
    }
    o.reportFile = restored(o.reportFile, argc, argv);
    o.reportOut = restored(o.reportOut, argc, argv);
    o.importFile = restored(o.importFile, argc, argv);
    // A name that is not valid UTF-8 keeps its own bytes, so that two such
    // names never become one.
    for (QString& name : o.pupils) {
        name = name.startsWith(mark)
                   ? progress::cleanPupilName(progress::pupilText(restored(name.toStdString(), argc, argv)))
                   : unmarked(name);
    }
    o.midiIn = unmarked(o.midiIn);
    return o;
}
