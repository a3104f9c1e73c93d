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
class PictureLoader {
public:
    using Report = std::function<void(const QString& line)>;

    explicit PictureLoader(Report report);

    QPixmap load(const QString& path);


private:
    Report m_report;
    QSet<QString> m_reported;
};

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
