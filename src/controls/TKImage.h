#pragma once

#include <QPixmap>
#include <QString>

// Images of the application, found by the names the windows use. A name may
// carry a ".png" or ".tif" extension from the camera maker's naming; the file
// behind it is whatever format we ship, usually SVG.
class TKImage {
public:
    // Folders registered with QDir::addSearchPath("images", ...) are searched
    // before the built-in resources, so a theme or a test can override any
    // image. A missing image is a null pixmap.
    static QPixmap named(const QString& name);

    // The name without a raster extension, as the resource files are named.
    static QString baseName(const QString& name);
};
