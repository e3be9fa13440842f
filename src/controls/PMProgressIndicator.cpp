#include "controls/PMProgressIndicator.h"

#include "card/ui/PMProgressIndicatorController.h"

#include <cmath>
#include <limits>

PMProgressIndicator::PMProgressIndicator(QWidget* parent, Clock clock)
    : QProgressBar(parent), m_text(std::move(clock)) {
    setTextVisible(false);
    showValue();
}

PMProgressIndicator::~PMProgressIndicator() {
    m_drawDockProgress = false;
    // Without a controller the bar was never listed: do not create one now.
    if (auto* controller = PMProgressIndicatorController::existingInstance()) {
        controller->removeProgressIndicator(this);
    }
}

int PMProgressIndicator::wholeNumber(double value) {
    if (std::isnan(value)) {
        return 0;
    }
    const double whole = std::trunc(std::trunc(value) + 0.5);
    constexpr double kLowest = std::numeric_limits<int>::min();
    constexpr double kHighest = std::numeric_limits<int>::max();
    if (whole <= kLowest) {
        return std::numeric_limits<int>::min();
    }
    if (whole >= kHighest) {
        return std::numeric_limits<int>::max();
    }
    return static_cast<int>(whole);
}

double PMProgressIndicator::fraction() const {
    const double range = m_maximum - m_minimum;
    if (!(range > 0)) {
        return 0;
    }
    return (m_value - m_minimum) / range;
}

void PMProgressIndicator::setDoubleValue(double value) {
    if (std::isnan(value)) {
        return;
    }
    const int whole = wholeNumber(value);
    if (whole == m_lastValue) {
        return;
    }
    m_value = value;
    m_lastValue = whole;
    showValue();
    if (m_drawDockProgress) {
        auto* controller = PMProgressIndicatorController::sharedInstance();
        controller->addProgressIndicator(this);
        const double f = fraction();
        if (f <= 1e-5 || f >= 1 - 1e-5) {
            controller->removeProgressIndicator(this);
        }
    }
    if (m_progressText) {
        updateProgressText();
    }
}

void PMProgressIndicator::setMinValue(double minimum) {
    m_minimum = minimum;
    showValue();
}

void PMProgressIndicator::setMaxValue(double maximum) {
    m_maximum = maximum;
    showValue();
}

void PMProgressIndicator::setIndeterminate(bool indeterminate) {
    m_indeterminate = indeterminate;
    showValue();
}

void PMProgressIndicator::startAnimation() {
    m_animating = true;
    showValue();
}

void PMProgressIndicator::stopAnimation() {
    m_animating = false;
    showValue();
}

void PMProgressIndicator::showValue() {
    if (m_indeterminate) {
        // Qt's busy bar while animating; an empty bar while it stands still.
        if (m_animating) {
            setRange(0, 0);
        } else {
            setRange(0, kResolution);
            setValue(0);
        }
        return;
    }
    setRange(0, kResolution);
    const double f = std::clamp(fraction(), 0.0, 1.0);
    setValue(static_cast<int>(std::lround(f * kResolution)));
}

void PMProgressIndicator::setProgressText(QLabel* label) {
    m_progressText = label;
}

void PMProgressIndicator::setDrawDockProgress(bool draw) {
    m_drawDockProgress = draw;
    if (draw) {
        PMProgressIndicatorController::sharedInstance()->addProgressIndicator(this);
    } else if (auto* controller = PMProgressIndicatorController::existingInstance()) {
        controller->removeProgressIndicator(this);
    }
}

void PMProgressIndicator::updateProgressText() {
    m_text.updateProgressText(m_value, m_minimum, m_maximum, m_indeterminate);
    if (m_progressText) {
        m_progressText->setText(QString::fromStdString(m_text.progressText()));
    }
}

void PMProgressIndicator::display() {
    if (m_drawDockProgress) {
        PMProgressIndicatorController::sharedInstance()->drawProgressIndicators();
    }
    if (m_progressText) {
        m_progressText->repaint();
    }
    repaint();
}
