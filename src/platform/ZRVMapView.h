#pragma once

#include <QObject>
#include <QString>

class QWidget;

// The map page as the windows use it: load it, evaluate script texts in it,
// and hear where the user clicked the drawn track. The real one is a web view
// on our own page (ZRVWebEngineMapView); tests put a recorder in its place.
//
// The page defines:
//   setLatLag('lng', 'lat')  moves the marker (decimal degrees as text,
//                            longitude first);
//   ZRVDebug('text')         a remark for whoever debugs the page;
//   setTrack([{lat, lng, kmh, p}, ...])
//                            draws the recording's whole drive coloured by
//                            speed; p is the play position (0 to 1) a point
//                            stands for; an empty list clears it.
class ZRVMapView : public QObject {
    Q_OBJECT

public:
    using QObject::QObject;
    ~ZRVMapView() override = default;

    // The widget that shows the page.
    virtual QWidget* widget() const = 0;
    // Loads the page from the application's resources; nothing waits for it.
    virtual void loadMapPage() = 0;
    // Runs a script text in the page's window; its result is ignored. Texts
    // given before the page has loaded run, in order, once it has.
    virtual void evaluateScript(const QString& script) = 0;

signals:
    // The user clicked the track where it stands for this play position.
    void trackClicked(double position);
};
