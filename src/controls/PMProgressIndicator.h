#pragma once

#include "card/PMProgressText.h"

#include <QLabel>
#include <QPointer>
#include <QProgressBar>

// The progress bar of long jobs and the busy indicator. Besides
// drawing itself it mirrors its state on the application icon through
// PMProgressIndicatorController, and it can write a percent-completed and
// time-remaining text into a companion label.
//
// Values are doubles between minValue() and maxValue() (0 and 100 at start);
// the Qt bar shows them at a resolution of 1/1000 of the range, and runs its
// busy animation while indeterminate. Use setDoubleValue, not
// QProgressBar::setValue, so that the icon and the text follow.
class PMProgressIndicator : public QProgressBar {
    Q_OBJECT
    Q_PROPERTY(double doubleValue READ doubleValue WRITE setDoubleValue)
    Q_PROPERTY(bool indeterminate READ isIndeterminate WRITE setIndeterminate)
    Q_PROPERTY(bool drawDockProgress READ drawDockProgress WRITE setDrawDockProgress)

public:
    using Clock = PMProgressText::Clock;

    // As after loading from the window description: drawDockProgress and
    // displayTimeRemaining true, displayPercentage and alreadyBounced false,
    // lastValue 0. The bar is not registered until it is given a value or
    // setDrawDockProgress(true). The clock times the remaining-time estimate.
    explicit PMProgressIndicator(QWidget* parent = nullptr, Clock clock = {});
    // Leaves the application icon (setDrawDockProgress(false)).
    ~PMProgressIndicator() override;

    // k = v truncated, plus 0.5, truncated again. When k equals lastValue
    // nothing happens at all; otherwise the value becomes v and lastValue k,
    // the bar registers with the controller when drawDockProgress is set and
    // unregisters again at f <= 1e-5 or f >= 1 - 1e-5, and the progress text
    // is brought up to date. A value that is not a number is ignored.
    void setDoubleValue(double value);
    double doubleValue() const { return m_value; }
    void setMinValue(double minimum);
    double minValue() const { return m_minimum; }
    void setMaxValue(double maximum);
    double maxValue() const { return m_maximum; }
    void setIndeterminate(bool indeterminate);
    bool isIndeterminate() const { return m_indeterminate; }
    // The bar's own animation (the icon's stripes move while an indeterminate
    // bar is registered, animating or not).
    void startAnimation();
    void stopAnimation();
    bool isAnimating() const { return m_animating; }
    // f = (value - minimum) / (maximum - minimum); 0 for an empty range.
    double fraction() const;

    QLabel* progressText() const { return m_progressText; }
    void setProgressText(QLabel* label);
    bool drawDockProgress() const { return m_drawDockProgress; }
    // Stores the flag and registers (true) or unregisters (false) the bar.
    void setDrawDockProgress(bool draw);
    bool displayPercentage() const { return m_text.displayPercentage(); }
    void setDisplayPercentage(bool display) { m_text.setDisplayPercentage(display); }
    bool displayTimeRemaining() const { return m_text.displayTimeRemaining(); }
    void setDisplayTimeRemaining(bool display) { m_text.setDisplayTimeRemaining(display); }
    bool alreadyBounced() const { return m_alreadyBounced; }
    int lastValue() const { return m_lastValue; }

    // Writes the percentage and remaining-time text into progressText.
    void updateProgressText();
    // Redraws the icon at once (when drawDockProgress), the text and the bar.
    void display();

    // The whole number of the rule above, within the range of int.
    static int wholeNumber(double value);

private:
    void showValue();

    static constexpr int kResolution = 1000;

    PMProgressText m_text;
    QPointer<QLabel> m_progressText;
    double m_value = 0;
    double m_minimum = 0;
    double m_maximum = 100;
    bool m_indeterminate = false;
    bool m_animating = false;
    bool m_drawDockProgress = true;
    bool m_alreadyBounced = false;
    int m_lastValue = 0;
};
