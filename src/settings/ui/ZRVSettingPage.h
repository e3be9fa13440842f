#pragma once

#include "settings/ui/ZRVSettingControllerDelegate.h"

#include <QPointer>
#include <QStringList>
#include <QWidget>
#include <cstdint>

class QGroupBox;
class QLabel;
class QLayout;
class TKSegmentedControl;

// What the pages share: the record pointer, the window, and the parts they
// are built from, so that every page looks and behaves alike. A page builds
// its controls in its constructor and shows the record in displayFileData.
class ZRVSettingPage : public QWidget, public ZRVSettingControllerDelegate {
    Q_OBJECT

public:
    explicit ZRVSettingPage(const char* titleKey, QWidget* parent = nullptr);

    void setFileData(_FILEDATA* fileData) override;
    // The pages whose controls offer only valid choices accept them all.
    std::optional<QString> validateUserInput() override;
    void setMainController(ZRVSettingController* controller) override;
    ZRVSettingController* mainController() const;

    // Shows the record in the controls; nothing without a record.
    virtual void displayFileData() = 0;

protected:
    _FILEDATA* fileData() const { return m_fileData; }

    // A row of choices; the labels are shown as given.
    TKSegmentedControl* segments(const char* name, const QStringList& labels);
    // A titled box holding the rows given, top to bottom.
    QGroupBox* box(const char* name, const char* titleKey, std::initializer_list<QWidget*> rows);
    // A line of explanation under a box's controls. It is not wrapped, so
    // the page's size is known before it is shown and nothing is squeezed.
    QLabel* guide(const char* name, const char* key);

    // A stored number as the selected choice; a number beyond the row
    // selects nothing.
    static void showChoice(TKSegmentedControl* control, std::int64_t value);
    // The selected choice into the field. With nothing selected (a stored
    // number the row does not offer) the field keeps its number.
    template <typename Field>
    static void storeChoice(const TKSegmentedControl* control, Field& field) {
        const int selected = selectedChoice(control);
        if (selected >= 0) {
            field = static_cast<Field>(selected);
        }
    }

private:
    static int selectedChoice(const TKSegmentedControl* control);

    _FILEDATA* m_fileData = nullptr;
    QPointer<ZRVSettingController> m_mainController;
};
