#pragma once

#include "database/records.h"

#include <QMainWindow>
#include <vector>

class QComboBox;

namespace talvero {

// The main window: holds the program state and delegates everything else to the core.
class TMyWindow : public QMainWindow {
    Q_OBJECT
public:
    explicit TMyWindow(QWidget* parent = nullptr);

    // The start-up sequence: seeds the data folder and fills the area box.
    void FormShow();

    const std::vector<Typ_GruppenInfo>& gruppeninfos() const { return Gruppeninfos; }

private:
    QComboBox* ComboBox2 = nullptr;
    std::vector<Typ_GruppenInfo> Gruppeninfos;
    QString GebietInfoString;
};

} // namespace talvero
