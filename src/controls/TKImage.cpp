#include "controls/TKImage.h"

#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QHash>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>

namespace {

// SVG files are rendered for the screen's pixel ratio so that they stay sharp
// on high-density displays while keeping their size in points.
QPixmap renderSvg(const QString& path) {
    QSvgRenderer renderer(path);
    if (!renderer.isValid()) {
        return {};
    }
    const QSize size = renderer.defaultSize();
    if (size.isEmpty()) {
        return {};
    }
    const qreal ratio = qGuiApp != nullptr ? qGuiApp->devicePixelRatio() : 1.0;
    QImage image(size * ratio, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    {
        QPainter painter(&image);
        renderer.render(&painter);
    }
    image.setDevicePixelRatio(ratio);
    return QPixmap::fromImage(image);
}

QStringList searchFolders() {
    QStringList folders = QDir::searchPaths(QStringLiteral("images"));
    folders << QStringLiteral(":/images");
    return folders;
}

} // namespace

QString TKImage::baseName(const QString& name) {
    for (const QLatin1String extension : {QLatin1String(".png"), QLatin1String(".tif")}) {
        if (name.endsWith(extension, Qt::CaseInsensitive)) {
            return name.left(name.size() - extension.size());
        }
    }
    return name;
}

QPixmap TKImage::named(const QString& name) {
    if (name.isEmpty()) {
        return {};
    }
    // Drawing an SVG costs about a millisecond, and a recording that opens
    // asks for its logos again; a named image is made once, as long as the
    // folders searched and the pixel ratio stay the same.
    static QHash<QString, QPixmap> cache;
    const QString base = baseName(name);
    const QStringList folders = searchFolders();
    const qreal ratio = qGuiApp != nullptr ? qGuiApp->devicePixelRatio() : 1.0;
    const QString key =
        base + QLatin1Char('@') + QString::number(ratio) + QLatin1Char('|') + folders.join(u'|');
    if (const auto cached = cache.constFind(key); cached != cache.constEnd()) {
        return *cached;
    }
    QPixmap image;
    for (const QString& folder : folders) {
        const QString svgPath = folder + QLatin1Char('/') + base + QStringLiteral(".svg");
        if (QFileInfo::exists(svgPath)) {
            image = renderSvg(svgPath);
            break;
        }
        const QString pngPath = folder + QLatin1Char('/') + base + QStringLiteral(".png");
        if (QFileInfo::exists(pngPath)) {
            image = QPixmap(pngPath);
            break;
        }
    }
    cache.insert(key, image);
    return image;
}
