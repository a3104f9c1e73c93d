#pragma once

#include "picture/engraving.h"

#include <QImage>
#include <QPainterPath>
#include <QString>
#include <QStringList>

// The pictures other than the note pictures: note names and their signs, the
// messages of the note panel, the start-up logo, the window background, the
// icon and the strip of names above the keyboard.
//
// Sizes are in logical pixels. scale 2 draws a picture with twice the pixels
// each way and a device pixel ratio of 2, for screens at a 2x scale: the same
// drawing, only finer. scale 1 gives the pictures the program has always had.
namespace art {

// Where the window lays the sign picture over a name picture, in the name
// picture's pixels; names keep clear of it.
constexpr QRect signArea(25, 75, 44, 100);

// The name pictures and the sign pictures share one sheet of paper: a sign is
// the part of the sheet under signArea with the sign drawn on it, so that it
// melts into whichever name it is laid on.
QImage nameSheet(int scale = 1);

// A note name ("do", "ré", ...) on the sheet, to the right of the sign area.
// roomForSign leaves a wider gap for names that always appear with a sign.
QImage namePicture(const QString& name, bool roomForSign, int scale = 1);

// The sharp (up.jpg) or flat (down.jpg) shown beside a name, 44 x 100 px;
// None: the sheet alone, for names that carry their sharp or flat in words.
QImage signPicture(Accidental accidental, int scale = 1);

// The words of the note panel's messages: the designed French ones unless
// the window speaks another language.
struct PanelWords {
    QString notes = QStringLiteral("notes");  // under the count of a run's notes
    QString ready = QStringLiteral("Prêt\u202F?");
    QString firstNote = QStringLiteral("La première note arrive…");
    QString done = QStringLiteral("Exercice terminé");
    QString bravo = QStringLiteral("Bravo\u202F!");
    QString welcome = QStringLiteral("Bienvenue");
    QString choose = QStringLiteral("Choisissez un exercice");
    QString right = QStringLiteral("à droite \u2192");
};

// Messages of the note panel, 250 x 250 px, on the note pictures' paper.
QImage startPicture(int noteCount, int scale = 1, const PanelWords& words = {});
QImage endPicture(int scale = 1, const PanelWords& words = {});
QImage welcomePicture(int scale = 1, const PanelWords& words = {});

// The start-up logo, 300 x 230 px.
QImage logoPicture(int scale = 1);

// The window background, 1024 x 548 px, with the grand piano drawn by
// drawGrandPiano in its upper right part and the tagline under the logo.
QImage backgroundPicture(int scale = 1, const QString& tagline = QStringLiteral("lecture de notes au clavier"));

// A grand piano with its lid raised, seen from the keyboard end and a little
// above, in thin pale lines, centred in region. Parts hidden behind nearer
// ones are painted over with surface (the picture's own background, aligned
// with the painter's device), so no line shows through a solid part.
void drawGrandPiano(QPainter& painter, const QImage& surface, QRectF region);

// The window icon, designed on a 48 x 48 px grid with a transparent surround.
constexpr int iconSide = 48;

// The icon drawn into a square of the given side in pixels (48: the design).
QImage iconPicture(int pixels = iconSide);

// The icon's drawing on the 48 x 48 grid, into any painter (an image, an SVG
// file).
void drawIcon(QPainter& painter);

// White note names on dark blue, one per 32 px cell, 1022 x 49 px: the
// seven names of the white keys from C (none: the French ones).
QImage nameStripPicture(int scale = 1, const QStringList& names = {});

// The names in keyboard order from C: do ré mi fa sol la si.
QString noteName(int degree);

}  // namespace art
