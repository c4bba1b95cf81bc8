#include "app/unitlist.h"

#include "app/flags.h"

#include <QApplication>
#include <QEvent>
#include <QPainter>
#include <cmath>

namespace talvero {

Einheitenmodell::Einheitenmodell(const ObjektListe& liste, const bool& Rechenmodus,
                                 const bool& Ausgabe_wissenschaftlich, QObject* parent)
    : QAbstractListModel(parent), liste_(liste), rechenmodus_(Rechenmodus),
      wissenschaftlich_(Ausgabe_wissenschaftlich) {}

int Einheitenmodell::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(liste_.size());
}

QVariant Einheitenmodell::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rowCount())
        return {};
    const TAusgabetextobject& e = liste_[static_cast<std::size_t>(index.row())];
    switch (role) {
    case Qt::DisplayRole:
        return e.Ausgabetext.Einheit;
    case Qt::ToolTipRole:
        return Einheitenhinweis(e);
    case ErgebnisRolle:
        // Results are drawn only while the list shows a computation.
        if (!rechenmodus_)
            return QString();
        return wissenschaftlich_ ? e.Rechenergebnis_wiss.text()
                                 : e.Rechenergebnis_Fliesskomma.text();
    case LandRolle:
        return e.Ausgabetext.Land_Name;
    default:
        return {};
    }
}

void Einheitenmodell::Werte_neu() {
    beginResetModel();
    endResetModel();
}

QString Einheitenhinweis(const TAusgabetextobject& e) {
    const QString& text =
        e.Ausgabetext.Kurzzeichen.isEmpty() ? e.Ausgabetext.Einheit : e.Ausgabetext.Kurzzeichen;
    return text + QStringLiteral(" - ") + e.Ausgabetext.Land_Name;
}

Einheitenzeichner::Einheitenzeichner(Flaggenspeicher& flaggen, QObject* parent)
    : QStyledItemDelegate(parent), flaggen_(flaggen) {}

void Einheitenzeichner::paint(QPainter* p, const QStyleOptionViewItem& option,
                              const QModelIndex& index) const {
    const QRect r = option.rect;
    const int left = r.left();
    const int top = r.top();
    const int right = r.left() + r.width(); // the first pixel after the row
    const int hoehe = r.height();
    const bool markiert = option.state & QStyle::State_Selected;
    const bool aktuell = option.state & QStyle::State_HasFocus;
    const QPalette& pal = option.palette;

    QColor grund = index.row() % 2 == 1 ? QColor(0xC0, 0xC0, 0xC0) : pal.color(QPalette::Base);
    QColor schrift = pal.color(QPalette::Text);
    if (markiert || aktuell) {
        grund = pal.color(QPalette::Highlight);
        schrift = pal.color(QPalette::HighlightedText);
    }
    p->save();
    p->fillRect(r, grund);
    p->setFont(option.font);
    p->setPen(schrift);

    const int nameX = left + static_cast<int>(std::lrint(right / 3.0));
    const int flaggeX = right - 2 * hoehe;
    const QRect nameRect(nameX, top, std::max(0, flaggeX - nameX - 2), hoehe);
    p->drawText(nameRect, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine,
                option.fontMetrics.elidedText(index.data(Qt::DisplayRole).toString(),
                                              Qt::ElideRight, nameRect.width()));

    const QPixmap& flagge = flaggen_.Flagge(index.data(Einheitenmodell::LandRolle).toString());
    if (!flagge.isNull())
        p->drawPixmap(flaggeX, top + (hoehe - flagge.height()) / 2, flagge);

    const QString ergebnis = index.data(Einheitenmodell::ErgebnisRolle).toString();
    if (!ergebnis.isEmpty())
        p->drawText(QRect(left + 5, top, std::max(0, nameX - left - 7), hoehe),
                    Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, ergebnis);

    if (aktuell) {
        QStyleOptionFocusRect fokus;
        fokus.rect = r;
        fokus.palette = pal;
        fokus.state = option.state | QStyle::State_KeyboardFocusChange;
        fokus.backgroundColor = grund;
        const QWidget* w = option.widget;
        (w ? w->style() : QApplication::style())
            ->drawPrimitive(QStyle::PE_FrameFocusRect, &fokus, p, w);
    }
    p->restore();
}

QSize Einheitenzeichner::sizeHint(const QStyleOptionViewItem& option,
                                  const QModelIndex& index) const {
    const auto* liste = qobject_cast<const Einheitenliste*>(option.widget);
    return {option.rect.width(), liste ? liste->Zeilenhoehe() : 18};
}

Einheitenliste::Einheitenliste(QWidget* parent) : QListView(parent) {
    setUniformItemSizes(true);
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setVerticalScrollMode(QAbstractItemView::ScrollPerItem);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setMouseTracking(true);
}

int Einheitenliste::Zeilenhoehe() const {
    return std::max(fontMetrics().height() + 2, 18);
}

void Einheitenliste::changeEvent(QEvent* event) {
    QListView::changeEvent(event);
    if (event->type() == QEvent::FontChange)
        doItemsLayout();
}

} // namespace talvero
