#pragma once

#include <QIcon>

namespace talvero {

// The pictures of the tool buttons: the desktop theme's icon where the theme has one,
// otherwise a picture drawn here.
enum class Symbol {
    GebietInfo,
    EinheitInfo,
    Suchen,
    Ausblenden,
    Einblenden,
    Umrechnen,
    SortAlphabet,
    SortLand,
    SortGroesse,
    Fliesskomma,
    Wissenschaftlich,
};

QIcon Werkzeugsymbol(Symbol s);

} // namespace talvero
