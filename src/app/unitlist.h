#pragma once

#include "database/records.h"

#include <QAbstractListModel>
#include <QListView>
#include <QStyledItemDelegate>

namespace talvero {

class Flaggenspeicher;

// The rows of the unit list: entry i of ObjektListe is row i. The model reads the
// window's list and display state; Werte_neu() tells the view that they changed.
class Einheitenmodell : public QAbstractListModel {
    Q_OBJECT
public:
    enum Rolle { ErgebnisRolle = Qt::UserRole + 1, LandRolle };

    Einheitenmodell(const ObjektListe& liste, const bool& Rechenmodus,
                    const bool& Ausgabe_wissenschaftlich, QObject* parent);

    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;

    void Werte_neu();

private:
    const ObjektListe& liste_;
    const bool& rechenmodus_;
    const bool& wissenschaftlich_;
};

// Hint of a row: the symbol (or the name if there is none), " - " and the country.
QString Einheitenhinweis(const TAusgabetextobject& e);

// Draws one row: the result on the left, the name from one third of the width, the
// flag at the right end; odd rows silver, the selected and the current row highlighted.
class Einheitenzeichner : public QStyledItemDelegate {
public:
    Einheitenzeichner(Flaggenspeicher& flaggen, QObject* parent);

    void paint(QPainter* p, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;

private:
    Flaggenspeicher& flaggen_;
};

// The unit list: fixed row height, several rows selectable.
class Einheitenliste : public QListView {
    Q_OBJECT
public:
    explicit Einheitenliste(QWidget* parent);

    // Row height from the list's font; the flags (16 pixels) always fit.
    int Zeilenhoehe() const;

protected:
    void changeEvent(QEvent* event) override;
};

} // namespace talvero
