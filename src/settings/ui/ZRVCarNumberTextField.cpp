#include "settings/ui/ZRVCarNumberTextField.h"

#include "settings/CarNumberText.h"

ZRVCarNumberTextField::ZRVCarNumberTextField(QWidget* parent) : QLineEdit(parent) {
    connect(this, &QLineEdit::editingFinished, this, &ZRVCarNumberTextField::textDidEndEditing);
}

void ZRVCarNumberTextField::textDidEndEditing() {
    if (isModified()) {
        setText(QString::fromStdString(cleanCarNumberText(text().toStdString())));
    }
}
