#pragma once

#include <QPoint>
#include <QRect>
#include <QWidget>

#include <optional>

// The small keyboard of the pupils window on which a note range is chosen:
// a click on its lowest key, then one on its highest (in either order). The
// keyboard works it too: Left and Right move the key in view, Space or
// Enter picks it.
namespace rangekeys {

constexpr int firstNote = 36;  // the piano's keys, do 1 to fa 5
constexpr int lastNote = 89;
constexpr int whiteWidth = 14;  // px
constexpr int whiteHeight = 56;
constexpr int blackWidth = 9;
constexpr int blackHeight = 34;
constexpr int whiteKeys = 32;

QRect keyRect(int note);
// The key under a point (black keys lie over the white ones), or nothing.
std::optional<int> keyAt(QPoint point);

}  // namespace rangekeys

class RangeKeyboard final : public QWidget {
    Q_OBJECT

public:
    explicit RangeKeyboard(QWidget* parent);

    // The range shown; nothing: every key.
    void setRange(std::optional<std::pair<int, int>> range);
    std::optional<std::pair<int, int>> range() const { return m_range; }
    QSize sizeHint() const override;

    // A key picked, as a click or Space does it.
    void pick(int note);

signals:
    // Both ends picked, lowest first.
    void rangePicked(int low, int high);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void describe();

    std::optional<std::pair<int, int>> m_range;
    std::optional<int> m_first;  // the first end, waiting for the second
    int m_cursor = 60;
};
