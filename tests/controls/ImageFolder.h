#pragma once

#include <QColor>
#include <QDir>
#include <QImage>
#include <QTemporaryDir>

// A private folder of solid-colour images that TKImage finds before the
// built-in ones, for as long as the object lives.
class ImageFolder {
public:
    ImageFolder() { QDir::setSearchPaths(QStringLiteral("images"), {m_dir.path()}); }
    ~ImageFolder() { QDir::setSearchPaths(QStringLiteral("images"), {}); }
    ImageFolder(const ImageFolder&) = delete;
    ImageFolder& operator=(const ImageFolder&) = delete;

    void add(const QString& name, const QColor& colour, QSize size = {8, 8}) {
        QImage image(size, QImage::Format_ARGB32);
        image.fill(colour);
        image.save(m_dir.filePath(name + QStringLiteral(".png")));
    }

private:
    QTemporaryDir m_dir;
};
