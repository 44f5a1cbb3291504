#include "ui/catchment/InformeHoja.h"

#include "app/Idioma.h"
#include "app/Patrones.h"
#include "catchment/TextosCuenca.h"
#include "ui/catchment/TextosHoja.h"
#include "ui/common/Textos.h"

namespace tarvel {
namespace {

QString Cifra(double valor) { return DeUtf8(Formatear(valor, Patron::UnDecimalConCero)); }
QString Numero(double valor) { return DeUtf8(TextoNumero(valor)); }
QString NombreLambda(Lambda lambda) {
    return DeUtf8(NombreEleccionLambda(lambda == Lambda::Clasica ? EleccionLambda::Clasica : EleccionLambda::Reducida));
}

constexpr Qt::Alignment kDerecha = Qt::AlignRight;
constexpr Qt::Alignment kIzquierda = Qt::AlignLeft;
constexpr Qt::Alignment kCentro = Qt::AlignHCenter;

}  // namespace

std::expected<Informe, QString> InformeDeHoja(const HojaCuenca& hoja, const QString& archivo, QDate fecha) {
    const auto subareas = SubareasDe(hoja);
    const auto compuesto = CalcularCompuesto(subareas);
    if (!compuesto) return std::unexpected(DeUtf8(MensajeCuenca(compuesto.error())));
    std::vector<EscorrentiaCompuesta> escorrentias;
    if (hoja.lluvia) {
        for (Lambda lambda : LambdasDe(hoja.lambda)) {
            auto escorrentia = CalcularEscorrentiaCompuesta(subareas, *hoja.lluvia, lambda);
            if (!escorrentia) return std::unexpected(DeUtf8(MensajeCuenca(escorrentia.error())));
            escorrentias.push_back(std::move(*escorrentia));
        }
    }

    QString titulo = T(kTextoHojaCuenca);
    if (!hoja.titulo.empty()) titulo += QStringLiteral(": ") + DeUtf8(hoja.titulo);
    Informe informe(titulo);
    informe.Dato(T(kTextoInformeArchivo), archivo);
    informe.Dato(T(kTextoInformeFecha), fecha.toString(Qt::ISODate));
    informe.Dato(T(kTextoInformeSubareas), QString::number(hoja.filas.size()));
    informe.Dato(T(kTextoInformeAreaTotal), Numero(compuesto->areaTotal));
    informe.Dato(T(kTextoInformeLluvia), hoja.lluvia ? Numero(*hoja.lluvia) : T(kTextoHojaNinguna));
    if (hoja.lluvia) {
        informe.Dato(T(kTextoInformeLambda), T(kTextoHojaLambdaClasica + static_cast<int>(hoja.lambda)));
    }
    informe.Pie(
        T(kTextoPieInforme) + QStringLiteral(" · ") + archivo + QStringLiteral(" · ") + fecha.toString(Qt::ISODate),
        T(kTextoPagina));

    informe.Seccion(T(kTextoSeccionSubareas));
    Informe::Tabla filas{{T(kTextoNumeroFila), T(kTextoSubarea), T(kTextoHojaColumnaArea), T(kTextoHojaColumnaCuota),
                          T(kTextoColumnaCN), T(kTextoColumnaOrigen)},
                         {},
                         {kDerecha, kIzquierda, kDerecha, kDerecha, kDerecha, kIzquierda},
                         1};
    for (std::size_t i = 0; i < hoja.filas.size(); ++i) {
        const FilaHoja& fila = hoja.filas[i];
        filas.filas.push_back({QString::number(i + 1), DeUtf8(fila.nombre), Numero(fila.area),
                               DeUtf8(Formatear(100 * compuesto->cuota[i], Patron::DosDecimales)), Numero(fila.cn),
                               DeUtf8(TextoOrigen(fila.origen, IdiomaEnVigor().idioma))});
    }
    filas.filas.push_back({QString(), T(kTextoFilaCuenca), Numero(compuesto->areaTotal),
                           DeUtf8(Formatear(100, Patron::DosDecimales)), Cifra(compuesto->CN[1]), QString()});
    informe.AnadirTabla(std::move(filas));

    informe.Seccion(T(kTextoCompuesto));
    Informe::Tabla condiciones{
        {T(kTextoCondicion), T(kTextoCNPonderado), T(kTextoUmbral)}, {}, {kCentro, kDerecha, kDerecha}};
    constexpr const char* kRomanos[3] = {"I", "II", "III"};
    for (std::size_t j = 0; j < 3; ++j) {
        condiciones.filas.push_back({kRomanos[j], Cifra(compuesto->CN[j]), Cifra(compuesto->umbral[j])});
    }
    informe.AnadirTabla(std::move(condiciones));
    informe.Nota(T(kTextoNotaCompuesto));

    for (const EscorrentiaCompuesta& e : escorrentias) {
        informe.Seccion(T(kTextoSeccionEscorrentia, {NombreLambda(e.lambda).toStdString(), TextoNumero(e.P)}));
        Informe::Tabla tabla{{T(kTextoNumeroFila), T(kTextoSubarea), T(kTextoColumnaCN), T(kTextoHojaColumnaS),
                              T(kTextoHojaColumnaIa), T(kTextoColumnaQSola)},
                             {},
                             {kDerecha, kIzquierda, kDerecha, kDerecha, kDerecha, kDerecha},
                             1};
        for (std::size_t i = 0; i < hoja.filas.size(); ++i) {
            const Escorrentia& q = e.subareas[i];
            tabla.filas.push_back({QString::number(i + 1), DeUtf8(hoja.filas[i].nombre), Numero(hoja.filas[i].cn),
                                   Cifra(q.S), Cifra(q.Ia), Cifra(q.Q)});
        }
        tabla.filas.push_back({QString(), T(kTextoFilaCuenca), QString(), QString(), QString(), Cifra(e.Q)});
        informe.AnadirTabla(std::move(tabla));
        const QString equivalente =
            (e.equivalente.sinEscorrentia ? QStringLiteral("≤ ") : QString()) + Cifra(e.equivalente.CN);
        informe.Parrafo(T(
            kTextoResumenEscorrentia,
            {Cifra(compuesto->CN[1]).toStdString(), Cifra(e.delCompuesto.Q).toStdString(), equivalente.toStdString()}));
        // What the figures mean, once, under the first runoff table that shows them.
        if (&e == &escorrentias.front()) informe.Nota(T(kTextoNotaEscorrentia));
    }
    return informe;
}

}  // namespace tarvel
