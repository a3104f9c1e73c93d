#include "platform/pictures.h"

#include "platform/files.h"
#include "platform/messages.h"
#include "platform/terminate.h"

#include <QFile>

#include <QFileInfo>
#include <QGuiApplication>
#include <QImageReader>
#include <QMessageBox>
#include <cstdio>
#include <cstring>

namespace platform {

namespace {

// Pictures twice the size are taken from this ratio up, as Qt takes them.
constexpr qreal doubleSizeFrom = 1.5;

// Pictures larger than this are no picture of ours and are not read.
constexpr qint64 largestPictureBytes = 64LL << 20;

// Read through a descriptor that cannot wait: a FIFO or a device put in a
// picture's place is refused, never waited on, and only a regular file's
// bytes are decoded.
QImage readPicture(const QString& path, QString* why)
{
    const ReadOnlyFile file(QFile::encodeName(path).toStdString());
    QFile bytes;
    if (!file.isOpen() || !bytes.open(file.fd(), QIODevice::ReadOnly, QFileDevice::DontCloseHandle)) {
        if (why != nullptr) {
            *why = file.isOpen()       ? bytes.errorString()
                   : file.missing()    ? messageText(QT_TRANSLATE_NOOP("Messages", "no such file"))
                   : file.error() != 0 ? QString::fromLocal8Bit(std::strerror(file.error()))
                                       : messageText(QT_TRANSLATE_NOOP("Messages", "not a regular file"));
        }
        return {};
    }
    if (bytes.size() > largestPictureBytes) {
        if (why != nullptr) {
            *why = messageText(QT_TRANSLATE_NOOP("Messages", "larger than %1 MB")).arg(largestPictureBytes >> 20);
        }
        return {};
    }
    QImageReader reader(&bytes);
    reader.setDecideFormatFromContent(true);
    QImage image = reader.read();
    if (image.isNull() && why != nullptr) {
        *why = reader.errorString();
    }
    return image;
}

}  // namespace

QString doubleSizePath(const QString& path)
{
    const qsizetype slash = path.lastIndexOf(QLatin1Char('/'));
    qsizetype dot = path.lastIndexOf(QLatin1Char('.'));
    if (dot <= slash) {
        dot = path.size();
    }
    return path.left(dot) + QStringLiteral("@2x") + path.mid(dot);
}

PictureLoader::PictureLoader(Report report) : m_report(std::move(report))
{
}

QPixmap PictureLoader::load(const QString& path)
{
    if (path.isEmpty()) {
        return {};
    }
    const qreal ratio = m_ratio > 0.0 ? m_ratio : (qGuiApp != nullptr ? qGuiApp->devicePixelRatio() : 1.0);
    if (ratio >= doubleSizeFrom) {
        const QString doubled = doubleSizePath(path);
        if (QFileInfo(doubled).isFile()) {
            QImage image = readPicture(doubled, nullptr);
            if (!image.isNull()) {
                image.setDevicePixelRatio(2.0);
                return QPixmap::fromImage(std::move(image));
            }
        }
        // No sharper picture (or a broken one): the plain one, reported as usual.
    }
    QString why;
    QImage image;
    if (QFileInfo(path).isDir()) {
        why = messageText(QT_TRANSLATE_NOOP("Messages", "is a folder"));
    } else {
        image = readPicture(path, &why);
    }
    if (image.isNull()) {
        if (!m_reported.contains(path)) {
            m_reported.insert(path);
            m_report(QStringLiteral("tavelin-piano: ") +
                     messageText(QT_TRANSLATE_NOOP("Messages", "cannot load picture %1: %2")).arg(path, why));
        }
        return {};
    }
    return QPixmap::fromImage(std::move(image));
}

void reportToStderr(const QString& line)
{
    std::fprintf(stderr, "%s\n", line.toLocal8Bit().constData());
    std::fflush(stderr);
}

void MessageBoxSink::show(const QString& text)
{
    if (terminateRequested()) {
        // Ending: nobody is left to answer a box, but the text is kept.
        reportToStderr(text);
        return;
    }
    QMessageBox box(QMessageBox::NoIcon, QGuiApplication::applicationDisplayName(), text, QMessageBox::Ok);
    box.exec();
}

}  // namespace platform
