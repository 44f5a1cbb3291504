// raster: a curve-number GeoTIFF from a land-cover raster and a soil-group
// raster through a lookup table of land-cover codes, with the runoff
// threshold and the runoff of a design storm if asked for; then a report of
// the cells left without a value and why. Built into tarvel-cli-raster, the
// only program that loads GDAL; tarvel-cli hands the command over to it
// (cli/EntregaRaster.cpp).
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <cmath>
#include <csignal>
#include <iostream>
#include <limits>
#include <memory>
#include <tuple>
#include <optional>

#include "app/Idioma.h"
#include "app/Patrones.h"
#include "app/TablaTextos.h"
#include "app/Texto.h"
#include "app/TextosMensajes.h"
#include "cli/Comun.h"
#include "cli/batch/Valores.h"
#include "data/Datos.h"
#include "raster/MapaNumeroCurva.h"
#include "raster/TextosRaster.h"

namespace tarvel::cli {
namespace {

using namespace tarvel::raster;

std::atomic<bool> gDetener{false};
volatile std::sig_atomic_t gSenal = 0;

extern "C" void AlRecibirSenal(int senal) {
    gSenal = senal;
    gDetener.store(true);
}

// SIGINT and SIGTERM ask the run to stop between two blocks while it lasts.
class Senales {
public:
    Senales() {
        struct sigaction accion {};
        accion.sa_handler = AlRecibirSenal;
        sigemptyset(&accion.sa_mask);
        sigaction(SIGINT, &accion, &mAntesInt);
        sigaction(SIGTERM, &accion, &mAntesTerm);
    }
    ~Senales() {
        sigaction(SIGINT, &mAntesInt, nullptr);
        sigaction(SIGTERM, &mAntesTerm, nullptr);
    }
    Senales(const Senales&) = delete;
    Senales& operator=(const Senales&) = delete;

private:
    struct sigaction mAntesInt {};
    struct sigaction mAntesTerm {};
};

// A bar on standard error, redrawn at every whole per cent.
class Barra {
public:
    void operator()(double fraccion) {
        const int porcentaje = static_cast<int>(fraccion * 100);
        if (porcentaje == mUltimo) return;
        mUltimo = porcentaje;
        constexpr int kAncho = 40;
        const int lleno = porcentaje * kAncho / 100;
        std::cerr << '\r' << '[' << std::string(static_cast<std::size_t>(lleno), '#')
                  << std::string(static_cast<std::size_t>(kAncho - lleno), '.') << "] " << porcentaje << " %"
                  << std::flush;
    }
    static void Borrar() { std::cerr << '\r' << std::string(50, ' ') << '\r' << std::flush; }

private:
    int mUltimo = -1;
};

// The run's progress as a bar when standard error is a terminal; a signal stops it.
class SeguimientoTerminal : public Seguimiento {
public:
    explicit SeguimientoTerminal(bool terminal) : mTerminal(terminal) {}
    void Avance(double fraccion) override {
        if (mTerminal) mBarra(fraccion);
    }
    bool Cancelado() const override { return gDetener.load(); }

private:
    bool mTerminal;
    Barra mBarra;
};

std::string Letra(int grupo) { return std::string(1, static_cast<char>('A' + grupo - 1)); }

int FilaDe(const TablaCobertura& tabla, std::int64_t codigo) {
    const auto it = std::ranges::lower_bound(tabla.entradas, codigo, {}, &EntradaCobertura::codigo);
    return it != tabla.entradas.end() && it->codigo == codigo ? it->fila : 0;
}

// The report: one line for the whole, one for each kind and value of the cells left empty.
std::string InformeTexto(const Recuento& r, const PeticionMapa& p, bool escrito) {
    const auto n = [](std::uint64_t v) { return std::to_string(v); };
    std::string texto = Mensaje(kTextoInforme, {p.numeroCurva.string(), n(r.celdas), n(r.conNumero), n(r.Vacias())});
    if (r.sinDatoCobertura > 0) texto += '\n' + Mensaje(kTextoInformeSinDatoCobertura, {n(r.sinDatoCobertura)});
    if (r.sinDatoSuelo > 0) texto += '\n' + Mensaje(kTextoInformeSinDatoSuelo, {n(r.sinDatoSuelo)});
    for (const auto& [valor, celdas] : r.valoresSuelo) {
        texto += '\n' + Mensaje(kTextoInformeValorSuelo, {std::to_string(valor), n(celdas)});
    }
    for (const auto& [codigo, celdas] : r.codigosDesconocidos) {
        texto += '\n' + Mensaje(kTextoInformeCodigo, {std::to_string(codigo), n(celdas)});
    }
    for (const auto& [clave, celdas] : r.sinValor) {
        texto += '\n' + Mensaje(kTextoInformeAusente,
                                 {std::to_string(clave.first), std::to_string(FilaDe(p.tabla, clave.first)),
                                  Letra(clave.second), n(celdas)});
    }
    for (const auto* otro : {&p.umbral, &p.escorrentia}) {
        if (escrito && !otro->empty()) texto += '\n' + Mensaje(kTextoInformeTambien, {otro->string()});
    }
    return texto;
}

nlohmann::ordered_json InformeJson(const Recuento& r, const PeticionMapa& p) {
    // A file's name is bytes; JSON text is UTF-8: a name that is not is read as Windows-1252.
    nlohmann::ordered_json objeto{{"out", TextoUtf8(p.numeroCurva.string())}};
    if (!p.umbral.empty()) objeto["threshold"] = TextoUtf8(p.umbral.string());
    if (!p.escorrentia.empty()) objeto["runoff"] = TextoUtf8(p.escorrentia.string());
    objeto["cells"] = r.celdas;
    objeto["with_cn"] = r.conNumero;
    objeto["empty"] = r.Vacias();
    objeto["landcover_nodata"] = r.sinDatoCobertura;
    objeto["soil_nodata"] = r.sinDatoSuelo;
    const auto porValor = [](const std::map<std::int64_t, std::uint64_t>& cuenta) {
        nlohmann::ordered_json o = nlohmann::ordered_json::object();
        for (const auto& [valor, celdas] : cuenta) o[std::to_string(valor)] = celdas;
        return o;
    };
    objeto["soil_values"] = porValor(r.valoresSuelo);
    objeto["unknown_codes"] = porValor(r.codigosDesconocidos);
    objeto["missing_values"] = nlohmann::ordered_json::array();
    for (const auto& [clave, celdas] : r.sinValor) {
        objeto["missing_values"].push_back({{"code", clave.first},
                                            {"row", FilaDe(p.tabla, clave.first)},
                                            {"group", Letra(clave.second)},
                                            {"cells", celdas}});
    }
    return objeto;
}

}  // namespace

Comando RegistrarRaster(CLI::App& app, const Opciones& opciones) {
    struct Argumentos {
        std::string cobertura, suelo, tabla, salida, umbral, escorrentia;
        std::string condicion = "II", dual = "drained", lambda = "0.2", lluvia, hilos, bandaCobertura, bandaSuelo;
        bool estricto = false;
    };
    auto a = std::make_shared<Argumentos>();
    auto* raster = app.add_subcommand("raster", kAyudaRaster);
    raster->fallthrough();
    auto* cobertura =
        raster->add_option("--landcover", a->cobertura, "land-cover raster (any format GDAL reads), whole-number codes")
            ->type_name("FILE");
    auto* suelo = raster
                      ->add_option("--soil", a->suelo,
                                   "hydrologic-soil-group raster on the same grid: 1-4 = A-D, 11-14 = A/D, B/D, C/D, D/D")
                      ->type_name("FILE");
    auto* tabla = raster
                      ->add_option("--map", a->tabla,
                                   "lookup table (CSV): code and either row (1-72) or vegetation,treatment,condition")
                      ->type_name("FILE");
    auto* salida =
        raster->add_option("--out", a->salida, "curve-number GeoTIFF to write (bytes, no-data 255)")->type_name("FILE");
    raster
        ->add_option("--landcover-band", a->bandaCobertura,
                     "band of the land-cover raster to read, from 1 (required when it has several)")
        ->type_name("N");
    raster
        ->add_option("--soil-band", a->bandaSuelo,
                     "band of the soil-group raster to read, from 1 (required when it has several)")
        ->type_name("N");
    raster->add_option("--condition", a->condicion, "antecedent moisture condition I, II or III (default II)")
        ->type_name("I|II|III");
    raster->add_option("--dual", a->dual, "dual groups 11-14: drained (first letter, default) or undrained (D)")
        ->type_name("drained|undrained");
    raster->add_option("--threshold", a->umbral, "also write the runoff threshold, mm (32-bit floats, no-data -9999)")
        ->type_name("FILE");
    auto* lluvia = raster
                       ->add_option("--storm", a->lluvia,
                                    "design storm depth P in mm, from 0 to " + TextoNumero(kLluviaMaxima) +
                                        ", for --runoff")
                       ->type_name("P");
    auto* escorrentia = raster
                            ->add_option("--runoff", a->escorrentia,
                                         "also write the runoff depth of the storm, mm (32-bit floats, no-data -9999)")
                            ->type_name("FILE");
    raster
        ->add_option("--lambda", a->lambda, "initial abstraction ratio 0.2 (default) or 0.05, for runoff and threshold")
        ->type_name("0.2|0.05");
    raster->add_flag("--strict", a->estricto, "any cell left without a curve number is an error; nothing is written");
    raster->add_option("--threads", a->hilos, "worker threads (default: one per core)")->type_name("N");
    raster->footer(
        "A cell gets no curve number (255; -9999 in the mm rasters) when its land-cover cell is the raster's no-data,\n"
        "its soil-group cell is no-data or no group, its code is not in the table, or the data file gives no value\n"
        "(-1) for that row and group; the report counts each kind, by value and code. The outputs share the "
        "land-cover\n"
        "raster's size, geotransform and projection; inputs on different grids are refused, never resampled.\n"
        "A raster of several bands is read at the band --landcover-band or --soil-band names, and refused without one.\n"
        "A lookup table whose header separates its columns with \";\" is read that way, as --csv files are; a line with\n"
        "more fields than the header is refused; text that is not UTF-8 is read as Windows-1252.");

    return {raster, [=, &opciones] {
                ExigirArgumentos({cobertura, suelo, tabla, salida});
                // A storm and a runoff raster go together.
                if (lluvia->count() > 0 && escorrentia->count() == 0) Uso(kTextoFaltaArgumento, {"--runoff"});
                if (escorrentia->count() > 0 && lluvia->count() == 0) Uso(kTextoFaltaArgumento, {"--storm"});
                PeticionMapa p;
                p.cobertura = a->cobertura;
                p.suelo = a->suelo;
                p.numeroCurva = a->salida;
                p.umbral = a->umbral;
                p.escorrentia = a->escorrentia;
                p.estricto = a->estricto;
                if (a->condicion == "I" || a->condicion == "II" || a->condicion == "III") {
                    p.condicion = a->condicion == "I"    ? CondicionHumedad::I
                                  : a->condicion == "II" ? CondicionHumedad::II
                                                         : CondicionHumedad::III;
                } else {
                    return Rechazar(Mensaje(kTextoOpcionCondicion, {a->condicion}));
                }
                if (a->dual != "drained" && a->dual != "undrained")
                    return Rechazar(Mensaje(kTextoOpcionDual, {a->dual}));
                p.duales = a->dual == "drained" ? GruposDuales::Drenados : GruposDuales::NoDrenados;
                if (a->lambda != "0.2" && a->lambda != "0.05")
                    return Rechazar(Mensaje(kTextoOpcionLambda, {a->lambda}));
                p.lambda = a->lambda == "0.2" ? Lambda::Clasica : Lambda::Reducida;
                if (!a->escorrentia.empty()) {
                    const auto lluvia = LeerNumero(a->lluvia, "--storm", 0, kLluviaMaxima);
                    if (!lluvia) return Rechazar(lluvia.error());
                    p.lluvia = *lluvia;
                }
                if (!a->hilos.empty()) {
                    const auto hilos = LeerEntero(a->hilos, "--threads", 1, 256);
                    if (!hilos) return Rechazar(hilos.error());
                    p.hilos = static_cast<unsigned>(*hilos);
                }
                for (auto [texto, banda, nombre] : {std::tuple{&a->bandaCobertura, &p.bandaCobertura, "--landcover-band"},
                                                    std::tuple{&a->bandaSuelo, &p.bandaSuelo, "--soil-band"}}) {
                    if (texto->empty()) continue;
                    const auto leida = LeerEntero(*texto, nombre, 1, std::numeric_limits<int>::max());
                    if (!leida) return Rechazar(leida.error());
                    *banda = *leida;
                }

                auto datos = LeerDatos(RutaDatosPrograma());
                if (!datos) return Rechazar(MensajeErrorDatos(datos.error(), IdiomaEnVigor().idioma));
                p.datos = std::move(*datos);
                auto tabla = LeerTablaCobertura(a->tabla);
                if (!tabla) return Rechazar(MensajeErrorTabla(tabla.error(), a->tabla));
                p.tabla = std::move(*tabla);
                p.archivoTabla = a->tabla;

                const bool terminal = isatty(STDERR_FILENO) == 1;
                SeguimientoTerminal seguimiento(terminal);
                gDetener.store(false);
                gSenal = 0;
                p.seguimiento = &seguimiento;
                std::expected<Recuento, ErrorMapa> recuento;
                {
                    Senales senales;
                    recuento = GenerarMapa(p);
                }
                if (terminal) Barra::Borrar();
                if (recuento) return Escribir(opciones, InformeJson(*recuento, p), InformeTexto(*recuento, p, true));

                const ErrorMapa& error = recuento.error();
                if (error.fallo == FalloMapa::Estricto) {
                    std::cerr << InformeTexto(error.recuento, p, false) << '\n';
                }
                const int estado = Rechazar(MensajeErrorMapa(error));
                if (error.fallo == FalloMapa::Interrumpido && gSenal != 0) {
                    // Cleaned up: now end as the signal would have, so that a
                    // calling shell or script sees the interruption.
                    std::signal(gSenal, SIG_DFL);
                    std::raise(gSenal);
                }
                return estado;
            }};
}

}  // namespace tarvel::cli
