#pragma once

#include "recording/ZRVBlackBoxData.h"

#include <QObject>
#include <QPointer>
#include <memory>

class ZRVMapView;
class ZRVMediaPlayer;
class ZRVPlayerWindowView;

// Shows the telemetry of the playing recording at the play position: the
// G-sensor and GPS read-outs, the graph's bar and curves, and the map's track
// and marker. It is fed the telemetry when a recording opens and every play
// position; it never moves the players itself, but asks for a seek when the
// user clicks the graph or the track.
class ZRVTelemetryDisplay : public QObject {
    Q_OBJECT

public:
    // `mainPlayer` gives the graph the main player's own position; `map` may
    // be none (the read-outs and the graph still work).
    ZRVTelemetryDisplay(const ZRVPlayerWindowView& view, const ZRVMediaPlayer& mainPlayer,
                        ZRVMapView* map, QObject* parent = nullptr);

    ZRVMapView* mapView() const;
    void loadMapPage();

    // A newly opened recording's telemetry: the graph's curves and the map's
    // track.
    void setTelemetry(std::shared_ptr<const ZRVBlackBoxData> telemetry);
    // The read-outs as a recording opens: "X=+0.00" ... and empty GPS texts.
    void resetReadOuts();
    // Both updates, as every change of the play position asks.
    void showPlayPosition(double position);

    void updateGsensorUIByPlayPositon(double position);
    void updateGpsUIByPlayPosition(double position);

signals:
    void seekRequested(double position);

private:
    const ZRVPlayerWindowView& m_view;
    const ZRVMediaPlayer& m_mainPlayer;
    QPointer<ZRVMapView> m_map;
    std::shared_ptr<const ZRVBlackBoxData> m_telemetry;
};
