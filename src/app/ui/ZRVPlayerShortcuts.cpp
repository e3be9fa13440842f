#include "app/ui/ZRVPlayerShortcuts.h"

#include <QShortcut>
#include <QWidget>

ZRVPlayerShortcuts::ZRVPlayerShortcuts(QWidget* window, Actions actions, QObject* parent)
    : QObject(parent) {
    const std::pair<QKeySequence, std::function<void()>> bindings[] = {
        {QKeySequence(Qt::Key_Space), actions.playPause},
        {QKeySequence(Qt::Key_Left), actions.jumpBackward},
        {QKeySequence(Qt::Key_Right), actions.jumpForward},
        {QKeySequence(Qt::Key_Up), actions.volumeUp},
        {QKeySequence(Qt::Key_Down), actions.volumeDown},
        {QKeySequence(Qt::Key_F), actions.toggleFullScreen},
        {QKeySequence(Qt::CTRL | Qt::Key_Equal), actions.zoomIn},
        {QKeySequence(Qt::CTRL | Qt::Key_Plus), actions.zoomIn},
        {QKeySequence(Qt::CTRL | Qt::Key_Minus), actions.zoomOut},
        {QKeySequence(Qt::Key_S), actions.swap},
        {QKeySequence(Qt::CTRL | Qt::Key_Comma), actions.showSettingPanel},
    };
    for (const auto& [keys, action] : bindings) {
        if (!action) {
            continue;
        }
        // Window-wide, so the keys work whichever control has the focus; the
        // list's own arrow-key browsing gives way to them.
        auto* shortcut = new QShortcut(keys, window, nullptr, nullptr, Qt::WindowShortcut);
        connect(shortcut, &QShortcut::activated, this, action);
    }
}
