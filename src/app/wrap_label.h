#pragma once

#include <QLabel>

namespace fendrake {

// A label whose text wraps in its width, its lines as close as the designs expect (see TightText).
class WrapLabel : public QLabel
{
    Q_OBJECT

public:
    explicit WrapLabel(QWidget *parent = nullptr);

protected:
    void paintEvent(QPaintEvent *event) override;
};

} // namespace fendrake
