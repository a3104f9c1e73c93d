// No text a user sees bypasses the translation. The windows are built under
// a test translation whose every text is its source between ⟦ and ⟧; then
// every text of their widgets (captions, tooltips, titles, headers, items,
// the help's text) and of their accessibility tree (names and descriptions)
// is searched for words outside the marks.
#include "app/helpwindow.h"
#include "app/pupilswindow.h"
#include "keyboard/notenaming.h"
#include "platform/files.h"
#include "platform/messages.h"
#include "platform/pictures.h"
#include "progress/pupilfolder.h"
#include "progress/pupils.h"
#include "progress/report.h"
#include "progress/results.h"
#include "progress/transfer.h"
#include "sound/fluidsynthoutput.h"
#include "tests/support/formfixture.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QComboBox>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTextBrowser>
#include <QTranslator>

#include <filesystem>
#include <fstream>

namespace {

// What may stand outside the marks: the design's texts that stay in every
// language, the keys' names (F1 to F12), numbers and punctuation.
const QStringList fixedTexts = {QStringLiteral("Tavelin Piano 3.03"), QStringLiteral("出现音符时发音")};

// The words of a text that no translation marked; empty when there are none.
QString unmarked(QString text)
{
    // Innermost first: a marked text can hold another one as its argument.
    static const QRegularExpression marked(QStringLiteral("\u27e6[^\u27e6\u27e7]*\u27e7"));
    while (text.contains(marked)) {
        text.remove(marked);
    }
    for (const QString& fixed : fixedTexts) {
        text.remove(fixed);
    }
    static const QRegularExpression keyName(QStringLiteral("\\bF\\d{1,2}\\b"));
    text.remove(keyName);
    static const QRegularExpression letter(QStringLiteral("\\p{L}"));
    return text.contains(letter) ? text.trimmed() : QString();
}

// A key's name, which the language's naming gives rather than a translation.
bool isNoteName(const QString& text)
{
    return keyboard::naming::parseNoteName(text.toStdString(), keyboard::naming::namingFor("fr")).has_value();
}

// Every text a widget shows or tells, with where it was found.
void widgetTexts(QWidget* w, QList<std::pair<QString, QString>>& out)
{
    const QString where = QString::fromLatin1(w->metaObject()->className()) + u' ' + w->objectName();
    const auto add = [&](const QString& what, const QString& text) {
        if (!text.isEmpty()) {
            out.push_back({where + u' ' + what, text});
        }
    };
    add(QStringLiteral("tooltip"), w->toolTip());
    add(QStringLiteral("title"), w->isWindow() ? w->windowTitle() : QString());
    add(QStringLiteral("accessible name"), w->accessibleName());
    add(QStringLiteral("accessible description"), w->accessibleDescription());
    if (auto* b = qobject_cast<QAbstractButton*>(w)) {
        add(QStringLiteral("caption"), b->text());
    } else if (auto* l = qobject_cast<QLabel*>(w)) {
        add(QStringLiteral("text"), l->text());
    } else if (auto* e = qobject_cast<QLineEdit*>(w)) {
        add(QStringLiteral("text"), e->text());
        add(QStringLiteral("placeholder"), e->placeholderText());
    } else if (auto* g = qobject_cast<QGroupBox*>(w)) {
        add(QStringLiteral("title"), g->title());
    } else if (auto* t = qobject_cast<QTextBrowser*>(w)) {
        add(QStringLiteral("text"), t->toPlainText());
    } else if (auto* p = qobject_cast<QProgressBar*>(w)) {
        add(QStringLiteral("text"), p->text());
    } else if (auto* c = qobject_cast<QComboBox*>(w)) {
        for (int i = 0; i < c->count(); ++i) {
            add(QStringLiteral("item"), c->itemText(i));
        }
    } else if (auto* h = qobject_cast<QHeaderView*>(w); h != nullptr && h->model() != nullptr) {
        for (int i = 0; i < h->count(); ++i) {
            add(QStringLiteral("header"), h->model()->headerData(i, h->orientation()).toString());
        }
    }
}

// Every name and description in a window's accessibility tree.
void accessibleTexts(QAccessibleInterface* node, QList<std::pair<QString, QString>>& out, int depth = 0)
{
    if (node == nullptr || !node->isValid() || depth > 12) {
        return;
    }
    const QString where = QStringLiteral("accessible %1 of %2")
                              .arg(node->role())
                              .arg(node->object() ? node->object()->objectName() : QString());
    for (const QAccessible::Text kind : {QAccessible::Name, QAccessible::Description}) {
        const QString text = node->text(kind);
        if (!text.isEmpty()) {
            out.push_back({where, text});
        }
    }
    for (int i = 0; i < node->childCount(); ++i) {
        accessibleTexts(node->child(i), out, depth + 1);
    }
}

// The texts of a window and its children that carry a word no translation marked.
QStringList untranslated(QWidget* window)
{
    QList<std::pair<QString, QString>> texts;
    widgetTexts(window, texts);
    for (QWidget* w : window->findChildren<QWidget*>()) {
        widgetTexts(w, texts);
    }
    accessibleTexts(QAccessible::queryAccessibleInterface(window), texts);
    QStringList found;
    for (const auto& [where, text] : texts) {
        if (const QString rest = unmarked(text); !rest.isEmpty() && !isNoteName(text)) {
            found << where + QStringLiteral(": \"") + text + u'"';
        }
    }
    found.removeDuplicates();
    return found;
}

class Marked : public testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_translator.load(QStringLiteral(TAVELIN_PSEUDO_QM)));
        QCoreApplication::installTranslator(&m_translator);
    }
    void TearDown() override { QCoreApplication::removeTranslator(&m_translator); }

private:
    QTranslator m_translator;
};

TEST(Unmarked, FindsAWordLeftOutsideTheMarks)
{
    EXPECT_EQ(unmarked(QStringLiteral("\u27e6Aide\u27e7 : F1 \u00b7 \u27e6\u00c9l\u00e8ves\u27e7 : F11")), QString());
    EXPECT_EQ(unmarked(QStringLiteral("\u27e6Commencer \u00ab \u27e6Clef de sol\u27e7 \u00bb\u27e7")), QString());
    EXPECT_EQ(unmarked(QStringLiteral("Tavelin Piano 3.03")), QString());
    EXPECT_EQ(unmarked(QStringLiteral("\u27e6Note : 3\u27e7 de plus")), QStringLiteral("de plus"));
    EXPECT_EQ(unmarked(QStringLiteral("Vitesse : 3")), QStringLiteral("Vitesse : 3"));
}

TEST_F(Marked, TheMainWindowAndItsHelpShowOnlyTranslatedTexts)
{
    testing_support::FormRig rig;
    rig.startUp();
    ASSERT_TRUE(rig.form->m(1)->text().startsWith(u'\u27e6')) << "the test translation is not in use";
    rig.form->showHelp();
    QCoreApplication::processEvents();
    EXPECT_EQ(untranslated(rig.form.get()), QStringList());
    ASSERT_NE(rig.form->helpWindow(), nullptr);
    EXPECT_EQ(untranslated(rig.form->helpWindow()), QStringList());
}

TEST_F(Marked, ThePupilsWindowShowsOnlyTranslatedTexts)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    PupilsWindowServices services;
    services.folder = std::filesystem::path(dir.path().toStdString()) / "pupils";
    std::filesystem::create_directories(services.folder);
    services.applications = std::filesystem::path(dir.path().toStdString()) / "applications";
    services.program = QStringLiteral("/usr/bin/tavelin-piano");
    PupilsWindow window(services, nullptr);
    window.show();
    QCoreApplication::processEvents();
    EXPECT_EQ(untranslated(&window), QStringList());
}

// The error and warning lines, from every folder that says one: the words
// of each are the translation's, whatever is filled in (a file's name, the
// system's reason) standing inside the marks of its sentence.
TEST_F(Marked, TheErrorLinesOfEveryFolderAreTranslated)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const std::filesystem::path root(dir.path().toStdString());
    const std::string missing = (root / "missing" / "x.csv").string();
    QStringList lines;
    const auto add = [&lines](const std::string& line) { lines << QString::fromStdString(line); };

    add(platform::ReadOnlyFile(missing).why());
    add(platform::ReadOnlyFile(root.string()).why());
    platform::PictureLoader pictures([&lines](const QString& line) {
        lines << (line.startsWith(QStringLiteral("tavelin-piano: ")) ? line.mid(15)
                                                                     : QStringLiteral("unprefixed ") + line);
    });
    pictures.load(QString::fromStdString(missing));

    sound::SynthConfig config;
    config.soundFont = missing;
    std::unique_ptr<sound::FluidSynthOutput> synth;
    std::string why;
    sound::FluidSynthOutput::open(config, synth, &why);
    add(why);

    add(progress::ResultsFile(root.string()).append("row\n"));
    add(progress::readReport({{}, {"/dev/null"}}, {}).error);
    progress::pupilFileName("", &why);
    add(why);
    add(progress::pupilfolder::nameProblem(""));
    const std::filesystem::path broken = root / "broken.txt";
    std::ofstream(broken) << "not a pupil's file\n";
    progress::transfer::Imported imported;
    add(progress::transfer::importFile(root / "pupils", broken.string(), "Léa", {"0123456789abcdef", "here"},
                                       &imported));
    add(platform::counted(
        QT_TRANSLATE_N_NOOP("Messages", "%n row(s) of results could not be written to '%1' and are lost"), 3,
        {missing}));

    ASSERT_EQ(lines.size(), 10) << lines.join(u'\n').toStdString();
    for (const QString& line : lines) {
        EXPECT_FALSE(line.isEmpty());
        EXPECT_TRUE(line.startsWith(u'\u27e6')) << line.toStdString();
        EXPECT_EQ(unmarked(line), QString()) << line.toStdString();
    }
}

}  // namespace
