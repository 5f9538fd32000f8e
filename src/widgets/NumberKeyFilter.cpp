// SPDX-FileCopyrightText: 2026 Zespół Terravika
// SPDX-License-Identifier: GPL-3.0-or-later

#include "widgets/NumberKeyFilter.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QValidator>
#include <algorithm>

namespace {

bool CharacterPasses(QChar c) {
    return (c >= u'0' && c <= u'9') || c == QChar(8) || c == QChar(7);
}

// Keys the field leaves to its window: Escape goes back to the menu, and
// Enter types nothing.
bool GoesToWindow(const QKeyEvent& key) {
    return key.key() == Qt::Key_Escape || key.key() == Qt::Key_Return || key.key() == Qt::Key_Enter;
}

bool KeyPasses(const QKeyEvent& key) {
    switch (key.key()) {
        case Qt::Key_Delete:  // Qt gives it the character 127, yet it types nothing
        case Qt::Key_Tab:
        case Qt::Key_Backtab:
            return true;
        default:
            break;
    }
    if (key.modifiers() & Qt::ControlModifier) return true;
    const QString text = key.text();
    return std::all_of(text.begin(), text.end(), CharacterPasses);
}

// Keeps pasted text to the digits 0-9, as the key filter keeps typed keys;
// plain code rather than a regular expression, so that the windows holding
// such fields start no regular-expression engine.
class DigitsValidator : public QValidator {
public:
    using QValidator::QValidator;
    State validate(QString& input, int&) const override {
        const bool digits =
            std::all_of(input.begin(), input.end(), [](QChar c) { return c >= u'0' && c <= u'9'; });
        return digits ? Acceptable : Invalid;
    }
};

}  // namespace

void MakeNumberField(QLineEdit* edit) {
    edit->installEventFilter(new NumberKeyFilter(edit));
    edit->setValidator(new DigitsValidator(edit));
}

bool NumberKeyFilter::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress) return QObject::eventFilter(watched, event);
    auto* key = static_cast<QKeyEvent*>(event);
    if (GoesToWindow(*key)) {
        key->ignore();  // unhandled, so the key travels on to the field's parents
        return true;
    }
    return !KeyPasses(*key);
}
