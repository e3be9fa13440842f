#pragma once

#include "settings/BasicSettingValues.h"
#include "settings/LocalizedMessage.h"

#include <array>
#include <cstdint>
#include <optional>
#include <utility>

class QLineEdit;
class QWidget;
class TKSegmentedControl;

// One impact sensitivity of the Basic page, driving or parking: its row of
// levels, and the X, Y and Z thresholds in g that a level stands for or that
// the user types for the custom level.
class ZRVGsensorThresholdFields {
public:
    using LevelTable = GsensorThresholds (*)(int level);

    // Makes the three fields in a row of their own, named after `side` as
    // "gsensorSensitivityThresholdXDrivingField".
    ZRVGsensorThresholdFields(TKSegmentedControl* level, LevelTable table, const char* side,
                              QWidget* parent);

    QWidget* row() const { return m_row; }
    QLineEdit* x() const { return m_fields[0]; }
    QLineEdit* y() const { return m_fields[1]; }
    QLineEdit* z() const { return m_fields[2]; }

    bool isCustom() const;
    // Hundredths of g shown as g with two decimals.
    void showThresholds(const GsensorThresholds& hundredths);
    // A level puts its own numbers in the fields; only the custom level lets
    // them be typed, and there they keep what they show.
    void updateThreshold();
    void enableFields(bool enabled);
    // With the custom level, the first field the camera would not take and
    // why. An empty field would be stored as 0 g, which makes every bump an
    // event: it is refused like any other number outside the range.
    std::optional<std::pair<QLineEdit*, LocalizedMessage>> validate() const;
    // The fields in hundredths, as shown; a field the check refuses keeps the
    // stored number.
    void store(std::int32_t& x, std::int32_t& y, std::int32_t& z) const;

private:
    TKSegmentedControl* m_level;
    LevelTable m_table;
    std::array<QLineEdit*, 3> m_fields{};
    QWidget* m_row;
};
