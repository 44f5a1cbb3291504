#include "catchment/InformeHoja.h"

#include <algorithm>

#include "app/Idioma.h"
#include "app/Patrones.h"
#include "app/TablaTextos.h"
#include "catchment/TextosCuenca.h"
#include "hydrology/TextosCaudal.h"
#include "hydrology/TextosCaudalHoja.h"
#include "hydrology/TextosEscorrentia.h"

namespace tarvel {
namespace {

std::string UnDecimal(double valor) { return Formatear(valor, Patron::UnDecimalConCero); }
std::string Cuota(double cuota) { return Formatear(100 * cuota, Patron::DosDecimales); }
std::string T(int n) { return std::string(Texto(n)); }

std::string_view NombreLambda(Lambda lambda) {
    return NombreEleccionLambda(lambda == Lambda::Clasica ? EleccionLambda::Clasica : EleccionLambda::Reducida);
}

constexpr auto kDerecha = Alineacion::Derecha;
constexpr auto kIzquierda = Alineacion::Izquierda;
constexpr auto kCentro = Alineacion::Centro;

// A label of the peak window as a name: without its accelerator and its colon.
std::string Rotulo(int texto) {
    std::string nombre = T(texto);
    std::erase(nombre, '&');
    while (!nombre.empty() && (nombre.back() == ':' || nombre.back() == ' ')) nombre.pop_back();
    return nombre;
}

std::string Valor(const std::optional<double>& valor) { return valor ? TextoNumero(*valor) : std::string(); }

// The flow path's segments as typed (the inputs of each kind in one cell,
// so that the table fits a page), each with its velocity and travel time
// once known; segments left empty are no part of it and are left out.
TablaInforme TablaTramos(const EntradasCaudal& e, const ResultadoCaudal& r) {
    TablaInforme tabla{{T(kTextoNumeroFila), T(kTextoColumnaTipo), T(kTextoColumnaDato), T(kTextoColumnaVelocidad),
                        T(kTextoColumnaRecorrido)},
                       {},
                       {kDerecha, kIzquierda, kIzquierda, kDerecha, kDerecha}};
    for (std::size_t t = 0; t < e.tramos.size(); ++t) {
        const TramoEscrito& tramo = e.tramos[t];
        const auto datos = DatosDeTramo(tramo.tipo);
        if (std::ranges::none_of(datos, [&](DatoCaudal d) { return ValorDeTramo(tramo, d).has_value(); })) continue;
        std::string entradas;
        if (tramo.tipo == TipoTramo::Superficial) entradas = T(kTextoSinPavimentar + static_cast<int>(tramo.firme));
        for (const DatoCaudal d : datos) {
            if (!ValorDeTramo(tramo, d)) continue;
            const int columna = d == DatoCaudal::Rugosidad      ? kTextoColumnaRugosidad
                                : d == DatoCaudal::Longitud     ? kTextoColumnaLongitud
                                : d == DatoCaudal::Lluvia2Anios ? kTextoColumnaLluvia2
                                : d == DatoCaudal::Pendiente    ? kTextoColumnaPendiente
                                : d == DatoCaudal::SeccionCauce ? kTextoColumnaSeccion
                                                                : kTextoColumnaPerimetro;
            entradas += (entradas.empty() ? "" : " · ") + T(columna) + " = " + Valor(ValorDeTramo(tramo, d));
        }
        const auto& tiempo = r.tramos[t];
        tabla.filas.push_back({std::to_string(t + 1), T(kTextoTramoLaminar + static_cast<int>(tramo.tipo)),
                               std::move(entradas), tiempo ? Cifra(tiempo->velocidad) : "",
                               tiempo ? Cifra(tiempo->horas) : ""});
    }
    return tabla;
}

// The peak discharge: the method and its inputs, the time of concentration
// (with the flow path's segments), the table of return periods with every
// intermediate value, and its warnings; or why it cannot be worked out.
void BloquesCaudal(const EntradasCaudal& e, const ResultadoCaudal& r, const Compuesto& compuesto,
                   std::vector<BloqueInforme>& bloques) {
    const bool tr55 = e.metodo == MetodoCaudal::TR55;
    bloques.emplace_back(SeccionInforme{Mensaje(kTextoSeccionCaudal, {Texto(tr55 ? kTextoMetodoTR55 : kTextoMetodoIC)})});
    TablaInforme datos{{T(kTextoColumnaDato), T(kTextoColumnaValor)}, {}, {kIzquierda, kIzquierda}};
    const auto dato = [&datos](std::string nombre, std::string valor) { datos.filas.push_back({std::move(nombre), std::move(valor)}); };
    dato(Rotulo(kTextoCampoArea), TextoNumero(AreaEnKm2(compuesto)));
    if (tr55) {
        dato(Rotulo(kTextoCampoCurva), UnDecimal(compuesto.CN[1]));
        dato(Rotulo(kTextoCampoDistribucion), std::string(NombreDistribucion(e.distribucion)));
        dato(Rotulo(kTextoCampoCharcas), TextoNumero(e.charcas.value_or(0)));
    } else {
        if (e.umbralTecleado) {
            dato(Rotulo(kTextoMarcoUmbral) + ": " + Rotulo(kTextoUmbralTecleado), Valor(e.umbral));
        } else {
            dato(T(kTextoUmbralDeCurvaValor),
                 r.umbralDeCurva ? Mensaje(kTextoUmbralDeCurvaHoja, {Cifra(*r.umbralDeCurva), UnDecimal(compuesto.CN[1])})
                                 : std::string());
        }
        dato(Rotulo(kTextoCampoBeta), TextoNumero(e.beta.value_or(1)));
        dato(Rotulo(kTextoCampoI1Id), Valor(e.i1id));
    }
    const int tiempo = e.tiempoTecleado ? kTextoTiempoTecleado : tr55 ? kTextoTiempoTramos : kTextoTiempoCauce;
    dato(Rotulo(kTextoMarcoTiempo), Rotulo(tiempo));
    if (e.tiempoTecleado) {
        dato(T(kTextoColumnaTc), Valor(e.tc));
    } else if (!tr55) {
        dato(Rotulo(kTextoCampoLongitudCauce), Valor(e.longitudCauce));
        dato(Rotulo(kTextoCampoPendienteCauce), Valor(e.pendienteCauce));
    }
    bloques.emplace_back(std::move(datos));
    if (tr55 && !e.tiempoTecleado) {
        if (TablaInforme tramos = TablaTramos(e, r); !tramos.filas.empty()) bloques.emplace_back(std::move(tramos));
    }
    if (r.tc) bloques.emplace_back(ParrafoInforme{Mensaje(kTextoTiempoCalculado, {Cifra(*r.tc)})});

    if (r.tabla) {
        bloques.emplace_back(SeccionInforme{T(kTextoTituloTablaCaudal)});
        TablaInforme tabla{{}, r.tabla->filas, std::vector<Alineacion>(r.tabla->columnas.size(), kDerecha)};
        for (const int columna : r.tabla->columnas) tabla.cabecera.push_back(T(columna));
        bloques.emplace_back(std::move(tabla));
        bloques.emplace_back(ParrafoInforme{r.tabla->constantes, true});
    } else if (!r.faltas.empty()) {
        bloques.emplace_back(ParrafoInforme{MensajeFaltaCaudal(r.faltas.front())});
    }
    if (r.avisos.empty()) {
        if (r.tabla) bloques.emplace_back(ParrafoInforme{T(kTextoSinAvisos), true});
        return;
    }
    bloques.emplace_back(ParrafoInforme{T(kTextoAvisos) + ":", true});
    for (const std::string& aviso : r.avisos) bloques.emplace_back(ParrafoInforme{"\u2022 " + aviso});
}

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
        {"", T(kTextoFilaCuenca), TextoNumero(compuesto.areaTotal), Cuota(1), UnDecimal(compuesto.CN[1]), ""});
    bloques.emplace_back(std::move(filas));
    if (!hallazgos.empty()) {
        bloques.emplace_back(ParrafoInforme{T(kTextoNotaTrazas), true});
        for (std::string& hallazgo : hallazgos) bloques.emplace_back(ParrafoInforme{std::move(hallazgo), true});
    }

    bloques.emplace_back(SeccionInforme{T(kTextoCompuesto)});
    TablaInforme condiciones{{T(kTextoCondicion), T(kTextoCNPonderado), T(kTextoUmbral)}, {}, {kCentro, kDerecha, kDerecha}};
    constexpr const char* kRomanos[3] = {"I", "II", "III"};
    for (std::size_t j = 0; j < 3; ++j) {
        condiciones.filas.push_back({kRomanos[j], UnDecimal(compuesto.CN[j]), UnDecimal(compuesto.umbral[j])});
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
                                   UnDecimal(q.S), UnDecimal(q.Ia), UnDecimal(q.Q)});
        }
        tabla.filas.push_back({"", T(kTextoFilaCuenca), "", "", "", UnDecimal(e.Q)});
        bloques.emplace_back(std::move(tabla));
        const std::string equivalente = (e.equivalente.sinEscorrentia ? "\u2264 " : "") + UnDecimal(e.equivalente.CN);
        bloques.emplace_back(ParrafoInforme{
            Mensaje(kTextoResumenEscorrentia, {UnDecimal(compuesto.CN[1]), UnDecimal(e.delCompuesto.Q), equivalente})});
        // What the figures mean, once, under the first runoff table that shows them.
        if (&e == &evaluacion.escorrentias.front()) bloques.emplace_back(ParrafoInforme{T(kTextoNotaEscorrentia), true});
    }
    if (hoja.caudal && evaluacion.caudal) BloquesCaudal(*hoja.caudal, *evaluacion.caudal, compuesto, bloques);
    return informe;
}

}  // namespace tarvel
