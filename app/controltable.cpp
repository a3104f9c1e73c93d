#include "app/controltable.h"

#include <QtGlobal>

#include <algorithm>

namespace app {

namespace {

constexpr Colour white = rgb(0xFFFFFF);
constexpr Colour highlightedText{Colour::From::HighlightedText};
constexpr Colour panelGrey = rgb(0x808080);
constexpr Colour buttonFace = rgb(0x6A4B39);
// Liberation's faces are metric-compatible with Times New Roman and Arial.
constexpr Font serif9{"Liberation Serif", 9};

constexpr Twips modeBox(int row)
{
    return {13470, 1035 + 420 * row, 1695, 420};
}

// The table is laid out by hand, a control to a few lines.
// clang-format off
constexpr ControlRow modeButton(const char* name, int row, const char* caption, Key key, const char* exercise)
{
    return {.name = name, .kind = ControlKind::Button, .caption = caption, .box = modeBox(row), .face = buttonFace,
            .font = serif9, .tooltip = QT_TRANSLATE_NOOP("Controls", "Commencer « %1 » : 50 notes"), .key = key,
            .help = QT_TRANSLATE_NOOP("Controls", "commence « %1 »"),
            .exercise = exercise};
}

const ControlRow table[] = {
    // Labels first: they are painted on the window's own surface, below every other control.
    {.name = "label1", .kind = ControlKind::Label, .caption = QT_TRANSLATE_NOOP("Controls", "Vitesse : 3"),
     .box = {11880, 3840}, .text = white, .font = serif9},
    {.name = "Label2(0)", .kind = ControlKind::Label, .caption = QT_TRANSLATE_NOOP("Controls", "Lent"),
     .box = {10560, 4110}, .text = highlightedText, .font = serif9},
    {.name = "Label2(1)", .kind = ControlKind::Label, .caption = QT_TRANSLATE_NOOP("Controls", "Rapide"),
     .box = {12840, 4110}, .text = highlightedText,
     .font = serif9},
    {.name = "Label3", .kind = ControlKind::Label, .caption = QT_TRANSLATE_NOOP("Controls", "Note : 0"),
     .box = {5760, 4110}, .text = white, .font = serif9},
    {.name = "Label4", .kind = ControlKind::Label, .caption = QT_TRANSLATE_NOOP("Controls", "Son"),
     .box = {10050, 4110}, .text = highlightedText, .font = serif9},

    {.name = "Picture2", .kind = ControlKind::Picture, .box = {5715, 120, 3810, 3810}, .face = panelGrey,
     .sunken = true, .accessibleName = QT_TRANSLATE_NOOP("Controls", "Nom de la note")},
    {.name = "kkey", .kind = ControlKind::Keys},

    modeButton("m(1)", 0, QT_TRANSLATE_NOOP("Controls", "Clef de sol"), {"F2", "F2", 68},
               QT_TRANSLATE_NOOP("Controls", "les touches blanches de mi 2 à fa 5, en clef de sol.")),
    modeButton("m(2)", 1, QT_TRANSLATE_NOOP("Controls", "Clef de sol (# et b)"), {"F3", "F3", 69},
               QT_TRANSLATE_NOOP("Controls", "toutes les touches de mi 2 à fa 5, "
                                             "les noires écrites avec un dièse ou un bémol.")),
    modeButton("m(3)", 2, QT_TRANSLATE_NOOP("Controls", "Clef de fa"), {"F4", "F4", 70},
               QT_TRANSLATE_NOOP("Controls", "les touches blanches de do 1 à la 3, en clef de fa.")),
    modeButton("m(4)", 3, QT_TRANSLATE_NOOP("Controls", "Clef de fa (# et b)"), {"F5", "F5", 71},
               QT_TRANSLATE_NOOP("Controls", "toutes les touches de do 1 à la 3.")),
    modeButton("m(5)", 4, QT_TRANSLATE_NOOP("Controls", "Clefs de sol et de fa"), {"F6", "F6", 72},
               QT_TRANSLATE_NOOP("Controls", "les touches blanches des deux, chacune dans une clef qui la porte.")),
    modeButton("m(6)", 5, QT_TRANSLATE_NOOP("Controls", "Toutes les notes"), {"F7", "F7", 73},
               QT_TRANSLATE_NOOP("Controls", "toutes les touches, en clef de sol à partir du do du milieu (do 3), "
                                             "en clef de fa en dessous.")),

    {.name = "text1", .kind = ControlKind::Score, .caption = "0", .box = {13470, 120, 1695, 840},
     .face = rgb(0x3C3C49), .text = rgb(0xC04000), .font = {"Liberation Sans", 33},
     .tooltip = QT_TRANSLATE_NOOP("Controls", "%1 : les bonnes réponses de l'exercice."),
     .tipEnd = TipEnd::HelpKeys, .accessibleName = QT_TRANSLATE_NOOP("Controls", "Score")},
    {.name = "Command3", .kind = ControlKind::Button,
     .caption = QT_TRANSLATE_NOOP("Controls", "Afficher le nom de la note"),
     .otherCaption = QT_TRANSLATE_NOOP("Controls", "Cacher le nom de la note"),
     .box = {6953, 3975, 1335, 420}, .face = buttonFace, .font = {"Liberation Serif", 8.25},
     .tooltip = QT_TRANSLATE_NOOP("Controls", "Afficher ou cacher le nom de la note"), .key = {"F9", "F9", 75},
     .help = QT_TRANSLATE_NOOP("Controls", "« %1 » / « %2 »")},
    {.name = "Command4", .kind = ControlKind::Button, .caption = QT_TRANSLATE_NOOP("Controls", "Aide à la lecture"),
     .box = {13470, 3975, 1695, 420}, .face = buttonFace, .font = serif9,
     .tooltip = QT_TRANSLATE_NOOP("Controls", "%1 : le nom des notes sous les touches"), .key = {"F10", "F10", 76},
     .help = QT_TRANSLATE_NOOP("Controls", "« %1 » : les noms sous les touches")},
    {.name = "Picture3", .kind = ControlKind::Picture, .box = {0, 7060, 15345, 750}, .sunken = true,
     .accessibleName = QT_TRANSLATE_NOOP("Controls", "Noms des notes sous les touches")},
    {.name = "HScroll1", .kind = ControlKind::ScrollBar, .box = {10980, 4080, 1815, 255},
     .tooltip = QT_TRANSLATE_NOOP("Controls", "%1 : de 1 (Lent, une note toutes les 6 s) à 5 (Rapide, "
                                              "toutes les 2 s), entre deux exercices."),
     .tipEnd = TipEnd::HelpKeys, .accessibleName = QT_TRANSLATE_NOOP("Controls", "Vitesse")},
    {.name = "stop1", .kind = ControlKind::Button, .caption = QT_TRANSLATE_NOOP("Controls", "Arrêter"),
     .box = {13470, 3555, 1695, 420}, .face = rgb(0x800000), .font = serif9,
     .tooltip = QT_TRANSLATE_NOOP("Controls", "Arrêter l'exercice en cours"),
     .key = {"Esc", QT_TRANSLATE_NOOP("Controls", "Échap"), 9},
     .help = QT_TRANSLATE_NOOP("Controls", "« %1 » : arrête l'exercice en cours")},
    {.name = "Picture4", .kind = ControlKind::Picture, .box = {480, 360, 120, 240}, .autoSize = true},
    // Its caption lies outside its square and is never seen, and stays as
    // designed in every language; a screen reader says what the eye reads
    // beside it.
    {.name = "Check1", .kind = ControlKind::CheckBox, .caption = "出现音符时发音", .box = {9825, 4110, 195, 195},
     .tooltip = QT_TRANSLATE_NOOP("Controls", "%1 : jouer chaque note quand elle paraît"), .key = {"F8", "F8", 74},
     .help = QT_TRANSLATE_NOOP("Controls", "« %1 » : coche ou décoche le son des notes"), .labelledBy = "Label4"},
    {.name = "Picture6", .kind = ControlKind::Picture, .box = {6120, 1275, 660, 1500}, .autoSize = true},
    {.name = "Picture7", .kind = ControlKind::Picture, .box = {5745, 150, 3750, 3750},
     .face = {Colour::From::Light}},
    {.name = "Picture1", .kind = ControlKind::Picture, .box = {5715, 120, 3810, 3810}, .face = panelGrey,
     .sunken = true, .tooltip = QT_TRANSLATE_NOOP("Controls", "La note à lire : jouez sa touche."),
     .tipEnd = TipEnd::HelpKeys, .accessibleName = QT_TRANSLATE_NOOP("Controls", "Note à lire")},

    {.name = "help", .kind = ControlKind::Command, .caption = QT_TRANSLATE_NOOP("Controls", "Aide"),
     .key = {"F1", "F1", 67}, .help = QT_TRANSLATE_NOOP("Controls", "ouvre cette aide")},
    {.name = "pupils", .kind = ControlKind::Command, .caption = QT_TRANSLATE_NOOP("Controls", "Élèves"),
     .key = {"F11", "F11", 95},
     .help = QT_TRANSLATE_NOOP("Controls", "ouvre la fenêtre « %1 » : qui joue, la classe et les bilans")},
};
// clang-format on

// The help lists the keys as a user meets them: the help itself, the
// exercises, then the other buttons from top to bottom, and the pupils last.
constexpr std::string_view shortcutOrder[] = {"help", "m(1)",  "m(2)",   "m(3)",     "m(4)",     "m(5)",
                                              "m(6)", "stop1", "Check1", "Command3", "Command4", "pupils"};

}  // namespace

std::span<const ControlRow> controls()
{
    return table;
}

const ControlRow* control(std::string_view name)
{
    const auto found =
        std::find_if(std::begin(table), std::end(table), [name](const ControlRow& row) { return name == row.name; });
    return found == std::end(table) ? nullptr : &*found;
}

const char* spokenName(const ControlRow& row)
{
    if (row.accessibleName != nullptr) {
        return row.accessibleName;
    }
    if (row.labelledBy != nullptr) {
        if (const ControlRow* label = control(row.labelledBy)) {
            return label->caption;
        }
    }
    return row.caption;
}

std::vector<const ControlRow*> shortcuts()
{
    std::vector<const ControlRow*> keys;
    for (const std::string_view name : shortcutOrder) {
        keys.push_back(control(name));
    }
    return keys;
}

std::vector<const ControlRow*> modes()
{
    std::vector<const ControlRow*> buttons;
    for (const ControlRow& row : table) {
        if (row.exercise != nullptr) {
            buttons.push_back(&row);
        }
    }
    return buttons;
}

}  // namespace app
