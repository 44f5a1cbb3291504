#include "determination/Clasificacion.h"

#include "app/SessionState.h"

namespace tarvel {
namespace {

// Condition index 0 poor, 1 good, 2 fair: a pair lists poor then good, a
// triple poor, fair and good.
std::optional<int> DePar(int pobre, int condicion) {
    if (condicion == 0) return pobre;
    if (condicion == 1) return pobre + 1;
    return std::nullopt;
}

std::optional<int> DeTerna(int pobre, int condicion) {
    switch (condicion) {
        case 0: return pobre;
        case 2: return pobre + 1;
        case 1: return pobre + 2;
        default: return std::nullopt;
    }
}

}  // namespace

std::optional<int> FilaDeDatos(int vegetacion, int laboreo, int condicion) {
    switch (vegetacion) {
        case 0:  // fallow: bare soil needs no condition
            if (laboreo == 0) return 1;
            if (laboreo == 1) return DePar(2, condicion);
            return std::nullopt;
        case 1:  // row crops, treatments R to C + T + CR
        case 2:  // small grain
            if (laboreo < 2 || laboreo > 7) return std::nullopt;
            return DePar((vegetacion == 1 ? 4 : 16) + 2 * (laboreo - 2), condicion);
        case 3:  // legumes or rotation meadow: R, C, C + T
            if (laboreo != 2 && laboreo != 4 && laboreo != 6) return std::nullopt;
            return DePar(28 + (laboreo - 2), condicion);
        case 4: return DeTerna(34, condicion);
        case 5: return DeTerna(37, condicion);
        case 6: return 40;
        case 7: return DeTerna(41, condicion);
        case 8: return DeTerna(44, condicion);
        case 9: return DeTerna(47, condicion);
        case kBosques:
            if (condicion < 1 || condicion > 5) return std::nullopt;
            return 49 + condicion;
        case 11: return 55;
        case 12: return 56;
        case 13: return 57;
        case 14: case 15: case 16: case 17: case 18:
            return DeTerna(58 + 3 * (vegetacion - kPrimeraArida), condicion);
        default:
            return std::nullopt;
    }
}

int TopicoAyudaVegetacion(int vegetacion) {
    switch (vegetacion) {
        case 4: return 11;
        case 6: return 12;
        case 7: return 13;
        case 8: return 14;
        case 9: return 15;
        case kBosques: return 16;
        default: return vegetacion >= kPrimeraArida ? 50 : 10;
    }
}

std::optional<int> NumeroCurvaElegido(const ValorCurva& valor) {
    if (valor.falta || valor.texto.size() != 2) return std::nullopt;
    const char decenas = valor.texto[0];
    const char unidades = valor.texto[1];
    if (decenas < '0' || decenas > '9' || unidades < '0' || unidades > '9') return std::nullopt;
    const int numero = (decenas - '0') * 10 + (unidades - '0');
    return numero > 0 ? std::optional<int>(numero) : std::nullopt;
}

Clasificacion::Clasificacion(std::filesystem::path datos) : datos_(std::move(datos)) {}

void Clasificacion::ElegirGrupoVegetacion(int grupo) {
    ElegirVegetacion(grupo, 0);
    estado_.textoCondicion2 = grupo == kGrupoGeneral ? 66 : 65;
}

void Clasificacion::ElegirVegetacion(int grupo, int posicion) {
    LimpiarSeleccion();
    estado_.grupo = grupo;
    estado_.posicion = posicion;
    gVegetacion = static_cast<std::int16_t>(grupo == kGrupoGeneral ? posicion : kPrimeraArida + posicion);

    auto habilitar = [this](std::initializer_list<int> laboreos, std::initializer_list<int> condiciones) {
        for (int i : laboreos) estado_.laboreoHabilitado[i] = true;
        for (int i : condiciones) estado_.condicionHabilitada[i] = true;
    };
    switch (gVegetacion) {
        case 0:
            habilitar({0, 1}, {0, 1});
            break;
        case 1:
        case 2:
            habilitar({2, 3, 4, 5, 6, 7}, {0, 1});
            break;
        case 3:
            habilitar({2, 4, 6}, {0, 1});
            break;
        case 5:  // pastures on the contour: the treatment is C, chosen at once
            habilitar({4}, {0, 1, 2});
            ElegirLaboreo(4);
            break;
        case 6:
        case 11:
        case 12:
        case 13:
            estado_.listo[0] = estado_.listo[1] = true;
            break;
        case kBosques:
            estado_.claseBosqueHabilitada = true;
            estado_.listo[0] = true;
            break;
        default:  // pasture, brush, woods-grass, woods with pastures, every arid entry
            habilitar({}, {0, 1, 2});
            estado_.listo[0] = true;
            break;
    }
}

void Clasificacion::ElegirLaboreo(int indice) {
    if (indice < 0 || indice >= kTratamientos) return;
    estado_.laboreoMarcado = indice;
    if (indice == 0) {
        // Bare fallow needs no condition; the options keep their selection.
        estado_.condicionHabilitada[0] = estado_.condicionHabilitada[1] = false;
        estado_.listo[1] = true;
    } else if (indice == 1) {
        // With crop residue cover a condition must be chosen again.
        estado_.condicionHabilitada[0] = estado_.condicionHabilitada[1] = true;
        if (estado_.condicionMarcada == 0 || estado_.condicionMarcada == 1) estado_.condicionMarcada = -1;
        estado_.listo[1] = false;
    }
    gLaboreo = static_cast<std::int16_t>(indice);
    estado_.listo[0] = true;
    ComprobarDatos();
}

void Clasificacion::ElegirCondicion(int indice) {
    if (indice < 0 || indice >= kCondiciones) return;
    estado_.condicionMarcada = indice;
    gCondicion = static_cast<std::int16_t>(indice);
    estado_.listo[1] = true;
    ComprobarDatos();
}

void Clasificacion::FijarClaseBosque() {
    static constexpr std::array<const char*, 5> kClases = {"I", "II", "III", "IV", "V"};
    estado_.textoClaseBosque = gClaseBosque;
    gCondicion = -1;
    for (int i = 0; i < 5; ++i) {
        if (gClaseBosque == kClases[i]) gCondicion = static_cast<std::int16_t>(i + 1);
    }
    if (gCondicion == -1) {
        estado_.textoClaseBosque.clear();
    } else {
        estado_.listo[1] = true;
    }
    ComprobarDatos();
}

void Clasificacion::FijarGrupoSuelo() {
    estado_.textoSuelo = gLetraGrupoSuelo;
    if (gLetraGrupoSuelo.size() == 1 && gLetraGrupoSuelo[0] >= 'A' && gLetraGrupoSuelo[0] <= 'D') {
        gGrupoSuelo = static_cast<std::int16_t>(gLetraGrupoSuelo[0] - 'A' + 1);
    }
    if (gGrupoSuelo != -1) estado_.listo[2] = true;
    ComprobarDatos();
}

void Clasificacion::ComprobarDatos() {
    estado_.valor.reset();
    estado_.numeroCurva.reset();
    estado_.errorDatos.reset();
    if (!estado_.listo[0] || !estado_.listo[1] || !estado_.listo[2]) return;

    if (const auto fila = FilaDeDatos(gVegetacion, gLaboreo, gCondicion)) gFilaDatos = static_cast<std::int16_t>(*fila);
    auto valor = ValorNumeroCurva(datos_, gFilaDatos, gGrupoSuelo);
    if (!valor) {
        estado_.errorDatos = valor.error();
        return;
    }
    estado_.numeroCurva = PresentarNumeroCurva(*valor, gFilaDatos, gGrupoSuelo);
    estado_.valor = std::move(*valor);
}

void Clasificacion::LimpiarSeleccion() {
    estado_.laboreoHabilitado.fill(false);
    estado_.laboreoMarcado = -1;
    estado_.condicionHabilitada.fill(false);
    estado_.condicionMarcada = -1;
    estado_.listo.fill(false);
    estado_.claseBosqueHabilitada = false;
    estado_.textoClaseBosque.clear();
    estado_.textoSuelo.clear();
    gGrupoSuelo = -1;
    gLaboreo = -1;
    gCondicion = -1;
    gClaseBosque = "-1";
    ComprobarDatos();
}

}  // namespace tarvel
