#pragma once

#include <QObject>
#include <QPointer>
#include <QRect>
#include <functional>
#include <memory>

class QWidget;
class ZRVMapView;

// A window of its own showing the map page, for views that show one stored
// position (the drive records). The window is made with the controller and
// loads the page when first shown.
class ZRVMapWindowController : public QObject {
    Q_OBJECT

public:
    static constexpr int kWidth = 520;
    static constexpr int kHeight = 420;

    // `makeMap` puts a map into the window; our web page by default.
    explicit ZRVMapWindowController(std::function<ZRVMapView*(QWidget*)> makeMap = {},
                                    QObject* parent = nullptr);
    ~ZRVMapWindowController() override;

    QWidget* window() const { return m_window.get(); }
    ZRVMapView* mapWebView() const { return m_map; }

    void showWindow();
    void hideWindow();
    // Logs the window's frame and loads the page.
    void windowDidLoad();
    // Puts the window, keeping its size, right of `frame` with its top level
    // with the frame's top; no animation.
    void moveWindowRightBy(const QRect& frame);
    // Signed decimal degrees; the page takes the longitude first.
    void updateMapLat(double latitude, double longitude);

private:
    std::unique_ptr<QWidget> m_window;
    QPointer<ZRVMapView> m_map;
    bool m_loaded = false;
};
