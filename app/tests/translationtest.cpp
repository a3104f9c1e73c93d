// The window's languages: which one the desktop's settings choose, that
// every caption of every language fits its control as the design draws it,
// and that French, C and the languages we do not have leave the window as it
// has always been, pixel for pixel.
#include "app/controltable.h"
#include "app/languagepictures.h"
#include "app/translation.h"
#include "picture/fonts.h"
#include "picture/notepicture.h"
#include "tests/support/formfixture.h"

#include <QFile>
#include <QLabel>
#include <QLibraryInfo>
#include <QProcess>
#include <QPushButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTemporaryDir>
#include <QTranslator>

#include <memory>

using testing_support::FormRig;

namespace {

const QStringList languages = {QStringLiteral("de"), QStringLiteral("en"), QStringLiteral("es"),
                               QStringLiteral("it"), QStringLiteral("nl"), QStringLiteral("pt")};

// A language's translation for the length of a test.
class Speaking {
public:
    explicit Speaking(const QString& language)
    {
        if (!language.isEmpty()) {
            EXPECT_TRUE(app::loadTranslation(m_translator, language)) << language.toStdString();
            QCoreApplication::installTranslator(&m_translator);
        }
    }
    ~Speaking() { QCoreApplication::removeTranslator(&m_translator); }
    Speaking(const Speaking&) = delete;
    Speaking& operator=(const Speaking&) = delete;

private:
    QTranslator m_translator;
};

TEST(Languages, AllAreBuiltIn)
{
    EXPECT_EQ(app::translatedLanguages(), languages);
}

TEST(Languages, TheFirstWantedThatWeHaveWinsUnlessFrenchOrNoneComesFirst)
{
    struct Case {
        QStringList wanted;
        const char* chosen;
    };
    const Case cases[] = {
        {{"de-DE", "de"}, "de"},  {{"en-GB"}, "en"},
        {{"pt-BR", "pt"}, "pt"},  {{"nl_BE.UTF-8"}, "nl"},
        {{"es@euro"}, "es"},      {{"ja-JP", "it-IT"}, "it"},  // the first one we have
        {{"fr-FR", "de-DE"}, ""},                              // French comes first: as written
        {{"fr-CA"}, ""},          {{"C"}, ""},
        {{"POSIX"}, ""},          {{"C", "de"}, ""},  // no language asked for
        {{"ja-JP", "ko"}, ""},    {{}, ""},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(app::chooseLanguage(c.wanted, languages), QString::fromLatin1(c.chosen))
            << c.wanted.join(u',').toStdString();
    }
}

// This test program again, with another environment, running the child
// test below: what it prints.
QString runChild(const QStringList& environment, const QString& shot = {})
{
    QProcess child;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"LANGUAGE", "LC_ALL", "LC_MESSAGES", "LANG"}) {
        env.remove(QString::fromLatin1(name));
    }
    for (const QString& setting : environment) {
        env.insert(setting.section(u'=', 0, 0), setting.section(u'=', 1));
    }
    env.insert(QStringLiteral("TAVELIN_LANGUAGE_CHILD"), shot.isEmpty() ? QStringLiteral("1") : shot);
    child.setProcessEnvironment(env);
    child.start(QCoreApplication::applicationFilePath(), {QStringLiteral("--gtest_filter=LanguageChild.*")});
    EXPECT_TRUE(child.waitForFinished(120000));
    EXPECT_EQ(child.exitCode(), 0) << child.readAllStandardError().toStdString();
    const QString out = QString::fromUtf8(child.readAllStandardOutput());
    if (environment == QStringList{QStringLiteral("LANG=de_DE.UTF-8")} &&
        QFile::exists(QLibraryInfo::path(QLibraryInfo::TranslationsPath) + QStringLiteral("/qtbase_de.qm"))) {
        EXPECT_TRUE(out.contains(QStringLiteral("qt=Abbrechen"))) << "Qt's own texts in German: " << out.toStdString();
    }
    const qsizetype at = out.indexOf(QLatin1String("language="));
    return at < 0 ? QStringLiteral("?") : out.mid(at + 9).section(u'\n', 0, 0).trimmed();
}

// In a child: the language the desktop's settings choose; with a file name,
// the window drawn in it.
TEST(LanguageChild, SaysTheChosenLanguage)
{
    const QString shot = qEnvironmentVariable("TAVELIN_LANGUAGE_CHILD");
    if (shot.isEmpty()) {
        GTEST_SKIP() << "run by the tests below";
    }
    const QString language = app::installTranslation(*QCoreApplication::instance());
    std::printf("qt=%s\n", QCoreApplication::translate("QPlatformTheme", "Cancel").toUtf8().constData());
    std::printf("language=%s\n", language.toUtf8().constData());
    if (shot != QLatin1String("1")) {
        FormRig rig;
        rig.startUp();
        ASSERT_TRUE(rig.form->grab().save(shot));
    }
}

TEST(Languages, FollowTheDesktopAsQtReadsIt)
{
    struct Case {
        QStringList environment;
        const char* chosen;
    };
    const Case cases[] = {
        {{"LANG=de_DE.UTF-8"}, "de"},
        {{"LANG=en_US.UTF-8"}, "en"},
        {{"LANG=pt_BR.UTF-8"}, "pt"},
        {{"LC_MESSAGES=nl_NL.UTF-8", "LANG=de_DE.UTF-8"}, "nl"},
        {{"LC_ALL=it_IT.UTF-8", "LC_MESSAGES=nl_NL.UTF-8", "LANG=de_DE.UTF-8"}, "it"},
        {{"LANGUAGE=es:de", "LANG=de_DE.UTF-8"}, "es"},
        {{"LANGUAGE=ja:de", "LANG=ja_JP.UTF-8"}, "de"},
        {{"LANGUAGE=fr:de", "LANG=de_DE.UTF-8"}, ""},
        {{"LANG=fr_FR.UTF-8"}, ""},
        {{"LANG=ja_JP.UTF-8"}, ""},
        {{"LANG=C.UTF-8"}, ""},
        {{"LANG=C"}, ""},
        {{"LANG=POSIX"}, ""},
        {{}, ""},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(runChild(c.environment), QString::fromLatin1(c.chosen)) << c.environment.join(u' ').toStdString();
    }
}

TEST(Languages, FrenchNoneAndUnknownLeaveTheWindowAsDesigned)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QImage designed = [] {
        FormRig rig;
        rig.startUp();
        return rig.form->grab().toImage();
    }();
    ASSERT_FALSE(designed.isNull());
    struct Case {
        const char* lang;
        bool same;
    };
    const Case cases[] = {
        {"fr_FR.UTF-8", true},  {"C", true}, {"POSIX", true}, {"ja_JP.UTF-8", true},
        {"de_DE.UTF-8", false},  // the comparison sees a change
    };
    for (const Case& c : cases) {
        const QString shot = dir.filePath(QStringLiteral("%1.png").arg(QString::fromLatin1(c.lang)));
        runChild({QStringLiteral("LANG=%1").arg(QString::fromLatin1(c.lang))}, shot);
        const QImage image(shot);
        ASSERT_FALSE(image.isNull()) << c.lang;
        EXPECT_EQ(image.size(), designed.size()) << c.lang;
        EXPECT_EQ(image.convertToFormat(designed.format()) == designed, c.same) << c.lang;
    }
}

// Where a button draws its caption (app/controls.cpp): the style's contents
// rectangle, a pixel narrower each side.
QRect captionArea(QPushButton* button)
{
    QStyleOptionButton option;
    option.initFrom(button);
    option.text = button->text();
    return button->style()->subElementRect(QStyle::SE_PushButtonContents, &option, button).adjusted(1, 0, -1, 0);
}

// Every caption a button shows, in either state, wrapped at words as the
// button wraps it, inside its caption area: one line where the button's
// height has room for one, two in the note-name button.
void expectButtonsFit(Form1& form, const QString& language)
{
    for (const app::ControlRow& row : app::controls()) {
        if (row.kind != app::ControlKind::Button) {
            continue;
        }
        auto* button = form.findChild<QPushButton*>(QString::fromLatin1(row.name));
        ASSERT_NE(button, nullptr) << row.name;
        const QRect area = captionArea(button);
        for (const char* caption : {row.caption, row.otherCaption}) {
            if (caption == nullptr) {
                continue;
            }
            const QString text = app::controlText(caption);
            const QRect needed = button->fontMetrics().boundingRect(area, Qt::AlignCenter | Qt::TextWordWrap, text);
            EXPECT_TRUE(area.contains(needed))
                << language.toStdString() << " " << row.name << " \"" << text.toStdString() << "\" needs "
                << needed.width() << "x" << needed.height() << " in " << area.width() << "x" << area.height();
            EXPECT_EQ(button->font().pixelSize(), row.font.points > 8.5 ? 12 : 11) << row.name;
        }
    }
}

// Every label, with the longest caption it takes, clear of every other
// control it could cover and inside the window.
void expectLabelsFit(Form1& form, const QString& language)
{
    const std::pair<QLabel*, QString> longest[] = {
        {form.Label3, Form1::tr("Note : %1").arg(50)},
        {form.label1, Form1::tr("Vitesse : %1").arg(5)},
        {form.Label2(0), app::controlText(app::control("Label2(0)")->caption)},
        {form.Label2(1), app::controlText(app::control("Label2(1)")->caption)},
        {form.Label4, app::controlText(app::control("Label4")->caption)},
    };
    for (const auto& [label, text] : longest) {
        setCaption(label, text);
        for (QWidget* other : form.findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly)) {
            const QString name = other->objectName();
            if (other == label || name == QLatin1String("Picture4") || name == QLatin1String("Picture6") ||
                name == QLatin1String("Picture7")) {
                continue;  // the start-up picture, gone then, and what lies under the note panel
            }
            EXPECT_FALSE(label->geometry().intersects(other->geometry()))
                << language.toStdString() << " " << label->objectName().toStdString() << " \"" << text.toStdString()
                << "\" covers " << name.toStdString();
        }
        EXPECT_TRUE(form.rect().contains(label->geometry())) << label->objectName().toStdString();
    }
}

// The note panel's messages in a language: what lies outside the room the
// words have (4 px at each side) is the wordless picture's.
bool wordsFitThePanel(const QImage& worded, const QImage& wordless)
{
    constexpr int edge = 4;
    for (int y = 0; y < worded.height(); ++y) {
        for (int x = 0; x < worded.width(); ++x) {
            if ((x < edge || x >= worded.width() - edge) && worded.pixel(x, y) != wordless.pixel(x, y)) {
                return false;
            }
        }
    }
    return true;
}

TEST(Languages, TheNotePanelsMessagesFitThePanel)
{
    QString error;
    ASSERT_TRUE(art::fonts::load(&error)) << error.toStdString();
    const art::PanelWords none{{}, {}, {}, {}, {}, {}, {}, {}};
    // The test can fail: a caption too long for the panel runs off its edges.
    art::PanelWords tooLong;
    tooLong.welcome = QStringLiteral("Herzlich willkommen bei uns");
    EXPECT_FALSE(wordsFitThePanel(art::welcomePicture(1, tooLong), art::welcomePicture(1, none)));
    for (const QString& language : languages) {
        Speaking speaking(language);
        const art::PanelWords words = app::panelWords();
        ASSERT_NE(words.welcome, art::PanelWords().welcome) << language.toStdString();
        EXPECT_TRUE(wordsFitThePanel(art::startPicture(50, 1, words), art::startPicture(50, 1, none)))
            << language.toStdString() << ": " << words.ready.toStdString() << ", " << words.firstNote.toStdString();
        EXPECT_TRUE(wordsFitThePanel(art::endPicture(1, words), art::endPicture(1, none)))
            << language.toStdString() << ": " << words.done.toStdString() << ", " << words.bravo.toStdString();
        const QImage paper = art::notepicture::paper(1);
        const QString question =
            QCoreApplication::translate("Pictures", "Quelle est cette note\u202F?", "along the foot of every note");
        EXPECT_TRUE(
            wordsFitThePanel(art::notepicture::render(art::Clef::Treble, 60, art::Accidental::None, paper, question),
                             art::notepicture::render(art::Clef::Treble, 60, art::Accidental::None, paper, QString())))
            << language.toStdString() << ": " << question.toStdString();
        EXPECT_TRUE(wordsFitThePanel(art::welcomePicture(1, words), art::welcomePicture(1, none)))
            << language.toStdString() << ": " << words.welcome.toStdString() << ", " << words.choose.toStdString();
    }
}

TEST(Languages, EveryCaptionFitsItsControlAndTheWindowKeepsItsSize)
{
    QSize designed;
    {
        FormRig rig;
        designed = rig.form->size();
        expectButtonsFit(*rig.form, QStringLiteral("fr"));
        expectLabelsFit(*rig.form, QStringLiteral("fr"));
    }
    for (const QString& language : languages) {
        Speaking speaking(language);
        FormRig rig;
        ASSERT_NE(rig.form->m(1)->text(), QStringLiteral("Clef de sol")) << language.toStdString();
        EXPECT_EQ(rig.form->size(), designed) << language.toStdString();
        expectButtonsFit(*rig.form, language);
        expectLabelsFit(*rig.form, language);
        EXPECT_EQ(rig.form->windowTitle(), QStringLiteral("Tavelin Piano 3.03"));
        EXPECT_EQ(rig.form->Check1->text(), QStringLiteral("出现音符时发音"));
    }
}

}  // namespace

namespace {

// The pictures with words and names: the design's files in French, drawn in
// the window's language otherwise; the keys named as the language names them.
TEST(Languages, PicturesAndKeyNamesSpeakTheWindowsLanguage)
{
    struct Case {
        const char* language;
        const char* key61;   // what a screen reader says of C sharp 4
        bool drawn;          // pictures drawn in the files' stead
        bool ownBlackNames;  // Cis rather than a C beside a sharp sign
    };
    const Case cases[] = {
        {"", "do dièse 3", false, false},
        {"en", "C sharp 4", true, false},
        {"it", "do diesis 3", true, false},
        {"es", "do sostenido 3", true, false},
        {"pt", "dó sustenido 3", true, false},
        {"de", "cis1", true, true},
        {"nl", "cis1", true, true},
    };
    for (const Case& c : cases) {
        Speaking speaking(QString::fromLatin1(c.language));
        FormRig rig;
        rig.startUp();
        EXPECT_EQ(rig.form->kkey(61)->accessibleName(), QString::fromUtf8(c.key61)) << c.language;
        const app::LanguagePictures pictures(app::noteNaming(), 1);
        EXPECT_EQ(pictures.instead(QStringLiteral("001s.jpg")).has_value(), c.drawn) << c.language;
        EXPECT_EQ(pictures.instead(QStringLiteral("tvl.tv")).has_value(), false) << c.language;
        EXPECT_EQ(pictures.blackKeyName(61, keyboard::pitch::Accidental::Sharp).has_value(), c.ownBlackNames)
            << c.language;
        EXPECT_FALSE(pictures.blackKeyName(60, keyboard::pitch::Accidental::None).has_value()) << c.language;
        // What the window shows is what it drew, or the file.
        const QImage welcome = rig.form->Picture1->picture().toImage();
        const QImage file(QCoreApplication::applicationDirPath() + QStringLiteral("/picture/001s.jpg"));
        EXPECT_EQ(welcome.convertToFormat(QImage::Format_RGB32) == file.convertToFormat(QImage::Format_RGB32), !c.drawn)
            << c.language;
    }
}

}  // namespace

namespace {

// The program's answers on the command line, under a desktop's language.
QString programSays(const QString& lang, const QStringList& arguments)
{
    QProcess program;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"LANGUAGE", "LC_ALL", "LC_MESSAGES"}) {
        env.remove(QString::fromLatin1(name));
    }
    env.insert(QStringLiteral("LANG"), lang);
    program.setProcessEnvironment(env);
    program.start(QCoreApplication::applicationDirPath() + QStringLiteral("/tavelin-piano"), arguments);
    EXPECT_TRUE(program.waitForFinished(60000));
    return QString::fromUtf8(program.readAllStandardOutput() + program.readAllStandardError());
}

TEST(Languages, TheCommandLineSpeaksTheDesktopsLanguage)
{
    struct Case {
        const char* lang;
        QStringList arguments;
        const char* says;
    };
    const Case cases[] = {
        {"C.UTF-8", {"--help"}, "Affiche cette aide."},
        {"fr_FR.UTF-8", {"--help"}, "Affiche cette aide."},
        {"ja_JP.UTF-8", {"--help"}, "Usage: tavelin-piano [options]"},
        {"de_DE.UTF-8", {"--help"}, "Zeigt diese Hilfe."},
        {"es_ES.UTF-8", {"--help"}, "Uso: tavelin-piano [opciones]"},
        {"en_GB.UTF-8", {"--help"}, "HIGH (60-67, C4-G4)."},
        {"C.UTF-8", {"--out", "x.png"}, "tavelin-piano: --out goes with --report or --export-pupil (see --help)"},
        {"de_DE.UTF-8",
         {"--out", "x.png"},
         "tavelin-piano: --out gehört zu --report oder --export-pupil (siehe --help)"},
        {"it_IT.UTF-8", {"--notes", "sol3-do3"}, "prima la nota bassa"},
        // The language's note names are read (the range is then too short
        // for the exercises); French reads no letter names.
        {"de_DE.UTF-8", {"--notes", "c1-d1"}, "weniger als drei Noten"},
        {"en_US.UTF-8", {"--notes", "C4-D4"}, "fewer than three notes"},
        {"C.UTF-8", {"--notes", "c1-d1"}, "as 60-67 or do3-sol3"},
        // Qt's parser is answered in the language too, and so are the lines
        // of the files read before any window; French and C keep them as
        // they were written.
        {"C.UTF-8", {"--nonsense"}, "tavelin-piano: Unknown option 'nonsense'. (see --help)"},
        {"de_DE.UTF-8", {"--nonsense"}, "tavelin-piano: Unbekannte Option „nonsense“. (siehe --help)"},
        {"de_DE.UTF-8", {"--report", "/dev/null"}, "tavelin-piano: „/dev/null“ ist ein Gerät, keine Ergebnisdatei"},
        {"fr_FR.UTF-8", {"--report", "/dev/null"}, "tavelin-piano: '/dev/null' is a device, not a results file"},
        {"es_ES.UTF-8", {"--import", "/nonexistent"}, "«/nonexistent»"},
        {"es_ES.UTF-8", {"--import", "/nonexistent"}, "; no se ha importado nada"},
        {"C.UTF-8", {"--import", "/nonexistent"}, "tavelin-piano: cannot read '/nonexistent': "},
    };
    for (const Case& c : cases) {
        const QString said = programSays(QString::fromLatin1(c.lang), c.arguments);
        EXPECT_TRUE(said.contains(QString::fromUtf8(c.says))) << c.lang << ": " << said.toStdString();
    }
}

// The summary --report prints and the class report's lines, with the pages
// beside them, speak the desktop's language too: its words, its note and
// clef names, its dates and numbers; French and C print what they always did.
TEST(Languages, TheReportSpeaksTheDesktopsLanguage)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString sample = QStringLiteral(TAVELIN_SOURCE_DIR "/docs/sample-results.csv");
    const QString pupil = dir.filePath(QStringLiteral("Anna.csv"));
    const QString other = dir.filePath(QStringLiteral("Ben.csv"));
    ASSERT_TRUE(QFile::copy(sample, pupil));
    ASSERT_TRUE(QFile::copy(sample, other));
    struct Case {
        const char* lang;
        QStringList says;
        QStringList never;  // French left in a translated text
    };
    const Case cases[] = {
        {"C.UTF-8",
         {"Bilan de PUPIL", "20 séances du 02/09/2024 au 04/10/2024 : 976 notes, 633 justes (65\u00a0%).",
          "(+2,0 points par séance)", "1. sol dièse 2, clef de sol : 0 juste sur 3", "Image : "},
         {}},
        {"fr_FR.UTF-8", {"Bilan de PUPIL", "Temps de réponse médian : 2,4\u00a0s sur les 4 premières séances"}, {}},
        {"de_DE.UTF-8",
         {"Auswertung von PUPIL", "20 Übungseinheiten vom 02.09.2024 bis 04.10.2024: 976 Noten, 633 richtig",
          "(+2,0 Punkte pro Einheit)", "1. gis, Violinschlüssel: 0 richtig von 3", "häufigster Fehler: Oktave (1-mal)",
          "Bild: "},
         {"séance", "clef", "Bilan", " : "}},
        {"en_GB.UTF-8",
         {"Report on PUPIL", "20 sessions from 2 Sep 2024 to 4 Oct 2024: 976 notes, 633 right",
          "(+2.0 points per session)", "1. G sharp 3, treble clef: 0 right out of 3", "(1 time)", "(6 times)"},
         {"séance", "clef de", "Bilan", " : ", "2,4"}},
        {"it_IT.UTF-8",
         {"Resoconto di PUPIL", "20 lezioni dal 02/09/2024 al 04/10/2024", "chiave di violino"},
         {"séance", "clef", " : "}},
    };
    for (const Case& c : cases) {
        const QString said = programSays(
            QString::fromLatin1(c.lang),
            {QStringLiteral("--report"), pupil, QStringLiteral("--out"), dir.filePath(QStringLiteral("report.png"))});
        for (QString words : c.says) {
            words.replace(QStringLiteral("PUPIL"), pupil);
            EXPECT_TRUE(said.contains(words)) << c.lang << " lacks \"" << words.toStdString() << "\" in:\n"
                                              << said.toStdString();
        }
        for (const QString& words : c.never) {
            EXPECT_FALSE(said.contains(words)) << c.lang << " still says \"" << words.toStdString() << "\" in:\n"
                                               << said.toStdString();
        }
    }

    // The class report's lines: one pupil, then its PDF.
    const QString classPdf = dir.filePath(QStringLiteral("class.pdf"));
    const QString english = programSays(QStringLiteral("en_GB.UTF-8"),
                                        {QStringLiteral("--report"), pupil, other, QStringLiteral("--out"), classPdf});
    EXPECT_TRUE(english.contains(QStringLiteral("Class report: 2 pupils"))) << english.toStdString();
    EXPECT_TRUE(
        english.contains(QStringLiteral("  Anna: 20 sessions, 976 notes, 65\u00a0% right, 2.0\u00a0s, to work on: "
                                        "G sharp 3 in the treble clef")))
        << english.toStdString();
    EXPECT_TRUE(english.contains(QStringLiteral("PDF: ") + classPdf)) << english.toStdString();
    const QString french = programSays(QStringLiteral("C.UTF-8"),
                                       {QStringLiteral("--report"), pupil, other, QStringLiteral("--out"), classPdf});
    EXPECT_TRUE(
        french.contains(QStringLiteral("  Anna : 20 séances, 976 notes, 65\u00a0% justes, 2,0\u00a0s, à travailler : "
                                       "sol dièse 2 en clef de sol")))
        << french.toStdString();
}

}  // namespace
