#include "database/hiding.h"

namespace talvero {

bool Gebiet_mit_Ausblendung(const QString& Gebietname) {
    return Gebietname == u"Länge" || Gebietname == u"Fläche" || Gebietname == u"Volumen" ||
           Gebietname == u"Masse";
}

const QString* Versteckliste(const Ausblendungen& a, const QString& Gebietname) {
    if (Gebietname == u"Länge")
        return &a.Reg_Laenge;
    if (Gebietname == u"Fläche")
        return &a.Reg_Flaeche;
    if (Gebietname == u"Volumen")
        return &a.Reg_Volumen;
    if (Gebietname == u"Masse")
        return &a.Reg_Masse;
    return nullptr;
}

QString* Versteckliste(Ausblendungen& a, const QString& Gebietname) {
    return const_cast<QString*>(Versteckliste(std::as_const(a), Gebietname));
}

} // namespace talvero
