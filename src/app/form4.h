#pragma once

#include <QPixmap>
#include <QWidget>

#include <memory>

namespace Ui {
class Form4;
}

namespace fendrake {

// The splash window: shown once per run while the update notice page is read.
class Form4 : public QWidget
{
    Q_OBJECT

public:
    explicit Form4(QWidget *parent = nullptr);
    ~Form4() override;

    // The splash sequence: shown, a one-second pause, the version check with its message when a
    // different version is announced, then hidden. False when another copy of the program runs:
    // nothing was shown and the program must end.
    bool Form_Initialize();

    // The notice page read at start and the cut positions of its newest version's text.
    QString PageText;
    qint64 MarkPos1 = 0;
    qint64 MarkPos2 = 0;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    bool Form_Load();
    void checkVersion();

    std::unique_ptr<Ui::Form4> ui;
    QPixmap m_artwork;
};

// The splash picture, 518 x 305, drawn at run time.
QPixmap splashArtwork();

} // namespace fendrake
