#pragma once

#include <QPixmap>
#include <QSet>
#include <QString>
#include <functional>

namespace platform {

// Loads the picture stored in a file, whatever its name says: the format is
// decided from the content, so "tvl.tv" loads as the JPEG it is. An empty
// path gives an empty picture (which clears a box). A file that is missing or
// unreadable (absent, empty, truncated, not an image, a folder, no permission)
// also gives an empty picture and is reported once per path, never again.
//
// On a screen of device pixel ratio 1.5 or more, the picture drawn at twice
// the size beside it ("152@2x.jpg" for "152.jpg", "tvl@2x.tv" for "tvl.tv")
// is loaded instead when there is one, with a device pixel ratio of 2, so it
// takes the same room on the window as the plain one and shows sharp.
class PictureLoader {
public:
    using Report = std::function<void(const QString& line)>;

    explicit PictureLoader(Report report);

    QPixmap load(const QString& path);

    // The ratio to load for; 0 (the default) asks the application for the
    // highest ratio of its screens at each load.
    void setDevicePixelRatio(qreal ratio) { m_ratio = ratio; }

private:
    Report m_report;
    QSet<QString> m_reported;
    qreal m_ratio = 0.0;
};

// The name of the picture drawn at twice the size: "@2x" before the file
// name's last dot, or at its end when it has none.
QString doubleSizePath(const QString& path);

// A line on standard error.
void reportToStderr(const QString& line);

// The open-failure message and any other notice that needs the user's OK.
class MessageSink {
public:
    virtual ~MessageSink() = default;
    virtual void show(const QString& text) = 0;
};

// A message box with an OK button only, no icon and the application's own
// title.
class MessageBoxSink final : public MessageSink {
public:
    void show(const QString& text) override;
};

}  // namespace platform
