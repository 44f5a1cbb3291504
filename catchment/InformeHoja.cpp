#include "catchment/InformeHoja.h"

#include "app/Idioma.h"
#include "app/Patrones.h"
#include "app/TablaTextos.h"
#include "catchment/TextosCuenca.h"

namespace tarvel {
namespace {

std::string Cifra(double valor) { return Formatear(valor, Patron::UnDecimalConCero); }
std::string Cuota(double cuota) { return Formatear(100 * cuota, Patron::DosDecimales); }
std::string T(int n) { return std::string(Texto(n)); }

std::string_view NombreLambda(Lambda lambda) {
    return NombreEleccionLambda(lambda == Lambda::Clasica ? EleccionLambda::Clasica : EleccionLambda::Reducida);
}

constexpr auto kDerecha = Alineacion::Derecha;
constexpr auto kIzquierda = Alineacion::Izquierda;
constexpr auto kCentro = Alineacion::Centro;

}  // namespace

std::expected<ModeloInforme, RechazoCuenca> InformeDeHoja(const HojaCuenca& hoja, const EvaluacionHoja& evaluacion,
                                                         std::string_view archivo, std::string_view fecha) {
    if (evaluacion.rechazo) return std::unexpected(*evaluacion.rechazo);
    const Compuesto& compuesto = *evaluacion.compuesto;
    const int idioma = IdiomaEnVigor().idioma;

    ModeloInforme informe;
    informe.titulo = T(kTextoHojaCuenca);
    if (!hoja.titulo.empty()) informe.titulo += ": " + hoja.titulo;
    informe.datos = {{T(kTextoInformeArchivo), std::string(archivo)},
                     {T(kTextoInformeFecha), std::string(fecha)},
                     {T(kTextoInformeSubareas), std::to_string(hoja.filas.size())},
                     {T(kTextoInformeAreaTotal), TextoNumero(compuesto.areaTotal)},
                     {T(kTextoInformeLluvia), hoja.lluvia ? TextoNumero(*hoja.lluvia) : T(kTextoHojaNinguna)}};
    if (hoja.lluvia) {
        informe.datos.emplace_back(T(kTextoInformeLambda), T(kTextoHojaLambdaClasica + static_cast<int>(hoja.lambda)));
    }
    informe.pie = T(kTextoPieInforme) + " · " + std::string(archivo) + " · " + std::string(fecha);
    informe.plantillaPagina = T(kTextoPagina);
    auto& bloques = informe.bloques;

    bloques.emplace_back(SeccionInforme{T(kTextoSeccionSubareas)});
    TablaInforme filas{{T(kTextoNumeroFila), T(kTextoSubarea), T(kTextoHojaColumnaArea), T(kTextoHojaColumnaCuota),
                        T(kTextoColumnaCN), T(kTextoColumnaOrigen)},
                       {},
                       {kDerecha, kIzquierda, kDerecha, kDerecha, kDerecha, kIzquierda},
                       1};
    std::vector<std::string> hallazgos;
    for (std::size_t i = 0; i < hoja.filas.size(); ++i) {
        const FilaHoja& fila = hoja.filas[i];
        const auto mensajes = MensajesTraza(fila, static_cast<int>(i), evaluacion.trazas[i]);
        hallazgos.insert(hallazgos.end(), mensajes.begin(), mensajes.end());
        std::string cn = TextoNumero(fila.cn);
        if (!mensajes.empty()) cn += " " + std::string(kMarcaTraza);
        filas.filas.push_back({std::to_string(i + 1), fila.nombre, TextoNumero(fila.area), Cuota(compuesto.cuota[i]),
                               std::move(cn), TextoOrigen(fila.origen, idioma)});
    }
    filas.filas.push_back(
        {"", T(kTextoFilaCuenca), TextoNumero(compuesto.areaTotal), Cuota(1), Cifra(compuesto.CN[1]), ""});
    bloques.emplace_back(std::move(filas));
    if (!hallazgos.empty()) {
        bloques.emplace_back(ParrafoInforme{T(kTextoNotaTrazas), true});
        for (std::string& hallazgo : hallazgos) bloques.emplace_back(ParrafoInforme{std::move(hallazgo), true});
    }

    bloques.emplace_back(SeccionInforme{T(kTextoCompuesto)});
    TablaInforme condiciones{{T(kTextoCondicion), T(kTextoCNPonderado), T(kTextoUmbral)}, {}, {kCentro, kDerecha, kDerecha}};
    constexpr const char* kRomanos[3] = {"I", "II", "III"};
    for (std::size_t j = 0; j < 3; ++j) {
        condiciones.filas.push_back({kRomanos[j], Cifra(compuesto.CN[j]), Cifra(compuesto.umbral[j])});
    }
    bloques.emplace_back(std::move(condiciones));
    bloques.emplace_back(ParrafoInforme{T(kTextoNotaCompuesto), true});

    for (const EscorrentiaCompuesta& e : evaluacion.escorrentias) {
        bloques.emplace_back(SeccionInforme{Mensaje(kTextoSeccionEscorrentia, {NombreLambda(e.lambda), TextoNumero(e.P)})});
        TablaInforme tabla{{T(kTextoNumeroFila), T(kTextoSubarea), T(kTextoColumnaCN), T(kTextoHojaColumnaS),
                            T(kTextoHojaColumnaIa), T(kTextoColumnaQSola)},
                           {},
                           {kDerecha, kIzquierda, kDerecha, kDerecha, kDerecha, kDerecha},
                           1};
        for (std::size_t i = 0; i < hoja.filas.size(); ++i) {
            const Escorrentia& q = e.subareas[i];
            tabla.filas.push_back({std::to_string(i + 1), hoja.filas[i].nombre, TextoNumero(hoja.filas[i].cn),
                                   Cifra(q.S), Cifra(q.Ia), Cifra(q.Q)});
        }
        tabla.filas.push_back({"", T(kTextoFilaCuenca), "", "", "", Cifra(e.Q)});
        bloques.emplace_back(std::move(tabla));
        const std::string equivalente = (e.equivalente.sinEscorrentia ? "\u2264 " : "") + Cifra(e.equivalente.CN);
        bloques.emplace_back(ParrafoInforme{
            Mensaje(kTextoResumenEscorrentia, {Cifra(compuesto.CN[1]), Cifra(e.delCompuesto.Q), equivalente})});
        // What the figures mean, once, under the first runoff table that shows them.
        if (&e == &evaluacion.escorrentias.front()) bloques.emplace_back(ParrafoInforme{T(kTextoNotaEscorrentia), true});
    }
    return informe;
}

}  // namespace tarvel
