#pragma once
// Number entry fields: of the typed characters only the digits, backspace
// and character 7 get through. Keys that type no character (arrows, Delete)
// and Tab are left alone; pasting is refused by a digits-only validator.
#include <QObject>

class QLineEdit;

bool NumberKeyPasses(QChar c);
void MakeNumberField(QLineEdit* edit);

class NumberKeyFilter : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};
