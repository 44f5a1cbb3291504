#pragma once
// What a report says, apart from how it is laid out on paper: its title, the
// heading block of labelled values, then sections, paragraphs, notes and
// tables in order, and the text of its foot line. A feature builds the model
// of its report in the core, where a test can read every figure; the report
// engine of the windows (ui/common/Informe.h) lays it out on pages.
#include <string>
#include <utility>
#include <variant>
#include <vector>

namespace tarvel {

enum class Alineacion { Izquierda, Centro, Derecha };

struct TablaInforme {
    std::vector<std::string> cabecera;
    std::vector<std::vector<std::string>> filas;
    std::vector<Alineacion> alineacion;  // per column; left where not given
    int filasFinalesNegrita = 0;         // the last rows in bold (totals)
};

struct SeccionInforme {
    std::string titulo;
};

struct ParrafoInforme {
    std::string texto;
    bool nota = false;  // a small note in grey, for what a table's figures mean
};

using BloqueInforme = std::variant<SeccionInforme, ParrafoInforme, TablaInforme>;

struct ModeloInforme {
    std::string titulo;
    std::vector<std::pair<std::string, std::string>> datos;  // label, value
    std::vector<BloqueInforme> bloques;
    std::string pie;              // the left of every page's foot line
    std::string plantillaPagina;  // its right: %1 the page, %2 the pages
};

}  // namespace tarvel
