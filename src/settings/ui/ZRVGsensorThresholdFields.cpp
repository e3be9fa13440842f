#include "settings/ui/ZRVGsensorThresholdFields.h"

#include "controls/TKSegmentedControl.h"
#include "settings/GsensorThreshold.h"
#include "settings/ZRVValidator.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>

namespace {

QString thresholdText(std::int32_t hundredths) {
    return QString::number(hundredths / 100.0, 'f', 2);
}

void storeThreshold(const QLineEdit* field, std::int32_t& threshold) {
    if (const auto hundredths = gsensorThresholdFromText(field->text().toStdString())) {
        threshold = *hundredths;
    }
}

} // namespace

ZRVGsensorThresholdFields::ZRVGsensorThresholdFields(TKSegmentedControl* level, LevelTable table,
                                                     const char* side, QWidget* parent)
    : m_level(level), m_table(table), m_row(new QWidget(parent)) {
    auto* line = new QHBoxLayout(m_row);
    line->setContentsMargins(0, 0, 0, 0);
    line->setSpacing(6);
    const char* const axes[] = {"X", "Y", "Z"};
    for (std::size_t i = 0; i < m_fields.size(); ++i) {
        QLineEdit* field = new QLineEdit(m_row);
        field->setObjectName(QStringLiteral("gsensorSensitivityThreshold%1%2Field")
                                 .arg(QLatin1String(axes[i]), QLatin1String(side)));
        field->setAlignment(Qt::AlignRight);
        // "0.00": room for a digit, the point and two decimals, and a little more.
        field->setFixedWidth(field->fontMetrics().horizontalAdvance(QStringLiteral("0.000")) + 18);
        line->addWidget(new QLabel(QLatin1String(axes[i]), m_row));
        line->addWidget(field);
        line->addSpacing(8);
        m_fields[i] = field;
    }
    line->addStretch(1);
}

bool ZRVGsensorThresholdFields::isCustom() const {
    return m_level->selectedSegment() == kCustomGsensorLevel;
}

void ZRVGsensorThresholdFields::showThresholds(const GsensorThresholds& hundredths) {
    x()->setText(thresholdText(hundredths.x));
    y()->setText(thresholdText(hundredths.y));
    z()->setText(thresholdText(hundredths.z));
}

void ZRVGsensorThresholdFields::updateThreshold() {
    const int level = m_level->selectedSegment();
    if (level >= 0 && level < kCustomGsensorLevel) {
        showThresholds(m_table(level));
    }
    enableFields(level == kCustomGsensorLevel);
}

void ZRVGsensorThresholdFields::enableFields(bool enabled) {
    for (QLineEdit* field : m_fields) {
        field->setEnabled(enabled);
    }
}

std::optional<std::pair<QLineEdit*, LocalizedMessage>> ZRVGsensorThresholdFields::validate() const {
    if (!isCustom()) {
        return std::nullopt;
    }
    for (QLineEdit* field : m_fields) {
        const std::string text = field->text().toStdString();
        const auto message =
            text.empty() ? std::optional(LocalizedMessage{"msg.gsensor_outofrange_fmt",
                                                          {ZRVValidator::kMinimumGsensorThreshold,
                                                           ZRVValidator::kMaximumGsensorThreshold}})
                         : ZRVValidator::validateGsensorThreshold(text);
        if (message) {
            return std::pair(field, *message);
        }
    }
    return std::nullopt;
}

void ZRVGsensorThresholdFields::store(std::int32_t& x, std::int32_t& y, std::int32_t& z) const {
    storeThreshold(this->x(), x);
    storeThreshold(this->y(), y);
    storeThreshold(this->z(), z);
}
