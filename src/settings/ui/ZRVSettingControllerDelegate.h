#pragma once

#include <QString>
#include <optional>

struct _FILEDATA;
class ZRVSettingController;

// What the settings window asks of each page. A page shows and edits the
// window's one live record through a pointer; it never owns the record.
class ZRVSettingControllerDelegate {
public:
    virtual ~ZRVSettingControllerDelegate() = default;

    // Keeps the pointer and shows the record's values at once.
    virtual void setFileData(_FILEDATA* fileData) = 0;
    // Writes the controls into the record. False stops the window from going
    // on; the page has told the user why.
    virtual bool populate() = 0;
    // The message to show when the controls hold input that cannot be saved.
    virtual std::optional<QString> validateUserInput() = 0;
    // The window, held weakly.
    virtual void setMainController(ZRVSettingController* controller) = 0;
    // The page is about to be removed.
    virtual void onHide() {}
};
