#pragma once

#include "card/FormatRefusal.h"
#include "card/FormatterOutcome.h"
#include "card/TKUSBDiskEntity.h"

#include <QString>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <string>

class ZRVMounter;
class ZRVPrivilegedRunner;
class ZRVVolumes;

// Formats one card for the camera and keeps its settings, on a worker
// thread: the drive is checked afresh, config.bin is kept with the settings
// backups, the volume is unmounted, formatted with administrator rights and
// mounted again, and config.bin is put back (a factory one when the card had
// none). Nothing runs on a drive that is refused or whose settings could not
// be kept. The job finishes whatever happens to the window that started it.
class ZRVCardFormatJob {
public:
    struct Parts {
        std::shared_ptr<ZRVVolumes> volumes;
        std::shared_ptr<ZRVMounter> mounter;
        std::shared_ptr<ZRVPrivilegedRunner> runner;
        std::filesystem::path backupFolder;
    };

    struct Result {
        enum class Kind { refused, settingsNotKept, formatFailed, settingsNotPutBack, formatted };

        Kind kind = Kind::formatted;
        FormatRefusal refusal = FormatRefusal::notRemovableUsb;
        FormatterOutcome outcome;
        // The copy of the card's config.bin in the backups folder.
        std::optional<std::filesystem::path> savedSettings;
        // A factory config.bin was written (or failed to be).
        bool factorySettings = false;
        // Why the settings were not kept or put back: a text, or the key of
        // one when failureIsKey.
        std::string failure;
        bool failureIsKey = false;
    };

    // `status` gets the status lines of the steps, on the worker.
    static Result run(const TKUSBDiskEntity& disk, const Parts& parts,
                      const std::function<void(const QString&)>& status);

private:
    static void putBackSettings(const TKUSBDiskEntity& disk, const Parts& parts, Result& result);
};
