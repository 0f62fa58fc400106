#include "app/form4.h"

#include "app/services/http_fetch.h"
#include "app/services/markers.h"
#include "app/services/message_box.h"
#include "app/services/pause.h"
#include "app/single_instance.h"
#include "app/update_notice.h"
#include "ui_form4.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QScreen>

#include <exception>

namespace fendrake {

Form4::Form4(QWidget *parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint), ui(std::make_unique<Ui::Form4>()),
      m_artwork(splashArtwork())
{
    ui->setupUi(this);
    QPalette white = ui->Label1->palette();
    white.setColor(QPalette::WindowText, Qt::white);
    ui->Label1->setPalette(white);
}

Form4::~Form4() = default;

bool Form4::Form_Load()
{
    return !anotherCopyRunning();
}

bool Form4::Form_Initialize()
{
    if (!Form_Load())
        return false;
    if (const QScreen *screen = this->screen())
        move(screen->geometry().center() - rect().center());
    show();
    Pause(1);
    checkVersion();
    hide();
    return true;
}

void Form4::checkVersion()
{
    // The notice is information only: a page that cannot be read or cut shows nothing.
    try {
        PageText = GetHttpText(updateNoticeAddress());
    } catch (const std::exception &) {
        return;
    }
    const VersionCut cut = newestVersionCut(PageText);
    MarkPos1 = cut.start;
    MarkPos2 = cut.end;
    const std::optional<QString> newest = cutText(PageText, MarkPos1, MarkPos2 - MarkPos1);
    if (newest && !isCurrentVersion(*newest))
        showMessage(this, MessageIcon::Information, QStringLiteral("版本信息"), versionNoticeMessage(*newest));
}

void Form4::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.drawPixmap(0, 0, m_artwork);
}

QPixmap splashArtwork()
{
    QPixmap picture(518, 305);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);

    QLinearGradient sky(0, 0, 0, 305);
    sky.setColorAt(0, QColor(0x0b, 0x2a, 0x4a));
    sky.setColorAt(1, QColor(0x1c, 0x5d, 0x8c));
    painter.fillRect(picture.rect(), sky);

    // A shield with a tick: the program's one promise, checked before trusting.
    QRadialGradient glow(QPointF(130, 130), 110);
    glow.setColorAt(0, QColor(255, 255, 255, 60));
    glow.setColorAt(1, QColor(255, 255, 255, 0));
    painter.fillRect(picture.rect(), glow);
    QPainterPath shield;
    shield.moveTo(130, 50);
    shield.cubicTo(165, 70, 190, 72, 205, 70);
    shield.cubicTo(205, 150, 180, 195, 130, 220);
    shield.cubicTo(80, 195, 55, 150, 55, 70);
    shield.cubicTo(70, 72, 95, 70, 130, 50);
    painter.setPen(QPen(QColor(0xe8, 0xf1, 0xf8), 4));
    painter.setBrush(QColor(0x2f, 0x8f, 0xd0));
    painter.drawPath(shield);
    painter.setPen(QPen(QColor(0xff, 0xff, 0xff), 12, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.drawPolyline(QPolygonF({QPointF(98, 135), QPointF(123, 162), QPointF(167, 108)}));

    painter.setPen(QColor(0xff, 0xff, 0xff));
    QFont name(QStringLiteral("Verdana"), 30, QFont::Bold);
    painter.setFont(name);
    painter.drawText(QRect(230, 80, 270, 60), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("Fendrake"));
    QFont version(QStringLiteral("Verdana"), 12);
    painter.setFont(version);
    painter.setPen(QColor(0xc8, 0xdc, 0xee));
    painter.drawText(QRect(232, 140, 270, 30), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("4.02"));
    return picture;
}

} // namespace fendrake
