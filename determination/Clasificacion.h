#pragma once
// Classification of a surface by its vegetation, the treatment of the ground,
// its hydrologic condition (or forest class) and its soil group, down to the
// row of Datos.dat those answers designate and the curve number found there.
//
// The step-by-step window feeds the user's choices in and shows what comes
// out: which options are enabled and selected, the texts of its boxes, the
// curve number, and the answers themselves, which the window hands on in the
// run's shared values (gVegetacion, gLaboreo, gCondicion, gGrupoSuelo,
// gFilaDatos, gClaseBosque).
#include <array>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "app/TopicosAyuda.h"
#include "data/Datos.h"

namespace tarvel {

inline constexpr int kGrupoGeneral = 0;
inline constexpr int kGrupoArido = 1;
inline constexpr int kEntradasGenerales = 14;  // entries 0-13
inline constexpr int kEntradasAridas = 5;      // entries 14-18
inline constexpr int kPrimeraArida = 14;
inline constexpr int kBosques = 10;
inline constexpr int kTratamientos = 8;
inline constexpr int kCondiciones = 3;         // 0 poor, 1 good, 2 fair

// Text numbers of the lists and options.
inline constexpr int kTextoPrimeraGeneral = 25;   // 25-38
inline constexpr int kTextoPrimeraArida = 39;     // 39-43
inline constexpr int kTextoPrimerLaboreo = 51;    // 51-58
inline constexpr std::array<int, kCondiciones> kTextosCondicion = {45, 47, 46};

// The row of Datos.dat for an entry, a treatment and a condition (or forest
// class 1-5 for woods); none for a combination the tables do not list.
std::optional<int> FilaDeDatos(int vegetacion, int laboreo, int condicion);

// Help topic of the vegetation list while an entry is chosen.
TopicoAyuda TopicoAyudaVegetacion(int vegetacion);

// The answers given so far.
struct RespuestasClasificacion {
    std::int16_t vegetacion = 0;       // 0-13 general, 14-18 arid
    std::int16_t laboreo = -1;         // 0-7, -1 none
    std::int16_t condicion = -1;       // 0 poor, 1 good, 2 fair; forest class 1-5; -1 none
    std::int16_t grupoSuelo = -1;      // 1-4 for A-D, -1 none
    std::int16_t filaDatos = 1;        // row of Datos.dat, 1-72: the last one the answers designated
    std::string claseBosque = "-1";    // "I"-"V", "-1" after a reset
};

struct EstadoClasificacion {
    int grupo = kGrupoGeneral;                        // the list shown
    int posicion = 0;                                 // the entry chosen in it
    std::array<bool, kTratamientos> laboreoHabilitado{};
    int laboreoMarcado = -1;                          // selected treatment option, -1 none
    std::array<bool, kCondiciones> condicionHabilitada{};
    int condicionMarcada = -1;                        // selected condition option, -1 none
    int textoCondicion2 = 46;                         // "Regular" at first, then 66 or 65 by group
    bool claseBosqueHabilitada = false;               // class button, its caption and the class box
    std::string textoClaseBosque;
    std::string textoSuelo;
    std::array<bool, 3> listo{};                      // treatment, condition, soil group settled
    std::optional<ValorCurva> valor;                  // the value looked up once the answers are complete
    std::optional<PresentacionCurva> numeroCurva;     // how it is shown; none: the label is empty
    std::optional<ErrorDatos> errorDatos;             // the last lookup failed: nothing is shown
    RespuestasClasificacion respuestas;
};

class Clasificacion {
public:
    // filaDatos: the row designated last, kept until the answers designate another.
    Clasificacion(std::filesystem::path datos, std::int16_t filaDatos);

    const EstadoClasificacion& Estado() const { return mEstado; }

    void ElegirGrupoVegetacion(int grupo);
    void ElegirVegetacion(int grupo, int posicion);
    void ElegirLaboreo(int indice);
    void ElegirCondicion(int indice);
    // After the forest dialog, with the class it handed back ("I" to "V", or
    // anything else when none was accepted).
    void FijarClaseBosque(std::string_view clase);
    // After the soil dialog, with the letter it handed back ("A" to "D", or
    // anything else when none was accepted).
    void FijarGrupoSuelo(std::string_view letra);
    void ComprobarDatos();
    void LimpiarSeleccion();

private:
    std::filesystem::path mDatos;
    EstadoClasificacion mEstado;
};

}  // namespace tarvel
