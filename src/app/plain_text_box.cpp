#include "app/plain_text_box.h"

#include <QMimeData>

namespace fendrake {

bool PlainTextBox::canInsertFromMimeData(const QMimeData *source) const
{
    return source && source->hasText() && QPlainTextEdit::canInsertFromMimeData(source);
}

// Ctrl+V, Shift+Insert, the menu's paste and the middle click's selection all come through here.
void PlainTextBox::insertFromMimeData(const QMimeData *source)
{
    if (source && source->hasText())
        QPlainTextEdit::insertFromMimeData(source);
}

} // namespace fendrake
