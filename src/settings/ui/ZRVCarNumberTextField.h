#pragma once

#include <QLineEdit>

// The licence plate field: when editing ends it keeps only the ASCII letters
// and digits of its text, at most eight, which always fit the record's plate
// field whole.
class ZRVCarNumberTextField : public QLineEdit {
    Q_OBJECT

public:
    explicit ZRVCarNumberTextField(QWidget* parent = nullptr);

    // Cleans the text when the user has changed it since it was last set or
    // cleaned. Saving runs it too: a save by key does not end the editing,
    // and a plate the user never touched is kept as the card holds it.
    void textDidEndEditing();
};
