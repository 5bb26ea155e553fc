#include "app/ToolbarIcons.h"

#include "app/ProgramInfo.h"

#include <QFont>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QtMath>

namespace qor {

namespace {

// Every picture is drawn on a 16 x 16 grid and scaled to the size asked for.
void draw(QPainter& p, ToolIcon kind) {
    const QColor ink(40, 40, 40);
    auto pen = [&](QColor c, double w) {
        QPen pn(c, w);
        pn.setCapStyle(Qt::RoundCap);
        pn.setJoinStyle(Qt::RoundJoin);
        p.setPen(pn);
    };
    auto letterIn = [&](QColor fill, const QString& letter, double pointSize) {
        p.setPen(fill.darker(140));
        p.setBrush(fill);
        p.drawEllipse(QRectF(1, 1, 14, 14));
        QFont f(QStringLiteral("DejaVu Sans"));
        f.setPixelSize(static_cast<int>(pointSize));
        f.setBold(true);
        p.setFont(f);
        p.setPen(Qt::white);
        p.drawText(QRectF(1, 1, 14, 14), Qt::AlignCenter, letter);
    };

    switch (kind) {
    case ToolIcon::Help:
        letterIn(QColor(40, 100, 200), QStringLiteral("?"), 11);
        break;
    case ToolIcon::Version:
        letterIn(QColor(40, 140, 170), QStringLiteral("i"), 11);
        break;
    case ToolIcon::Percent:
        letterIn(QColor(230, 130, 20), QStringLiteral("%"), 9);
        break;
    case ToolIcon::Setup: {
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(110, 110, 120));
        p.save();
        p.translate(8, 8);
        for (int i = 0; i < 8; ++i) {
            p.drawRect(QRectF(-1.5, -7.5, 3, 4));
            p.rotate(45);
        }
        p.restore();
        p.drawEllipse(QPointF(8, 8), 5, 5);
        p.setBrush(QColor(235, 235, 235));
        p.drawEllipse(QPointF(8, 8), 2, 2);
        break;
    }
    case ToolIcon::Start: {
        QPainterPath tri;
        tri.moveTo(4, 2);
        tri.lineTo(14, 8);
        tri.lineTo(4, 14);
        tri.closeSubpath();
        p.setPen(QColor(20, 110, 30));
        p.setBrush(QColor(50, 170, 60));
        p.drawPath(tri);
        break;
    }
    case ToolIcon::Result:
        pen(QColor(20, 120, 200), 2.6);
        p.drawPolyline(QPolygonF({QPointF(2.5, 8.5), QPointF(6.5, 12.5), QPointF(13.5, 3.5)}));
        break;
    case ToolIcon::Stop:
        p.setPen(QColor(150, 20, 20));
        p.setBrush(QColor(210, 40, 40));
        p.drawRoundedRect(QRectF(3, 3, 10, 10), 1.5, 1.5);
        break;
    case ToolIcon::Graph:
        pen(ink, 1);
        p.drawLine(QPointF(1.5, 1.5), QPointF(1.5, 14.5));
        p.drawLine(QPointF(1.5, 14.5), QPointF(14.5, 14.5));
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(220, 60, 60));
        p.drawRect(QRectF(3.5, 8, 3, 6));
        p.setBrush(QColor(60, 160, 70));
        p.drawRect(QRectF(7.5, 4, 3, 10));
        p.setBrush(QColor(50, 100, 210));
        p.drawRect(QRectF(11.5, 6, 3, 8));
        break;
    case ToolIcon::Find:
        pen(QColor(60, 60, 70), 2);
        p.setBrush(QColor(200, 230, 250));
        p.drawEllipse(QPointF(6.5, 6.5), 4.5, 4.5);
        pen(QColor(120, 80, 30), 2.8);
        p.drawLine(QPointF(10, 10), QPointF(14.5, 14.5));
        break;
    case ToolIcon::ErrorNum:
        p.setPen(QColor(120, 120, 120));
        p.setBrush(Qt::white);
        p.drawRect(QRectF(1.5, 1.5, 10, 13));
        pen(QColor(150, 150, 150), 1);
        for (double y : {4.5, 7.5, 10.5})
            p.drawLine(QPointF(3.5, y), QPointF(9.5, y));
        pen(QColor(210, 30, 30), 2);
        p.drawLine(QPointF(9, 9), QPointF(14.5, 14.5));
        p.drawLine(QPointF(14.5, 9), QPointF(9, 14.5));
        break;
    case ToolIcon::ShowError:
        pen(QColor(210, 30, 30), 3);
        p.drawLine(QPointF(3.5, 3.5), QPointF(12.5, 12.5));
        p.drawLine(QPointF(12.5, 3.5), QPointF(3.5, 12.5));
        break;
    case ToolIcon::Homepage: {
        QPainterPath roof;
        roof.moveTo(1, 8);
        roof.lineTo(8, 1.5);
        roof.lineTo(15, 8);
        roof.closeSubpath();
        p.setPen(QColor(150, 40, 30));
        p.setBrush(QColor(210, 70, 50));
        p.drawPath(roof);
        p.setPen(QColor(120, 100, 60));
        p.setBrush(QColor(245, 225, 170));
        p.drawRect(QRectF(3.5, 8, 9, 6.5));
        p.setBrush(QColor(120, 80, 40));
        p.drawRect(QRectF(6.5, 10, 3, 4.5));
        break;
    }
    case ToolIcon::PlayVoice: {
        QPainterPath body;
        body.moveTo(1.5, 6);
        body.lineTo(4.5, 6);
        body.lineTo(8.5, 2.5);
        body.lineTo(8.5, 13.5);
        body.lineTo(4.5, 10);
        body.lineTo(1.5, 10);
        body.closeSubpath();
        p.setPen(QColor(50, 50, 60));
        p.setBrush(QColor(90, 90, 110));
        p.drawPath(body);
        pen(QColor(40, 110, 200), 1.3);
        p.setBrush(Qt::NoBrush);
        p.drawArc(QRectF(6.5, 5, 5, 6), -60 * 16, 120 * 16);
        p.drawArc(QRectF(5.5, 2.5, 9, 11), -60 * 16, 120 * 16);
        break;
    }
    case ToolIcon::History:
        p.setPen(QColor(60, 60, 80));
        p.setBrush(QColor(250, 250, 235));
        p.drawEllipse(QPointF(8, 8), 6.5, 6.5);
        pen(QColor(40, 40, 60), 1.5);
        p.drawLine(QPointF(8, 8), QPointF(8, 3.5));
        p.drawLine(QPointF(8, 8), QPointF(11.5, 9.5));
        break;
    case ToolIcon::SelectDic: {
        p.setPen(QColor(160, 120, 20));
        p.setBrush(QColor(235, 190, 60));
        p.drawRect(QRectF(1.5, 4.5, 12, 9));
        p.drawRect(QRectF(1.5, 3, 5, 2));
        QPainterPath flap;
        flap.moveTo(3.5, 7.5);
        flap.lineTo(15, 7.5);
        flap.lineTo(13.5, 13.5);
        flap.lineTo(1.5, 13.5);
        flap.closeSubpath();
        p.setBrush(QColor(250, 215, 100));
        p.drawPath(flap);
        break;
    }
    case ToolIcon::PrintDic:
        p.setPen(QColor(80, 80, 80));
        p.setBrush(Qt::white);
        p.drawRect(QRectF(4.5, 1.5, 7, 5));
        p.setBrush(QColor(150, 150, 160));
        p.drawRoundedRect(QRectF(1.5, 6.5, 13, 6), 1, 1);
        p.setBrush(Qt::white);
        p.drawRect(QRectF(4.5, 10.5, 7, 4));
        p.setPen(QColor(60, 200, 60));
        p.drawPoint(QPointF(12.5, 8.5));
        break;
    case ToolIcon::MakeDic:
        p.setPen(QColor(30, 60, 130));
        p.setBrush(QColor(60, 100, 190));
        p.drawRect(QRectF(2.5, 1.5, 10, 13));
        p.setBrush(Qt::white);
        p.drawRect(QRectF(12.5, 2.5, 1.5, 11));
        pen(Qt::white, 1);
        p.drawLine(QPointF(5, 5), QPointF(10, 5));
        p.drawLine(QPointF(5, 7.5), QPointF(9, 7.5));
        break;
    case ToolIcon::NewText: {
        QPainterPath page;
        page.moveTo(2.5, 1.5);
        page.lineTo(9.5, 1.5);
        page.lineTo(12.5, 4.5);
        page.lineTo(12.5, 14.5);
        page.lineTo(2.5, 14.5);
        page.closeSubpath();
        p.setPen(QColor(100, 100, 100));
        p.setBrush(Qt::white);
        p.drawPath(page);
        p.drawLine(QPointF(9.5, 1.5), QPointF(9.5, 4.5));
        p.drawLine(QPointF(9.5, 4.5), QPointF(12.5, 4.5));
        pen(QColor(40, 160, 50), 2);
        p.drawLine(QPointF(11.5, 9), QPointF(11.5, 15));
        p.drawLine(QPointF(8.5, 12), QPointF(14.5, 12));
        break;
    }
    case ToolIcon::Memo:
        p.setPen(QColor(110, 110, 90));
        p.setBrush(QColor(255, 250, 200));
        p.drawRect(QRectF(1.5, 2.5, 10, 12));
        pen(QColor(150, 150, 130), 1);
        for (double y : {5.5, 8.5, 11.5})
            p.drawLine(QPointF(3.5, y), QPointF(9.5, y));
        pen(QColor(200, 120, 30), 2.2);
        p.drawLine(QPointF(8, 12), QPointF(14, 4));
        break;
    case ToolIcon::Close:
        pen(QColor(70, 70, 70), 1.6);
        p.drawLine(QPointF(4.5, 4.5), QPointF(11.5, 11.5));
        p.drawLine(QPointF(11.5, 4.5), QPointF(4.5, 11.5));
        break;
    case ToolIcon::Program: {
        QLinearGradient g(0, 0, 0, 16);
        g.setColorAt(0, QColor(70, 140, 220));
        g.setColorAt(1, QColor(20, 70, 150));
        p.setPen(Qt::NoPen);
        p.setBrush(g);
        p.drawRoundedRect(QRectF(0.5, 0.5, 15, 15), 3, 3);
        QFont f(QStringLiteral("DejaVu Serif"));
        f.setPixelSize(12);
        f.setBold(true);
        p.setFont(f);
        p.setPen(Qt::white);
        p.drawText(QRectF(0, 0, 16, 15.5), Qt::AlignCenter, QStringLiteral("Q"));
        break;
    }
    }
}

QPixmap picture(ToolIcon kind, int size) {
    QPixmap pm(size, size);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    p.scale(size / 16.0, size / 16.0);
    draw(p, kind);
    return pm;
}

} // namespace

QIcon toolIcon(ToolIcon kind) {
    QIcon icon;
    for (int size : {16, 24, 32, 48})
        icon.addPixmap(picture(kind, size));
    return icon;
}

QPixmap titlePicture() {
    QPixmap pm(367, 139);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);

    QLinearGradient sky(0, 0, 0, 139);
    sky.setColorAt(0, QColor(28, 74, 150));
    sky.setColorAt(1, QColor(10, 30, 70));
    p.fillRect(pm.rect(), sky);

    // Faint letters drifting behind the title: the words the learner will meet.
    QFont faint(QStringLiteral("DejaVu Serif"));
    faint.setPixelSize(15);
    faint.setItalic(true);
    p.setFont(faint);
    p.setPen(QColor(255, 255, 255, 38));
    const char* words[] = {"apple", "learn", "remember", "vocabulary", "word", "spell"};
    for (int i = 0; i < 6; ++i)
        p.drawText(QPointF(12 + (i * 71) % 320, 22 + (i * 37) % 110),
                   QString::fromLatin1(words[i]));

    QPixmap icon = toolIcon(ToolIcon::Program).pixmap(48, 48);
    p.drawPixmap(20, 30, icon);

    QFont title(QStringLiteral("DejaVu Serif"));
    title.setPixelSize(38);
    title.setBold(true);
    p.setFont(title);
    p.setPen(QColor(0, 0, 0, 90));
    p.drawText(QPointF(82, 70), QStringLiteral("Qor Helper"));
    p.setPen(Qt::white);
    p.drawText(QPointF(80, 68), QStringLiteral("Qor Helper"));

    QFont sub(QStringLiteral("ＭＳ Ｐゴシック"));
    sub.setPixelSize(14);
    p.setFont(sub);
    p.setPen(QColor(200, 220, 255));
    p.drawText(QPointF(82, 94), QStringLiteral("英単語学習ソフト"));

    QFont small(QStringLiteral("ＭＳ Ｐゴシック"));
    small.setPixelSize(11);
    p.setFont(small);
    p.setPen(QColor(170, 190, 230));
    p.drawText(QRectF(0, 112, 355, 20), Qt::AlignRight | Qt::AlignVCenter,
               QString::fromLatin1(kVersionText) + QStringLiteral("　　起動しています..."));

    p.setPen(QColor(120, 160, 230));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(0.5, 0.5, 366, 138));
    return pm;
}

} // namespace qor
