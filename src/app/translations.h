#pragma once

class QApplication;

namespace talvero {

// Installs Qt's German translation so that standard buttons read Ja, Nein, Abbrechen.
void Deutsche_Uebersetzung_installieren(QApplication& app);

} // namespace talvero
