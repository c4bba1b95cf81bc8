#pragma once

#include <QObject>
#include <QPixmap>

class QLabel;
class QTimer;
class QWidget;

namespace talvero {

// The headline above the unit list after a computation: value and unit
// (Label_Ausgangseinheit), the unit's flag (Flagge1) and "=" (Label2). It blinks with
// five changes 500 ms apart (Timer1) and then stays visible.
class Ueberschrift : public QObject {
    Q_OBJECT
public:
    explicit Ueberschrift(QWidget* parent);

    QWidget* widget() const { return zeile_; }

    // Shows "value  unit", the flag and "=" and starts the blinking.
    void Text_Flagge_oberhalb_Liste_erzeugen(const QString& text, const QPixmap& flagge);
    // Empties the headline and stops the blinking.
    void Text_Flagge_oberhalb_Liste_Loeschen();

    // One blink step; the timer calls it every 500 ms.
    void Timer1Timer();

    QLabel* Label_Ausgangseinheit() const { return ausgang_; }
    QLabel* Flagge1() const { return flagge_; }
    QLabel* Label2() const { return gleich_; }
    QTimer* Timer1() const { return timer_; }
    int Anzahl_Blinken() const { return anzahlBlinken_; }

private:
    void sichtbar(bool an);

    QWidget* zeile_;
    QLabel* ausgang_;
    QLabel* flagge_;
    QLabel* gleich_;
    QTimer* timer_;
    // The blink phase is kept from one computation to the next, so the first change is
    // sometimes a hide and sometimes a show.
    bool Timerzaehler = true;
    int anzahlBlinken_ = 0;
};

} // namespace talvero
