#include "data/TablasReferencia.h"

#include <algorithm>

#include "app/TablaTextos.h"

namespace tarvel {
namespace {

// Labels of the general table. Treatments 52 to 58 are the ids the step-by-step
// window offers for its treatment choice.
constexpr Etiqueta kNada{};
constexpr Etiqueta kBarbecho{120}, kAlineados{121}, kNoAlineados{122, 123}, kDensos{124, 125},
    kPastosNaturales{126, 127}, kPastizales{128}, kPrados{129}, kMatorral{130, 131}, kArbolado{132, 133},
    kMontes{134, 135}, kBosques{136}, kCaserios{137}, kCaminosTierra{138}, kCaminosFirme{139};
constexpr Etiqueta kDesnudo{140}, kCR{52}, kR{53}, kRCR{54}, kC{55}, kCCR{56}, kCT{57}, kCTCR{58};
constexpr Etiqueta kPobre{141}, kBuena{142};

constexpr FilaCuerpo kCuerpoGeneral[] = {
    {1, {kBarbecho, kDesnudo, kNada}},
    {2, {kBarbecho, kCR, kPobre}},
    {3, {kBarbecho, kCR, kBuena}},
    {4, {kAlineados, kR, kPobre}},
    {5, {kAlineados, kR, kBuena}},
    {6, {kAlineados, kRCR, kPobre}},
    {7, {kAlineados, kRCR, kBuena}},
    {8, {kAlineados, kC, kPobre}},
    {9, {kAlineados, kC, kBuena}},
    {10, {kAlineados, kCCR, kPobre}},
    {11, {kAlineados, kCCR, kBuena}},
    {12, {kAlineados, kCT, kPobre}},
    {13, {kAlineados, kCT, kBuena}},
    {14, {kAlineados, kCTCR, kPobre}},
    {15, {kAlineados, kCTCR, kBuena}},
    {16, {kNoAlineados, kR, kPobre}},
    {17, {kNoAlineados, kR, kBuena}},
    {18, {kNoAlineados, kRCR, kPobre}},
    {19, {kNoAlineados, kRCR, kBuena}},
    {20, {kNoAlineados, kC, kPobre}},
    {21, {kNoAlineados, kC, kBuena}},
    {22, {kNoAlineados, kCCR, kPobre}},
    {23, {kNoAlineados, kCCR, kBuena}},
    {24, {kNoAlineados, kCT, kPobre}},
    {25, {kNoAlineados, kCT, kBuena}},
    {26, {kNoAlineados, kCTCR, kPobre}},
    {27, {kNoAlineados, kCTCR, kBuena}},
    {28, {kDensos, kR, kPobre}},
    {29, {kDensos, kR, kBuena}},
    {30, {kDensos, kC, kPobre}},
    {31, {kDensos, kC, kBuena}},
    {32, {kDensos, kCT, kPobre}},
    {33, {kDensos, kCT, kBuena}},
    // Pastures: poor, fair, good, each with ids of its own (143-145, 146-148).
    {34, {kPastosNaturales, kNada, {143}}},
    {35, {kPastosNaturales, kNada, {144}}},
    {36, {kPastosNaturales, kNada, {145}}},
    {37, {kPastizales, kC, {146}}},
    {38, {kPastizales, kC, {147}}},
    {39, {kPastizales, kC, {148}}},
    {40, {kPrados, kNada, kNada}},
    // Brush, woods-grass and woods with pastures share the ids 149-151.
    {41, {kMatorral, kNada, {149}}},
    {42, {kMatorral, kNada, {150}}},
    {43, {kMatorral, kNada, {151}}},
    {44, {kArbolado, kNada, {149}}},
    {45, {kArbolado, kNada, {150}}},
    {46, {kArbolado, kNada, {151}}},
    {47, {kMontes, kNada, {149}}},
    {48, {kMontes, kNada, {150}}},
    {49, {kMontes, kNada, {151}}},
    // Woods by forest hydrologic condition class I to V.
    {50, {kBosques, kNada, {152}}},
    {51, {kBosques, kNada, {153}}},
    {52, {kBosques, kNada, {154}}},
    {53, {kBosques, kNada, {155}}},
    {54, {kBosques, kNada, {156}}},
    {55, {kCaserios, kNada, kNada}},
    {56, {kCaminosTierra, kNada, kNada}},
    {57, {kCaminosFirme, kNada, kNada}},
};

constexpr Etiqueta kHerbazal{169, 170}, kOakBrush{171, 172}, kPinyon{173, 174}, kSagebrush{175},
    kDesertico{176, 177, 178};
constexpr Etiqueta kPobreArida{179}, kMedio{180}, kBueno{181};

constexpr FilaCuerpo kCuerpoArida[] = {
    {58, {kHerbazal, kPobreArida, kNada}}, {59, {kHerbazal, kMedio, kNada}},  {60, {kHerbazal, kBueno, kNada}},
    {61, {kOakBrush, kPobreArida, kNada}}, {62, {kOakBrush, kMedio, kNada}},  {63, {kOakBrush, kBueno, kNada}},
    {64, {kPinyon, kPobreArida, kNada}},   {65, {kPinyon, kMedio, kNada}},    {66, {kPinyon, kBueno, kNada}},
    {67, {kSagebrush, kPobreArida, kNada}}, {68, {kSagebrush, kMedio, kNada}}, {69, {kSagebrush, kBueno, kNada}},
    {70, {kDesertico, kPobreArida, kNada}}, {71, {kDesertico, kMedio, kNada}}, {72, {kDesertico, kBueno, kNada}},
};

// Every heading cell has an id of its own, even where the texts repeat.
const EstructuraTabla kGeneral{
    59, 7, 3, 2,
    {3000, 1200, 1200, 500, 500, 500, 500},
    {{{106, 107, 108, 109, 110, 111, 112}, {113, 114, 115, 116, 117, 118, 119}}},
    kCuerpoGeneral,
};

const EstructuraTabla kArida{
    17, 6, 2, 1,
    {3500, 1200, 500, 500, 500, 500, 0},
    {{{157, 158, 159, 160, 161, 162, 0}, {163, 164, 165, 166, 167, 168, 0}}},
    kCuerpoArida,
};

bool Vacia(const Etiqueta& etiqueta) { return etiqueta[0] == 0; }

// Rows [desde, hasta) of one column, cut into runs of equal text; a blank run
// is cut again wherever a column to its left starts a new run (`cortes`).
// Adds a union for every run longer than one row and returns where runs start
// in this column or any to its left, for the next column.
std::vector<bool> UnirColumna(const CeldasTabla& celdas, int columna, int desde, int hasta,
                              const std::vector<bool>& cortes, std::vector<UnionCeldas>& uniones) {
    // A cut on the left is a cut here too, so blanks further right respect it.
    std::vector<bool> inicios = cortes.empty() ? std::vector<bool>(celdas.size(), false) : cortes;
    int inicio = desde;
    for (int fila = desde; fila <= hasta; ++fila) {
        const bool fin = fila == hasta || celdas[fila][columna] != celdas[inicio][columna] ||
                         (celdas[fila][columna].empty() && !cortes.empty() && cortes[fila]);
        if (!fin) continue;
        if (fila - inicio > 1) uniones.push_back({inicio, columna, fila - inicio, 1});
        if (fila < hasta) inicios[fila] = true;
        inicio = fila;
    }
    inicios[desde] = true;
    return inicios;
}

}  // namespace

const EstructuraTabla& Estructura(TablaReferencia tabla) {
    return tabla == TablaReferencia::General ? kGeneral : kArida;
}

int FilaRejilla(TablaReferencia tabla, int filaDatos) {
    return filaDatos - Estructura(tabla).cuerpo.front().filaDatos + kFilasCabecera;
}

std::string TextoEtiqueta(const Etiqueta& etiqueta, int idioma) {
    std::string texto;
    for (const int id : etiqueta) {
        if (id == 0) break;
        texto += TextoIdioma(idioma, id);
    }
    return texto;
}

CeldasTabla CeldasDeTabla(TablaReferencia tabla, std::span<const FilaDatos> datos, int idioma) {
    const auto& e = Estructura(tabla);
    CeldasTabla celdas(static_cast<std::size_t>(e.filas), std::vector<std::string>(static_cast<std::size_t>(e.columnas)));
    for (int fila = 0; fila < kFilasCabecera; ++fila) {
        for (int columna = 0; columna < e.columnas; ++columna) {
            celdas[fila][columna] = TextoIdioma(idioma, e.cabecera[fila][columna]);
        }
    }
    for (const auto& cuerpo : e.cuerpo) {
        auto& fila = celdas[static_cast<std::size_t>(FilaRejilla(tabla, cuerpo.filaDatos))];
        for (int columna = 0; columna < e.primeraColumnaSuelo; ++columna) {
            if (!Vacia(cuerpo.columnas[columna])) fila[columna] = TextoEtiqueta(cuerpo.columnas[columna], idioma);
        }
        const auto indice = static_cast<std::size_t>(cuerpo.filaDatos - 1);
        if (indice >= datos.size()) continue;
        for (int grupo = 0; grupo < 4; ++grupo) fila[e.primeraColumnaSuelo + grupo] = datos[indice][grupo];
    }
    return celdas;
}

std::vector<UnionCeldas> UnionesDeTabla(TablaReferencia tabla, const CeldasTabla& celdas) {
    const auto& e = Estructura(tabla);
    std::vector<UnionCeldas> uniones;
    const int filas = std::min<int>(e.filas, static_cast<int>(celdas.size()));
    if (filas < kFilasCabecera) return uniones;

    std::vector<bool> alturaDoble(static_cast<std::size_t>(e.columnas), false);
    std::vector<bool> cortesCabecera, cortesCuerpo;
    for (int columna = 0; columna < e.primeraColumnaSuelo; ++columna) {
        const auto antes = uniones.size();
        cortesCabecera = UnirColumna(celdas, columna, 0, kFilasCabecera, cortesCabecera, uniones);
        alturaDoble[columna] = uniones.size() > antes;
        cortesCuerpo = UnirColumna(celdas, columna, kFilasCabecera, filas, cortesCuerpo, uniones);
    }

    // Heading row 0, across the columns that are not already joined downwards.
    const auto& fila0 = celdas[0];
    int inicio = 0;
    for (int columna = 1; columna <= e.columnas; ++columna) {
        const bool fin = columna == e.columnas || alturaDoble[columna] || alturaDoble[inicio] ||
                         fila0[columna] != fila0[inicio];
        if (!fin) continue;
        if (columna - inicio > 1) uniones.push_back({0, inicio, 1, columna - inicio});
        inicio = columna;
    }
    return uniones;
}

bool CeldaSombreada(TablaReferencia tabla, int fila, int columna) {
    const auto& e = Estructura(tabla);
    return fila >= kFilasCabecera && fila < e.filas && fila % 2 == 0 && columna >= e.columnaCondicion &&
           columna < e.columnas;
}

std::string TextoTabulado(std::span<const CeldaCopiada> celdas) {
    if (celdas.empty()) return {};
    auto [filaMin, filaMax] = std::minmax_element(celdas.begin(), celdas.end(),
                                                  [](const auto& a, const auto& b) { return a.fila < b.fila; });
    auto [colMin, colMax] = std::minmax_element(celdas.begin(), celdas.end(),
                                                [](const auto& a, const auto& b) { return a.columna < b.columna; });
    const int primeraFila = filaMin->fila, primeraColumna = colMin->columna;
    const auto alto = static_cast<std::size_t>(filaMax->fila - primeraFila + 1);
    const auto ancho = static_cast<std::size_t>(colMax->columna - primeraColumna + 1);
    std::vector<std::string> rejilla(alto * ancho);
    for (const auto& celda : celdas) {
        std::string texto = celda.texto;
        std::ranges::replace_if(texto, [](char c) { return c == '\t' || c == '\n' || c == '\r'; }, ' ');
        rejilla[static_cast<std::size_t>(celda.fila - primeraFila) * ancho +
                static_cast<std::size_t>(celda.columna - primeraColumna)] = std::move(texto);
    }
    std::string salida;
    for (std::size_t fila = 0; fila < alto; ++fila) {
        for (std::size_t columna = 0; columna < ancho; ++columna) {
            if (columna > 0) salida += '\t';
            salida += rejilla[fila * ancho + columna];
        }
        salida += '\n';
    }
    return salida;
}

}  // namespace tarvel
