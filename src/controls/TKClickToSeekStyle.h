#pragma once

#include <QProxyStyle>

// Sliders that go straight to where they are clicked, as people expect of a
// play position or a volume, rather than stepping a page towards the click.
class TKClickToSeekStyle : public QProxyStyle {
    Q_OBJECT

public:
    using QProxyStyle::QProxyStyle;

    int styleHint(StyleHint hint, const QStyleOption* option = nullptr,
                  const QWidget* widget = nullptr,
                  QStyleHintReturn* returnData = nullptr) const override;
};
