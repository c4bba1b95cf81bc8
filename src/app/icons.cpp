#include "app/icons.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace talvero {
namespace {

constexpr int Groesse = 24;

void Text(QPainter& p, const QRectF& r, const QString& text, int px, const QColor& farbe) {
    QFont f(QStringLiteral("DejaVu Sans"));
    f.setPixelSize(px);
    f.setBold(true);
    p.setFont(f);
    p.setPen(farbe);
    p.drawText(r, Qt::AlignCenter, text);
}

void Kreis_mit_i(QPainter& p, const QColor& farbe) {
    p.setPen(Qt::NoPen);
    p.setBrush(farbe);
    p.drawEllipse(QRectF(2, 2, 20, 20));
    Text(p, QRectF(2, 2, 20, 20), QStringLiteral("i"), 15, Qt::white);
}

void Auge(QPainter& p, bool durchgestrichen) {
    QPainterPath lid;
    lid.moveTo(2, 12);
    lid.quadTo(12, 2, 22, 12);
    lid.quadTo(12, 22, 2, 12);
    p.setPen(QPen(QColor(40, 40, 40), 1.6));
    p.setBrush(Qt::white);
    p.drawPath(lid);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(30, 90, 180));
    p.drawEllipse(QPointF(12, 12), 4, 4);
    if (durchgestrichen) {
        p.setPen(QPen(QColor(200, 0, 0), 2.4, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(4, 20), QPointF(20, 4));
    }
}

void Zeichnen(QPainter& p, Symbol s) {
    const QColor dunkel(40, 40, 40);
    switch (s) {
    case Symbol::GebietInfo:
        Kreis_mit_i(p, QColor(30, 90, 180));
        break;
    case Symbol::EinheitInfo:
        Kreis_mit_i(p, QColor(20, 140, 60));
        break;
    case Symbol::Suchen:
        p.setPen(QPen(dunkel, 2.4));
        p.setBrush(QColor(220, 235, 255));
        p.drawEllipse(QPointF(10, 10), 6.5, 6.5);
        p.setPen(QPen(dunkel, 3.5, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(15, 15), QPointF(21, 21));
        break;
    case Symbol::Ausblenden:
        Auge(p, true);
        break;
    case Symbol::Einblenden:
        Auge(p, false);
        break;
    case Symbol::Umrechnen:
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(230, 120, 0));
        p.drawRoundedRect(QRectF(2, 2, 20, 20), 4, 4);
        Text(p, QRectF(2, 1, 20, 20), QStringLiteral("="), 20, Qt::white);
        break;
    case Symbol::SortAlphabet:
        Text(p, QRectF(0, 0, 24, 12), QStringLiteral("A"), 11, dunkel);
        Text(p, QRectF(0, 12, 24, 12), QStringLiteral("Z"), 11, dunkel);
        break;
    case Symbol::SortLand:
        p.setPen(QPen(dunkel, 1.5));
        p.drawLine(QPointF(4, 3), QPointF(4, 22));
        p.setPen(Qt::NoPen);
        p.setBrush(Qt::black);
        p.drawRect(QRectF(5, 4, 15, 4));
        p.setBrush(QColor(220, 0, 0));
        p.drawRect(QRectF(5, 8, 15, 4));
        p.setBrush(QColor(255, 205, 0));
        p.drawRect(QRectF(5, 12, 15, 4));
        break;
    case Symbol::SortGroesse:
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(30, 90, 180));
        for (int i = 0; i < 4; ++i)
            p.drawRect(QRectF(3 + i * 5, 18 - i * 5, 4, 4 + i * 5));
        break;
    case Symbol::Fliesskomma:
        Text(p, QRectF(0, 0, 24, 24), QStringLiteral("0,5"), 10, dunkel);
        break;
    case Symbol::Wissenschaftlich:
        Text(p, QRectF(0, 0, 24, 24), QStringLiteral("E+3"), 9, dunkel);
        break;
    }
}

const char* Themenname(Symbol s) {
    switch (s) {
    case Symbol::GebietInfo:
        return "dialog-information";
    case Symbol::Suchen:
        return "edit-find";
    default:
        // The theme has no picture that says what the others do.
        return nullptr;
    }
}

} // namespace

QIcon Werkzeugsymbol(Symbol s) {
    QPixmap pm(Groesse, Groesse);
    pm.fill(Qt::transparent);
    {
        QPainter p(&pm);
        p.setRenderHint(QPainter::Antialiasing);
        p.setRenderHint(QPainter::TextAntialiasing);
        Zeichnen(p, s);
    }
    const QIcon gezeichnet(pm);
    if (const char* name = Themenname(s))
        return QIcon::fromTheme(QString::fromLatin1(name), gezeichnet);
    return gezeichnet;
}

} // namespace talvero
