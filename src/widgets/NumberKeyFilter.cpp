#include "widgets/NumberKeyFilter.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QRegularExpressionValidator>

bool NumberKeyPasses(QChar c) {
    return (c >= u'0' && c <= u'9') || c == QChar(8) || c == QChar(7);
}

void MakeNumberField(QLineEdit* edit) {
    edit->installEventFilter(new NumberKeyFilter(edit));
    edit->setValidator(
        new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), edit));
}

bool NumberKeyFilter::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress) return QObject::eventFilter(watched, event);
    const auto* key = static_cast<QKeyEvent*>(event);
    if (key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab) return false;
    const QString text = key->text();
    for (QChar c : text)
        if (!NumberKeyPasses(c)) return true;
    return false;
}
