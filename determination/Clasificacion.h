#pragma once
// Classification of a surface by its vegetation, the treatment of the ground,
// its hydrologic condition (or forest class) and its soil group, down to the
// row of Datos.dat those answers designate and the curve number found there.
//
// The step-by-step window feeds the user's choices in and shows what comes
// out: which options are enabled and selected, the texts of its boxes and the
// curve number. The answers themselves live in the run's shared values
// (gVegetacion, gLaboreo, gCondicion, gGrupoSuelo, gFilaDatos, gClaseBosque).
#include <array>
#include <filesystem>
#include <optional>
#include <string>

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
int TopicoAyudaVegetacion(int vegetacion);

// The whole number a shown curve number stands for: "30" with or without the
// ≤ sign gives 30; a missing value ("?") gives none.
std::optional<int> NumeroCurvaElegido(const ValorCurva& valor);

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
};

class Clasificacion {
public:
    explicit Clasificacion(std::filesystem::path datos);

    const EstadoClasificacion& Estado() const { return estado_; }

    void ElegirGrupoVegetacion(int grupo);
    void ElegirVegetacion(int grupo, int posicion);
    void ElegirLaboreo(int indice);
    void ElegirCondicion(int indice);
    // After the forest dialog, with gClaseBosque.
    void FijarClaseBosque();
    // After the soil dialog, with gLetraGrupoSuelo.
    void FijarGrupoSuelo();
    void ComprobarDatos();
    void LimpiarSeleccion();

private:
    std::filesystem::path datos_;
    EstadoClasificacion estado_;
};

}  // namespace tarvel
