#include "app/ui/ZRVTelemetryDisplay.h"

#include "app/ZRVMapScript.h"
#include "app/ZRVTelemetryReadout.h"
#include "app/ui/ZRVPlayerWindowView.h"
#include "platform/ZRVMapView.h"
#include "platform/ZRVMediaPlayer.h"
#include "recording/ZRVDriveTrack.h"
#include "recording/ui/GraphView.h"

#include <QLabel>
#include <utility>

namespace {

// The last hemispheres a fix named; they hold for the whole process, so a
// record without a fix of its own is drawn where the previous one was.
ZRVHemispheres& processHemispheres() {
    static ZRVHemispheres hemispheres;
    return hemispheres;
}

void show(QLabel* field, const std::optional<std::string>& text) {
    if (text) {
        field->setText(QString::fromStdString(*text));
    }
}

} // namespace

ZRVTelemetryDisplay::ZRVTelemetryDisplay(const ZRVPlayerWindowView& view,
                                         const ZRVMediaPlayer& mainPlayer, ZRVMapView* map,
                                         QObject* parent)
    : QObject(parent), m_view(view), m_mainPlayer(mainPlayer), m_map(map),
      m_telemetry(std::make_shared<const ZRVBlackBoxData>()) {
    connect(m_view.graphView, &GraphView::timePositionClicked, this,
            &ZRVTelemetryDisplay::seekRequested);
    if (m_map) {
        connect(m_map, &ZRVMapView::trackClicked, this, &ZRVTelemetryDisplay::seekRequested);
    }
}

ZRVMapView* ZRVTelemetryDisplay::mapView() const {
    return m_map;
}

void ZRVTelemetryDisplay::loadMapPage() {
    if (m_map) {
        m_map->loadMapPage();
    }
}

void ZRVTelemetryDisplay::setTelemetry(std::shared_ptr<const ZRVBlackBoxData> telemetry) {
    m_telemetry = telemetry ? std::move(telemetry) : std::make_shared<const ZRVBlackBoxData>();
    m_view.graphView->setGraphData(m_telemetry->gSensors());
    if (m_map) {
        const auto track = ZRVDriveTrack::fromTelemetry(*m_telemetry);
        m_map->evaluateScript(QString::fromStdString(
            ZRVMapScript::setTrack(track, m_telemetry->gpsRecords().size())));
    }
}

void ZRVTelemetryDisplay::resetReadOuts() {
    m_view.gsensorXField->setText(QString::fromLatin1(ZRVTelemetryReadout::kResetX));
    m_view.gsensorYField->setText(QString::fromLatin1(ZRVTelemetryReadout::kResetY));
    m_view.gsensorZField->setText(QString::fromLatin1(ZRVTelemetryReadout::kResetZ));
    m_view.speedField->clear();
    m_view.hdopField->clear();
    m_view.sateliteField->clear();
}

void ZRVTelemetryDisplay::showPlayPosition(double position) {
    updateGsensorUIByPlayPositon(position);
    updateGpsUIByPlayPosition(position);
}

void ZRVTelemetryDisplay::updateGsensorUIByPlayPositon(double position) {
    m_view.graphView->updateTimePosition(m_mainPlayer.position());
    ZRVTelemetryTexts texts;
    ZRVTelemetryReadout::addGsensorTexts(texts, m_telemetry->gSensors(), position);
    show(m_view.gsensorXField, texts.x);
    show(m_view.gsensorYField, texts.y);
    show(m_view.gsensorZField, texts.z);
}

void ZRVTelemetryDisplay::updateGpsUIByPlayPosition(double position) {
    ZRVTelemetryTexts texts;
    ZRVTelemetryReadout::addGpsTexts(texts, m_telemetry->gpsData(), m_telemetry->nmeaFixes(),
                                     position, processHemispheres());
    if (m_map) {
        if (texts.noGpsRecords) {
            m_map->evaluateScript(QString::fromStdString(ZRVMapScript::noGpsRecords()));
        } else {
            m_map->evaluateScript(
                QString::fromStdString(ZRVMapScript::setLatLag(*texts.longitude, *texts.latitude)));
        }
    }
    show(m_view.speedField, texts.speed);
    show(m_view.hdopField, texts.hdop);
    show(m_view.sateliteField, texts.satellites);
}
