#pragma once
// The two reference tables of curve numbers: the general table (57 body rows,
// rows 1 to 57 of Datos.dat) and the table of arid and semiarid zones (15 body
// rows, rows 58 to 72). Their headings and row labels are fixed here as string
// ids; only the four values of each row come from the data file.
//
// Cells are addressed by grid row and column, both from 0. Rows 0 and 1 of each
// grid are its two heading rows; the body starts at row 2, so data row r lies in
// grid row r + 1 of the general table and r - 56 of the arid table.
#include <array>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "data/Datos.h"

namespace tarvel {

enum class TablaReferencia { General, Arida };

inline constexpr int kFilasCabecera = 2;

// A label is the texts of up to three string ids joined with nothing between
// them (the pieces carry their own blanks); 0 ends the list. All zeros is a
// cell that is never written and stays blank.
using Etiqueta = std::array<int, 3>;

struct FilaCuerpo {
    int filaDatos;                     // row of Datos.dat whose four values fill the soil-group columns
    std::array<Etiqueta, 3> columnas;  // the descriptive columns, left to right (the arid table uses two)
};

struct EstructuraTabla {
    int filas;                            // heading rows included
    int columnas;
    int primeraColumnaSuelo;              // group A; columns to its left are descriptive
    int columnaCondicion;                 // hydrologic condition, the first shaded column
    std::array<int, 7> anchosTwips;       // 1440 twips to the inch
    std::array<std::array<int, 7>, kFilasCabecera> cabecera;  // string id of each heading cell
    std::span<const FilaCuerpo> cuerpo;   // grid rows 2 to filas - 1, in order
};

const EstructuraTabla& Estructura(TablaReferencia tabla);

// Grid row of a row of Datos.dat in its table (general 1-57, arid 58-72).
int FilaRejilla(TablaReferencia tabla, int filaDatos);

// The texts of a label in language 1 (Spanish) or 2 (English).
std::string TextoEtiqueta(const Etiqueta& etiqueta, int idioma);

// Every cell's text, [row][column]: headings, labels, and the fields of the
// data rows exactly as the file gives them ("-1" included). `datos` holds the
// rows of Datos.dat from row 1 on, as LeerDatos returns them; a body row whose
// data row is missing keeps its value cells blank.
using CeldasTabla = std::vector<std::vector<std::string>>;
CeldasTabla CeldasDeTabla(TablaReferencia tabla, std::span<const FilaDatos> datos, int idioma);

// Cells drawn as one: a rectangle from its top-left cell.
struct UnionCeldas {
    int fila, columna, filas, columnas;
    friend bool operator==(const UnionCeldas&, const UnionCeldas&) = default;
};

// Neighbouring cells with equal text are joined: vertically in the descriptive
// columns (headings and body each on their own), horizontally in heading row 0.
// A blank descriptive cell joins only the blanks beside it that lie under the
// same label to its left, so that a blank never runs across two kinds of cover.
// Value columns never join.
std::vector<UnionCeldas> UnionesDeTabla(TablaReferencia tabla, const CeldasTabla& celdas);

// Even body rows are shaded from the hydrologic-condition column to the last
// soil-group column.
bool CeldaSombreada(TablaReferencia tabla, int fila, int columna);

// Cells of a selection as tab-separated text: one line per row from the first
// to the last row selected, one field per column from the first to the last
// column selected; cells not selected are empty fields. Tabs and line breaks
// inside a text become blanks.
struct CeldaCopiada {
    int fila, columna;
    std::string texto;
};
std::string TextoTabulado(std::span<const CeldaCopiada> celdas);

}  // namespace tarvel
