#pragma once

#include "platform/ZRVMapView.h"

#include <QStringList>
#include <QWidget>

// A map that keeps the script texts it was given, in order, on a plain
// widget; tests click its track with clickTrack().
class ZRVFakeMapView : public ZRVMapView {
public:
    explicit ZRVFakeMapView(QWidget* parent) : ZRVMapView(parent), m_widget(new QWidget(parent)) {}

    QWidget* widget() const override { return m_widget; }
    void loadMapPage() override { ++loads; }
    void evaluateScript(const QString& script) override { scripts << script; }

    void clickTrack(double position) { emit trackClicked(position); }
    QString lastScriptStartingWith(const QString& start) const {
        for (auto it = scripts.crbegin(); it != scripts.crend(); ++it) {
            if (it->startsWith(start)) {
                return *it;
            }
        }
        return {};
    }

    QStringList scripts;
    int loads = 0;

private:
    QWidget* m_widget;
};
