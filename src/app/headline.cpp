#include "app/headline.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QTimer>

namespace talvero {
namespace {

QLabel* Behaltend(QLabel* l, const char* name) {
    l->setObjectName(QString::fromLatin1(name));
    // Hidden while blinking without moving what follows.
    QSizePolicy sp = l->sizePolicy();
    sp.setRetainSizeWhenHidden(true);
    l->setSizePolicy(sp);
    return l;
}

} // namespace

Ueberschrift::Ueberschrift(QWidget* parent)
    : QObject(parent), zeile_(new QWidget(parent)),
      ausgang_(Behaltend(new QLabel(zeile_), "Label_Ausgangseinheit")),
      flagge_(Behaltend(new QLabel(zeile_), "Flagge1")),
      gleich_(Behaltend(new QLabel(zeile_), "Label2")), timer_(new QTimer(this)) {
    auto* row = new QHBoxLayout(zeile_);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(0);
    auto* caption = new QLabel(QStringLiteral("Ausgangseinheit und Ergebnis:"), zeile_);
    caption->setObjectName(QStringLiteral("Label1"));
    row->addWidget(caption);
    row->addSpacing(8);
    QFont bold = ausgang_->font();
    bold.setBold(true);
    ausgang_->setFont(bold);
    gleich_->setFont(bold);
    row->addWidget(ausgang_);
    row->addSpacing(5);
    row->addWidget(flagge_);
    row->addSpacing(3);
    row->addWidget(gleich_);
    row->addStretch(1);
    zeile_->setMinimumHeight(20);
    flagge_->hide();

    timer_->setObjectName(QStringLiteral("Timer1"));
    timer_->setInterval(500);
    connect(timer_, &QTimer::timeout, this, &Ueberschrift::Timer1Timer);
}

void Ueberschrift::Text_Flagge_oberhalb_Liste_erzeugen(const QString& text, const QPixmap& flagge) {
    timer_->start();
    anzahlBlinken_ = 0;
    ausgang_->setText(text);
    gleich_->setText(QStringLiteral("="));
    flagge_->setPixmap(flagge);
    flagge_->setFixedSize(flagge.isNull() ? QSize(0, 0) : flagge.size());
}

void Ueberschrift::Text_Flagge_oberhalb_Liste_Loeschen() {
    timer_->stop();
    ausgang_->clear();
    gleich_->clear();
    ausgang_->show();
    gleich_->show();
    flagge_->hide();
}

void Ueberschrift::sichtbar(bool an) {
    ausgang_->setVisible(an);
    flagge_->setVisible(an);
    gleich_->setVisible(an);
}

void Ueberschrift::Timer1Timer() {
    const int n = anzahlBlinken_++;
    if (n == 5) {
        timer_->stop();
        sichtbar(true);
        return;
    }
    sichtbar(Timerzaehler);
    Timerzaehler = !Timerzaehler;
}

} // namespace talvero
