#include "typing_key.h"

#include <QKeyEvent>

bool isTypingKey(const QKeyEvent* event) {
    const QString text = event->text();
    if (text.isEmpty()) return false;
    if (event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier))
        return false;
    for (QChar c : text)
        if (!c.isPrint()) return false;
    return true;
}
