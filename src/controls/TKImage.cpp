#include "controls/TKImage.h"

#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
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
    const QString base = baseName(name);
    for (const QString& folder : searchFolders()) {
        const QString svgPath = folder + QLatin1Char('/') + base + QStringLiteral(".svg");
        if (QFileInfo::exists(svgPath)) {
            return renderSvg(svgPath);
        }
        const QString pngPath = folder + QLatin1Char('/') + base + QStringLiteral(".png");
        if (QFileInfo::exists(pngPath)) {
            return QPixmap(pngPath);
        }
    }
    return {};
}
