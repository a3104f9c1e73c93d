#include "platform/pictures.h"

#include <QFileInfo>
#include <QGuiApplication>
#include <QImageReader>
#include <QMessageBox>
#include <cstdio>

namespace platform {

PictureLoader::PictureLoader(Report report) : m_report(std::move(report)) {}

QPixmap PictureLoader::load(const QString& path)
{
    if (path.isEmpty()) {
        return {};
    }
    QString why;
    QImage image;
    if (QFileInfo(path).isDir()) {
        why = QStringLiteral("is a folder");
    } else {
        QImageReader reader(path);
        reader.setDecideFormatFromContent(true);
        image = reader.read();
        if (image.isNull()) {
            why = reader.errorString();
        }
    }
    if (image.isNull()) {
        if (!m_reported.contains(path)) {
            m_reported.insert(path);
            m_report(QStringLiteral("tavelin-piano: cannot load picture %1: %2").arg(path, why));
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
    QMessageBox box(QMessageBox::NoIcon, QGuiApplication::applicationDisplayName(), text, QMessageBox::Ok);
    box.exec();
}

}  // namespace platform
