#pragma once
// What each command of tarvel-cli computes, one function per command, shared
// by its single-value form and its batch form (--csv), so that both give the
// same answer or the same message for the same input. Values come as typed;
// `marca` is the decimal mark they are written with.
#include <array>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "cli/batch/Lote.h"
#include "cli/batch/Valores.h"
#include "data/Datos.h"
#include "determination/CondicionBosque.h"
#include "hydrology/Escorrentia.h"
#include "series/Serie.h"
#include "series/Trayectoria.h"
#include "series/ValidacionSerie.h"

namespace tarvel::cli {

// soil rate: the class of minimum infiltration rate, 0 to 3.
Leido<std::string_view> GrupoDeTasa(std::string_view clase);

// soil texture: the three percentages, clay, silt, sand.
Leido<std::string_view> GrupoDeTextura(std::string_view arcilla, std::string_view limo, std::string_view arena,
                                       MarcaDecimal marca = MarcaDecimal::Punto);

// forest: the two depths and the compactness F, 1, 2 or 3 (any case).
Leido<CondicionBosque> CondicionDeBosque(std::string_view arrope, std::string_view humus,
                                         std::string_view compacidad, bool despuesDeCompactar,
                                         MarcaDecimal marca = MarcaDecimal::Punto);

// series: NAC, NOB and, when a span is asked for, its text.
struct ResultadoSerie {
    EntradaSerie entrada;
    SerieNC serie;
    TablaSerie tabla;                  // as the results window shows it
    std::optional<double> variacion;   // with a span only
    std::string variacionTexto;        // "0.00"
};
Leido<ResultadoSerie> ResolverSerie(std::string_view nac, std::string_view nob, std::optional<std::string_view> anios,
                                    MarcaDecimal marca = MarcaDecimal::Punto);

// The ratio of the initial abstraction as typed: 0.2, 0.05 or both (any
// case); in a file whose decimal mark is the comma, 0,2 and 0,05.
Leido<EleccionLambda> LeerLambda(std::string_view valor, MarcaDecimal marca = MarcaDecimal::Punto);

// A design storm depth P in mm, a number from 0 to kLluviaMaxima.
Leido<double> LeerTormenta(std::string_view valor, std::string_view nombre, MarcaDecimal marca = MarcaDecimal::Punto);

// One curve number, read as the runoff window reads it: in (0, 100] and far
// enough from 0 for every rule (NumeroCurvaCalculable).
Leido<double> LeerCurva(std::string_view valor, std::string_view nombre, MarcaDecimal marca = MarcaDecimal::Punto);

// runoff: one curve number under conditions I, II and III, for a storm and
// each ratio of its choice, 0.2 first.
struct EscorrentiaPorLambda {
    Lambda lambda;
    EscorrentiaCurva curva;
};
struct ResultadoEscorrentia {
    double cn = 0;
    Tormenta tormenta;
    std::vector<EscorrentiaPorLambda> porLambda;
};
// The ratio is `lambda` when given (LeerLambda), else `porDefecto`; read
// after CN and P.
Leido<ResultadoEscorrentia> ResolverEscorrentia(std::string_view cn, std::string_view p,
                                                std::optional<std::string_view> lambda, EleccionLambda porDefecto,
                                                MarcaDecimal marca = MarcaDecimal::Punto);

// The storm of a series: P as given (LeerTormenta, named "storm"), else
// `lluviaPorDefecto`, and then its ratio likewise; none without a P.
Leido<std::optional<Tormenta>> LeerTormentaSerie(std::optional<std::string_view> lluvia,
                                                 std::optional<std::string_view> lambda,
                                                 std::optional<double> lluviaPorDefecto, EleccionLambda lambdaPorDefecto,
                                                 MarcaDecimal marca = MarcaDecimal::Punto);

// series with a storm: both hillsides and the saving, for each ratio of the choice.
struct EscorrentiaSeriePorLambda {
    Lambda lambda;
    EscorrentiaSerie serie;
};
Leido<std::vector<EscorrentiaSeriePorLambda>> EscorrentiaDeSerie(const ResultadoSerie& serie, const Tormenta& tormenta);

// series by year: the path over the span; a series without one has none.
Leido<Trayectoria> TrayectoriaDeSerie(const ResultadoSerie& serie, std::optional<Tormenta> tormenta);

// The rows of Datos.dat, each read the first time it is needed and judged as
// a lookup of that row alone judges it: a broken row fails only the answers
// that need it.
class FilasDeDatos {
public:
    explicit FilasDeDatos(std::filesystem::path archivo);
    const std::expected<FilaDatos, ErrorDatos>& Fila(int fila);  // 1 to 72

private:
    std::filesystem::path mArchivo;
    std::array<std::optional<std::expected<FilaDatos, ErrorDatos>>, kFilasDatos> mFilas;
};

struct CurvaHallada {
    int fila;             // of Datos.dat
    std::string_view letra;  // "A" to "D"
    ValorCurva valor;
    PresentacionCurva presentacion;  // as the step-by-step screen shows it
};

// lookup: a row of the data file and a soil group.
Leido<CurvaHallada> NumeroCurvaDeFila(std::string_view fila, std::string_view grupo, FilasDeDatos& datos);

// cn: the answers of the step-by-step window and a soil group.
Leido<CurvaHallada> NumeroCurvaDeRespuestas(std::string_view vegetacion, std::string_view laboreo,
                                           std::string_view condicion, std::string_view grupo, FilasDeDatos& datos,
                                           MarcaDecimal marca = MarcaDecimal::Punto);

// The batch forms. A command-line option that the batch keeps (--after-compaction,
// --years, --storm, --lambda) gives the value of the rows whose column is
// absent or empty. Runoff columns are written when a storm is given, on the
// command line or by a "storm" column; a row with no storm leaves them empty,
// and its ratio is read only when it has one.
DefinicionLote LoteTextura();
DefinicionLote LoteBosque(bool despuesPorDefecto);
DefinicionLote LoteSerie(std::optional<std::string> aniosPorDefecto, std::optional<double> lluviaPorDefecto = {},
                         EleccionLambda lambdaPorDefecto = EleccionLambda::Clasica);
DefinicionLote LoteCn(std::filesystem::path datos);
DefinicionLote LoteEscorrentia(EleccionLambda lambdaPorDefecto);
// One output record per year of each row's path, year 0 first.
DefinicionLote LoteTrayectoria(std::optional<std::string> aniosPorDefecto, std::optional<double> lluviaPorDefecto,
                               EleccionLambda lambdaPorDefecto);

}  // namespace tarvel::cli
