#pragma once

#include "app/controltable.h"

#include <QFrame>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>

// A picture box: shows a picture unscaled from the top left corner of its
// picture area, clipped to it. With a sunken border the picture area starts
// 2 px inside; with autosize the box takes the size of each picture it is
// given. Its left edge is what the panel animations move.
class PictureBox final : public QFrame {
    Q_OBJECT

public:
    PictureBox(const QString& name, bool sunken, bool autoSize, QWidget* parent);

    // The picture and the file it came from (empty when cleared or drawn).
    void setPicture(const QPixmap& picture, const QString& source = {});
    const QPixmap& picture() const { return m_picture; }
    const QString& source() const { return m_source; }
    bool hasPicture() const { return !m_picture.isNull(); }

    void setBackColor(const QColor& colour);

    int Left() const { return x(); }
    void setLeft(int left) { move(left, y()); }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QPixmap m_picture;
    QString m_source;
    bool m_autoSize;
};

// A push button in the graphical style: its face colour shows flat, with a
// raised edge that sinks while pressed, and a caption too wide for it wraps
// onto a second line, centred.
class CommandButton final : public QPushButton {
    Q_OBJECT

public:
    CommandButton(const QString& name, const QString& caption, QWidget* parent);

    void setFaceColour(const QColor& colour);

protected:
    void paintEvent(QPaintEvent* event) override;
};

// A label's caption; the label sizes itself to it, from its fixed left edge.
void setCaption(QLabel* label, const QString& caption);

// A control of the window made as its row of the table describes it: name,
// caption, place, colours and font. The keys and the commands are not made
// here (nullptr): the keys are the window's, the commands have no control.
QWidget* makeControl(const app::ControlRow& row, QWidget* parent);
