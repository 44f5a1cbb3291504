#include "determination/Clasificacion.h"

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

TopicoAyuda TopicoAyudaVegetacion(int vegetacion) {
    switch (vegetacion) {
        case 4: return kAyudaPastizal;
        case 6: return kAyudaPradera;
        case 7: return kAyudaMatorral;
        case 8: return kAyudaBosqueHerbaceo;
        case 9: return kAyudaBosquePastoreo;
        case kBosques: return kAyudaBosque;
        default: return vegetacion >= kPrimeraArida ? kAyudaArida : kAyudaGeneral;
    }
}

Clasificacion::Clasificacion(std::filesystem::path datos, std::int16_t filaDatos) : mDatos(std::move(datos)) {
    mEstado.respuestas.filaDatos = filaDatos;
}

void Clasificacion::ElegirGrupoVegetacion(int grupo) {
    ElegirVegetacion(grupo, 0);
    mEstado.textoCondicion2 = grupo == kGrupoGeneral ? 66 : 65;
}

void Clasificacion::ElegirVegetacion(int grupo, int posicion) {
    LimpiarSeleccion();
    mEstado.grupo = grupo;
    mEstado.posicion = posicion;
    auto& r = mEstado.respuestas;
    r.vegetacion = static_cast<std::int16_t>(grupo == kGrupoGeneral ? posicion : kPrimeraArida + posicion);

    auto habilitar = [this](std::initializer_list<int> laboreos, std::initializer_list<int> condiciones) {
        for (int i : laboreos) mEstado.laboreoHabilitado[i] = true;
        for (int i : condiciones) mEstado.condicionHabilitada[i] = true;
    };
    switch (r.vegetacion) {
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
            mEstado.listo[0] = mEstado.listo[1] = true;
            break;
        case kBosques:
            mEstado.claseBosqueHabilitada = true;
            mEstado.listo[0] = true;
            break;
        default:  // pasture, brush, woods-grass, woods with pastures, every arid entry
            habilitar({}, {0, 1, 2});
            mEstado.listo[0] = true;
            break;
    }
}

void Clasificacion::ElegirLaboreo(int indice) {
    if (indice < 0 || indice >= kTratamientos) return;
    mEstado.laboreoMarcado = indice;
    if (indice == 0) {
        // Bare fallow needs no condition; the options keep their selection.
        mEstado.condicionHabilitada[0] = mEstado.condicionHabilitada[1] = false;
        mEstado.listo[1] = true;
    } else if (indice == 1) {
        // With crop residue cover a condition must be chosen again.
        mEstado.condicionHabilitada[0] = mEstado.condicionHabilitada[1] = true;
        if (mEstado.condicionMarcada == 0 || mEstado.condicionMarcada == 1) mEstado.condicionMarcada = -1;
        mEstado.listo[1] = false;
    }
    mEstado.respuestas.laboreo = static_cast<std::int16_t>(indice);
    mEstado.listo[0] = true;
    ComprobarDatos();
}

void Clasificacion::ElegirCondicion(int indice) {
    if (indice < 0 || indice >= kCondiciones) return;
    mEstado.condicionMarcada = indice;
    mEstado.respuestas.condicion = static_cast<std::int16_t>(indice);
    mEstado.listo[1] = true;
    ComprobarDatos();
}

void Clasificacion::FijarClaseBosque(std::string_view clase) {
    static constexpr std::array<std::string_view, 5> kClases = {"I", "II", "III", "IV", "V"};
    auto& r = mEstado.respuestas;
    r.claseBosque = clase;
    mEstado.textoClaseBosque = clase;
    r.condicion = -1;
    for (int i = 0; i < 5; ++i) {
        if (clase == kClases[i]) r.condicion = static_cast<std::int16_t>(i + 1);
    }
    if (r.condicion == -1) {
        mEstado.textoClaseBosque.clear();
    } else {
        mEstado.listo[1] = true;
    }
    ComprobarDatos();
}

void Clasificacion::FijarGrupoSuelo(std::string_view letra) {
    auto& r = mEstado.respuestas;
    mEstado.textoSuelo = letra;
    if (letra.size() == 1 && letra[0] >= 'A' && letra[0] <= 'D') {
        r.grupoSuelo = static_cast<std::int16_t>(letra[0] - 'A' + 1);
    }
    if (r.grupoSuelo != -1) mEstado.listo[2] = true;
    ComprobarDatos();
}

void Clasificacion::ComprobarDatos() {
    mEstado.valor.reset();
    mEstado.numeroCurva.reset();
    mEstado.errorDatos.reset();
    if (!mEstado.listo[0] || !mEstado.listo[1] || !mEstado.listo[2]) return;

    auto& r = mEstado.respuestas;
    if (const auto fila = FilaDeDatos(r.vegetacion, r.laboreo, r.condicion)) r.filaDatos = static_cast<std::int16_t>(*fila);
    auto valor = ValorNumeroCurva(mDatos, r.filaDatos, r.grupoSuelo);
    if (!valor) {
        mEstado.errorDatos = valor.error();
        return;
    }
    mEstado.numeroCurva = PresentarNumeroCurva(*valor, r.filaDatos, r.grupoSuelo);
    mEstado.valor = std::move(*valor);
}

void Clasificacion::LimpiarSeleccion() {
    mEstado.laboreoHabilitado.fill(false);
    mEstado.laboreoMarcado = -1;
    mEstado.condicionHabilitada.fill(false);
    mEstado.condicionMarcada = -1;
    mEstado.listo.fill(false);
    mEstado.claseBosqueHabilitada = false;
    mEstado.textoClaseBosque.clear();
    mEstado.textoSuelo.clear();
    auto& r = mEstado.respuestas;
    r.grupoSuelo = -1;
    r.laboreo = -1;
    r.condicion = -1;
    r.claseBosque = "-1";
    ComprobarDatos();
}

}  // namespace tarvel
