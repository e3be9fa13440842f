#pragma once

#include <QLabel>

// The time beside a position slider. Its digits are all of one width and it
// has room for "00:00 / 00:00" from the start, so the slider beside it keeps
// its length while the time runs.
class ZRVPlayTimeField : public QLabel {
    Q_OBJECT

public:
    explicit ZRVPlayTimeField(QWidget* parent = nullptr);
};
