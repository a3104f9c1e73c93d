#include "app/options.h"

#include <QCommandLineParser>
#include <QRegularExpression>

Options parseOptions(const QStringList& arguments)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Tavelin Piano: piano et lecture de notes."));
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")}, QStringLiteral("Affiche cette aide."));
    const QCommandLineOption version({QStringLiteral("v"), QStringLiteral("version")},
                                     QStringLiteral("Affiche la version."));
    const QCommandLineOption midiOut(QStringLiteral("midi-out"),
                                     QStringLiteral("Joue par la sortie MIDI N (0 : le synthétiseur intégré)."),
                                     QStringLiteral("N"));
    const QCommandLineOption listOut(QStringLiteral("list-midi-out"), QStringLiteral("Liste les sorties MIDI."));
    const QCommandLineOption midiIn(QStringLiteral("midi-in"),
                                    QStringLiteral("Clavier MIDI : none, ou CLIENT:PORT (par défaut : tous)."),
                                    QStringLiteral("none|CLIENT:PORT"));
    const QCommandLineOption listIn(QStringLiteral("list-midi-in"), QStringLiteral("Liste les claviers MIDI."));
    const QCommandLineOption results(QStringLiteral("results"),
                                     QStringLiteral("Ajoute le résultat de chaque note au fichier CSV FILE."),
                                     QStringLiteral("FILE"));
    const QCommandLineOption report(QStringLiteral("report"),
                                    QStringLiteral("Fait le bilan du fichier de résultats FILE, sans fenêtre."),
                                    QStringLiteral("FILE"));
    const QCommandLineOption out(QStringLiteral("out"), QStringLiteral("Image du bilan (par défaut : report.png)."),
                                 QStringLiteral("PNG"));
    parser.addOptions({help, version, midiOut, listOut, midiIn, listIn, results, report, out});

    Options o;
    auto fail = [&o](const QString& why) {
        o.action = Options::Action::Exit;
        o.exitStatus = 2;
        o.message = QStringLiteral("tavelin-piano: %1 (see --help)").arg(why);
        return o;
    };
    if (!parser.parse(arguments)) {
        return fail(parser.errorText());
    }
    if (!parser.positionalArguments().isEmpty()) {
        return fail(QStringLiteral("unexpected argument '%1'").arg(parser.positionalArguments().first()));
    }
    if (parser.isSet(help)) {
        o.action = Options::Action::Exit;
        o.message = parser.helpText();
        return o;
    }
    if (parser.isSet(version)) {
        o.action = Options::Action::Exit;
        o.message = QStringLiteral("Tavelin Piano 3.03");
        return o;
    }
    if (parser.isSet(midiOut)) {
        bool ok = false;
        const uint n = parser.value(midiOut).toUInt(&ok);
        if (!ok || n > 255) {
            return fail(QStringLiteral("--midi-out takes a device number, not '%1'").arg(parser.value(midiOut)));
        }
        o.midiOut = n;
    }
    if (parser.isSet(midiIn)) {
        o.midiIn = parser.value(midiIn);
        static const QRegularExpression port(QStringLiteral("^(none|\\d+:\\d+)$"));
        if (!port.match(o.midiIn).hasMatch()) {
            return fail(QStringLiteral("--midi-in takes none or CLIENT:PORT, not '%1'").arg(o.midiIn));
        }
    }
    o.resultsFile = parser.value(results);
    if (parser.isSet(results) && o.resultsFile.isEmpty()) {
        return fail(QStringLiteral("--results needs a file name"));
    }
    if (parser.isSet(out) && !parser.isSet(report)) {
        return fail(QStringLiteral("--out goes with --report"));
    }
    const int actions = (parser.isSet(listOut) ? 1 : 0) + (parser.isSet(listIn) ? 1 : 0) + (parser.isSet(report) ? 1 : 0);
    if (actions > 1) {
        return fail(QStringLiteral("--list-midi-out, --list-midi-in and --report go alone"));
    }
    if (parser.isSet(listOut)) {
        o.action = Options::Action::ListMidiOut;
    } else if (parser.isSet(listIn)) {
        o.action = Options::Action::ListMidiIn;
    } else if (parser.isSet(report)) {
        o.action = Options::Action::Report;
        o.reportFile = parser.value(report);
        o.reportOut = parser.value(out);
    }
    return o;
}
