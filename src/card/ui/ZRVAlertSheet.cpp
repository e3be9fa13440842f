#include "card/ui/ZRVAlertSheet.h"

#include <QGuiApplication>
#include <QMessageBox>

QMessageBox* showAlertSheet(QWidget* window, const QString& messageText,
                            const QString& informativeText, std::function<void()> didEnd) {
    auto* box = new QMessageBox(QMessageBox::Warning, QGuiApplication::applicationDisplayName(),
                                messageText, QMessageBox::Ok, window);
    box->setObjectName(QStringLiteral("alertSheet"));
    box->setInformativeText(informativeText);
    box->setWindowModality(window != nullptr ? Qt::WindowModal : Qt::ApplicationModal);
    box->setAttribute(Qt::WA_DeleteOnClose);
    if (didEnd) {
        QObject::connect(box, &QMessageBox::finished, box,
                         [didEnd = std::move(didEnd)] { didEnd(); });
    }
    box->open();
    return box;
}
