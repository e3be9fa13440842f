#include "settings/ui/ZRVSettingSavedText.h"

#include "common/ui/ZRVLocalized.h"

namespace {

constexpr std::size_t kShownChanges = 12;

QString changesText(const std::vector<std::string>& changes) {
    if (changes.empty()) {
        return localized("msg.no_changed_settings");
    }
    QString text = localized("msg.changed_settings");
    for (std::size_t i = 0; i < std::min(changes.size(), kShownChanges); ++i) {
        text += QLatin1Char('\n') + QString::fromStdString(changes[i]);
    }
    if (changes.size() > kShownChanges) {
        text += QLatin1Char('\n') + localizedNumber("msg.more_changed_settings_fmt",
                                                    int(changes.size() - kShownChanges));
    }
    return text;
}

} // namespace

QString settingSavedText(const SettingFileSave& saved) {
    QString text = localized("msg.saved") + QStringLiteral("\n\n") + changesText(saved.changes);
    if (saved.backup) {
        text += QStringLiteral("\n\n") + localized("msg.backup_kept") + QLatin1Char('\n') +
                QString::fromStdString(saved.backup->string());
    }
    return text;
}
