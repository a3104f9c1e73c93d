#include "app/helpwindow.h"

#include "app/controltable.h"
#include "app/translation.h"

#include "app/languagepictures.h"
#include "keyboard/keymappicture.h"
#include "keyboard/notenaming.h"
#include "platform/version.h"

#include <QGuiApplication>
#include <QHBoxLayout>
#include <QInputMethod>
#include <QImage>
#include <QLabel>
#include <QPushButton>
#include <QShortcut>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

namespace {

constexpr int widthPx = 720;
constexpr int heightPx = 640;
constexpr int mapWidthPx = 660;  // the map picture, scaled to sit in the text

QString utf8(const char* text)
{
    return app::controlText(text);
}

QString caption(const char* control)
{
    return utf8(app::control(control)->caption);
}

// The words of the keyboard map, and its notes named in the window's
// language; in French, the map as designed.
keyboard::MapWords mapWords()
{
    keyboard::MapWords words;
    const keyboard::naming::Naming& naming = app::noteNaming();
    if (naming.language == keyboard::naming::namingFor("fr").language) {
        return words;
    }
    words.title = HelpWindow::tr("Jouer au clavier de l'ordinateur");
    words.legend = HelpWindow::tr(
        "En grand : la touche d'un clavier %1 ; en petit : la même touche en %2. "
        "En bas : la note et son numéro MIDI (60 = do du milieu), sans décalage d'octave. "
        "Touches grises : aucune note.");
    // As the French map writes them: capitalised, a black key as a sharp ("Do#", "C#", "Cis").
    words.noteName = [&naming](int note) {
        QString name =
            QString::fromStdString(keyboard::naming::pitchName(note, keyboard::pitch::Accidental::Sharp, naming));
        name[0] = name[0].toUpper();
        return keyboard::pitch::isBlackKey(note) && keyboard::naming::signBesideName(naming) ? name + u'#' : name;
    };
    return words;
}

// The keys and what each does, in the order of the shortcuts.
QString shortcutRows()
{
    QString rows;
    for (const app::ControlRow* s : app::shortcuts()) {
        QString what = utf8(s->help);
        if (what.contains(QLatin1String("%1"))) {
            what = what.arg(utf8(app::spokenName(*s)));
        }
        if (what.contains(QLatin1String("%2"))) {
            what = what.arg(utf8(s->otherCaption));
        }
        rows += QStringLiteral("<tr><td><b>%1</b></td><td>%2</td></tr>").arg(utf8(s->key.name), what);
    }
    return rows;
}

// The six exercises, by their buttons.
QString exerciseItems()
{
    QString items;
    for (const app::ControlRow* m : app::modes()) {
        items += HelpWindow::tr("<li><b>%1</b> : %2</li>").arg(utf8(m->caption), utf8(m->exercise));
    }
    return items;
}

}  // namespace

HelpWindow::HelpWindow(QWidget* parent)
    : QWidget(parent, Qt::Window), m_browser(new QTextBrowser(this)), m_playing(new QLabel(this)),
      m_pupils(new QPushButton(tr("Élèves et progrès (%1)").arg(utf8(app::control("pupils")->key.name)), this))
{
    setObjectName(QStringLiteral("help"));
    setWindowTitle(tr("Aide de Tavelin Piano"));
    setAccessibleName(windowTitle());
    resize(widthPx, heightPx);

    m_browser->setObjectName(QStringLiteral("helpText"));
    m_browser->setAccessibleName(tr("Aide"));
    m_browser->setOpenLinks(false);
    // The map with the caps of the keyboard in use, as far as the input
    // locale tells it (the window system names no layout to Qt).
    m_browser->document()->addResource(
        QTextDocument::ImageResource, QUrl(QStringLiteral("keyboard-map")),
        keyboard::drawKeyboardMap(
            keyboard::capsLayoutFor(QGuiApplication::inputMethod()->locale().bcp47Name().toStdString()), mapWords()));
    m_browser->setHtml(html());
    m_playing->setObjectName(QStringLiteral("playing"));
    m_playing->setAccessibleName(tr("Qui joue"));
    m_playing->setWordWrap(true);
    m_pupils->setObjectName(QStringLiteral("pupils"));
    m_pupils->setAccessibleName(tr("Élèves et progrès"));
    connect(m_pupils, &QPushButton::clicked, this, &HelpWindow::pupilsRequested);
    setPlaying({});

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_browser);
    auto* bar = new QHBoxLayout;
    bar->setContentsMargins(8, 4, 8, 8);
    bar->addWidget(m_playing, 1);
    bar->addWidget(m_pupils);
    layout->addLayout(bar);

    auto* close = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    close->setContext(Qt::WindowShortcut);
    connect(close, &QShortcut::activated, this, &QWidget::close);
}

void HelpWindow::setPlaying(const QString& description)
{
    m_playing->setText(description.isEmpty() ? tr("Aucun élève : les exercices ne sont pas enregistrés") : description);
}

QString HelpWindow::html()
{
    QString h;
    h += QStringLiteral("<h1>Tavelin Piano %1</h1>").arg(QString::fromLatin1(platform::versionNumber));
    h +=
        tr("<p>Un piano et un entraînement à la lecture des notes. Le clavier de 54 touches joue comme un vrai "
           "piano, avec la souris, le clavier de l'ordinateur ou un clavier MIDI. Un exercice montre 50 notes, "
           "une à la fois, sur la portée : jouez la touche de chaque note. Une bonne réponse ajoute un point au "
           "score ; la touche s'allume en vert avec une coche. Une note manquée allume sa touche en rouge avec "
           "une croix, juste avant la note suivante. « Note : » compte les notes montrées.</p>");

    h += tr("<h2>Les six exercices</h2><ul>%1</ul>"
            "<p><b>%2</b> termine l'exercice avant la fin. <b>%3</b> fait entendre chaque note "
            "quand elle paraît. <b>%4</b> fait glisser le nom de la note à côté "
            "de la portée ; <b>%5</b> agrandit la fenêtre pour montrer le nom des notes "
            "sous les touches.</p>")
             .arg(exerciseItems(), caption("stop1"), utf8(app::spokenName(*app::control("Check1"))),
                  caption("Command3"), caption("Command4"));

    h +=
        tr("<h2>La vitesse</h2>"
           "<p>La barre <b>Vitesse</b> va de 1 (<b>Lent</b>, une note toutes les 6 secondes) à 5 "
           "(<b>Rapide</b>, toutes les 2 secondes) : 6, 5, 4, 3 et 2 secondes. Elle se règle entre deux "
           "exercices. La réponse doit venir au plus tard 0,2 seconde avant la note suivante.</p>");

    h += tr("<h2>Raccourcis clavier</h2>"
            "<p>Chaque raccourci fait exactement ce que fait un clic sur son bouton ; un bouton "
            "grisé ne fait rien.</p><table cellspacing=\"0\" cellpadding=\"3\">%1</table>")
             .arg(shortcutRows());

    h += tr("<h2>Jouer au clavier de l'ordinateur</h2>"
            "<p>Deux rangées jouent comme un clavier de piano. Les touches comptent par leur place, pas par la "
            "lettre qu'elles portent : AZERTY, QWERTZ et QWERTY jouent les mêmes notes aux mêmes places. La "
            "rangée du bas joue les touches blanches à partir du do 2 (do une octave sous le do du milieu), la "
            "rangée au-dessus les touches noires entre elles. La rangée du haut des lettres joue les touches "
            "blanches à partir du do du milieu (do 3), la rangée des chiffres ses touches noires. "
            "<b>Page ↑</b> et <b>Page ↓</b> montent ou descendent les deux rangées d'une octave, d'une octave au "
            "plus de chaque côté. Une touche tenue est une seule note.</p>"
            "<p><img src=\"keyboard-map\" width=\"%1\" alt=\"Le plan des touches du clavier de l'ordinateur\"></p>")
             .arg(mapWidthPx);

    h +=
        tr("<h2>Clavier MIDI</h2>"
           "<p>Branchez-le (USB ou interface MIDI) avant ou après le démarrage : tout clavier MIDI est relié de "
           "lui-même, et joue comme la souris, réponses comprises. Les notes hors du clavier à l'écran sonnent "
           "mais ne comptent pas. <code>tavelin-piano --list-midi-in</code> liste les claviers vus ; "
           "<code>--midi-in CLIENT:PORT</code> n'en relie qu'un, <code>--midi-in none</code> aucun ; "
           "<code>--midi-out N</code> joue sur une autre sortie (<code>--list-midi-out</code>).</p>");

    h +=
        tr("<h2>Pour les professeurs : résultats et bilan</h2>"
           "<p><code>tavelin-piano --results FICHIER.csv</code> ajoute au fichier, à la fin de chaque exercice, "
           "une ligne par note montrée : la note, sa clef, bonne ou manquée, le temps de réponse et les touches "
           "fausses jouées.</p>"
           "<p><code>tavelin-piano --report FICHIER.csv</code> lit ce fichier sans le changer, écrit un résumé "
           "et dessine le bilan (<code>report.png</code> à côté du fichier, ou <code>--out IMAGE.png</code>) : "
           "chaque note sur sa portée avec sa réussite, les cinq notes à travailler, et les progrès d'une séance "
           "à l'autre.</p>"
           "<p>La fenêtre <b>Élèves</b> (<b>F11</b>, ou le bouton <b>Élèves et progrès</b> ci-dessous) fait tout "
           "cela sans taper d'option : elle choisit qui joue, liste la classe avec ses chiffres, montre le bilan "
           "de l'élève choisi, garde ses réglages (notes faibles plus souvent, étendue des notes), crée son "
           "raccourci et exporte les bilans.</p>");

    h +=
        tr("<h2>Au-delà des notes seules</h2>"
           "<p>Dans la fenêtre <b>Élèves</b>, les réglages d'un élève choisissent ce que jouent les six boutons "
           "d'exercice. <b>À l'oreille</b> : chaque note sonne d'abord sur la portée vide ; elle s'y dessine "
           "dès qu'elle est jouée ou manquée, pour relier le son à sa place. <b>Dans une tonalité</b> : les "
           "notes sont celles d'une gamme majeure jusqu'à quatre dièses ou bémols, choisie par le professeur "
           "ou nouvelle à chaque exercice ; la portée montre l'armure, et une note que l'armure altère n'a pas "
           "de signe à côté d'elle : jouez la touche qu'elle veut dire dans cette tonalité. "
           "<code>--variant ear</code> et <code>--variant key=N</code> font de même pour un lancement.</p>");
    h +=
        tr("<p><b>Plusieurs notes</b> : quatre à huit notes côte à côte, à jouer dans l'ordre ; une marque rouge "
           "passe à la suivante à chaque bonne touche, et la phrase dure autant de périodes qu'elle a de notes. "
           "<b>Clefs d'ut</b> : les exercices 5 et 6 écrivent aussi des notes en clef d'ut 3e ligne (alto) et "
           "4e ligne (ténor). <code>--variant phrase=N</code> et <code>--c-clefs</code> font de même pour un "
           "lancement. Un lecteur d'écran entend la clef, l'armure et le nombre de notes, jamais les notes.</p>");

    h += tr("<h2>À propos</h2>"
            "<p><b>Tavelin Piano</b>, version %1.<br>"
            "Licence : GNU General Public License, version 3 ou ultérieure ; voir le fichier LICENSE.<br>"
            "Le son vient de FluidSynth et de la SoundFont General MIDI de Debian (fluid-soundfont-gm) ; "
            "les images sont dessinées par le programme avec les polices Liberation et Noto Music ; "
            "la fenêtre est faite avec Qt.</p>")
             .arg(QString::fromLatin1(platform::versionNumber));
    return h;
}
