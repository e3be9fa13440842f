#pragma once

class PMProgressIndicator;
class QComboBox;
class QLabel;
class QPushButton;
class QWidget;

// The widgets of the format window: the disk list, the device and mount
// point of the disk chosen, its file system and allocation unit, the busy
// bar with its status line, and the two commands.
class ZRVFormatWindowView {
public:
    void setupUi(QWidget* window);

    QComboBox* usbDiskCombo = nullptr;
    QLabel* pathField = nullptr;
    QLabel* fileSystemLabel = nullptr;
    QLabel* fileSystemField = nullptr;
    QLabel* allocationUnitLabel = nullptr;
    QLabel* allocationUnitField = nullptr;
    PMProgressIndicator* progressBar = nullptr;
    QLabel* progressMessageField = nullptr;
    QPushButton* formatButton = nullptr;
    QPushButton* cancelButton = nullptr;
};
