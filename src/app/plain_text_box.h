#pragma once

#include <QPlainTextEdit>

namespace fendrake {

// The designs' multi-line text box. Qt 6.4 crashes inserting a source without formats, which is what X gives
// for an empty clipboard or selection, so only a source with text reaches it.
class PlainTextBox : public QPlainTextEdit
{
    Q_OBJECT

public:
    using QPlainTextEdit::QPlainTextEdit;

protected:
    bool canInsertFromMimeData(const QMimeData *source) const override;
    void insertFromMimeData(const QMimeData *source) override;
};

} // namespace fendrake
