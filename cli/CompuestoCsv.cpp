#include "cli/CompuestoCsv.h"

#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <fstream>
#include <iostream>
#include <vector>

#include "app/FormatoNumerico.h"
#include "app/Patrones.h"
#include "app/TablaTextos.h"
#include "app/TextosMensajes.h"
#include "catchment/CompuestoPorPasadas.h"
#include "cli/batch/Mensajes.h"
#include "hydrology/TextosEscorrentia.h"

namespace tarvel::cli {
namespace {

constexpr ColumnaLote kColumnas[] = {{"area"}, {"cn"}};
constexpr std::size_t kBloque = 1 << 18;

// The input, ready to be read from its start as often as needed.
class EntradaRelegible {
public:
    EntradaRelegible() = default;
    EntradaRelegible(const EntradaRelegible&) = delete;
    EntradaRelegible& operator=(const EntradaRelegible&) = delete;

    // Keeps `entrada` when it can go back to where it stands now (a regular
    // file, standard input redirected from one), else copies the rest of it
    // to a temporary file. The message when the copy fails.
    std::optional<std::string> Preparar(std::istream& entrada) {
        const auto inicio = entrada.rdbuf()->pubseekoff(0, std::ios::cur, std::ios::in);
        if (inicio != std::streampos(-1)) {
            mEntrada = &entrada;
            mInicio = inicio;
            return std::nullopt;
        }
        return Copiar(entrada);
    }

    std::istream& DesdeElPrincipio() {
        mEntrada->clear();
        mEntrada->seekg(mInicio);
        return *mEntrada;
    }

private:
    std::optional<std::string> Copiar(std::istream& entrada) {
        std::error_code ec;
        const auto carpeta = std::filesystem::temp_directory_path(ec);
        std::string nombre = (ec ? std::filesystem::path("/tmp") : carpeta) / "tarvel-cli.XXXXXX";
        errno = 0;
        const int descriptor = mkstemp(nombre.data());
        if (descriptor < 0) return Fallo(errno);
        // Open for reading, the name can go at once: nothing is left behind.
        mCopia.open(nombre, std::ios::binary);
        unlink(nombre.c_str());
        int error = mCopia ? 0 : EIO;
        std::vector<char> bloque(kBloque);
        while (error == 0 && entrada) {
            entrada.read(bloque.data(), static_cast<std::streamsize>(bloque.size()));
            for (std::streamsize hecho = 0, n = entrada.gcount(); error == 0 && hecho < n;) {
                const ssize_t escrito = write(descriptor, bloque.data() + hecho, static_cast<std::size_t>(n - hecho));
                if (escrito < 0 && errno != EINTR) error = errno;
                if (escrito > 0) hecho += escrito;
            }
        }
        if (error == 0 && entrada.bad()) return Mensaje(kTextoLecturaIncompleta);
        if (close(descriptor) != 0 && error == 0) error = errno;
        if (error != 0) return Fallo(error);
        mEntrada = &mCopia;
        mInicio = 0;
        return std::nullopt;
    }

    static std::string Fallo(int error) { return Mensaje(kTextoSinTemporal, {MotivoDeSistema(error)}); }

    std::ifstream mCopia;
    std::istream* mEntrada = nullptr;
    std::streampos mInicio = 0;
};

// Where the text goes: standard output, in large blocks.
class Salida {
public:
    Salida() { mTexto.reserve(kBloque + 4096); }
    ~Salida() { Vaciar(); }
    Salida(const Salida&) = delete;
    Salida& operator=(const Salida&) = delete;

    std::string& Texto() { return mTexto; }
    // Writes the block once it is full; false once standard output failed.
    bool Seguir() {
        if (mTexto.size() >= kBloque) Vaciar();
        return static_cast<bool>(std::cout);
    }
    void Vaciar() {
        if (std::cout) std::cout.write(mTexto.data(), static_cast<std::streamsize>(mTexto.size()));
        mTexto.clear();
    }

private:
    std::string mTexto;
};

std::string Cifra(double valor) { return Formatear(valor, Patron::UnDecimalConCero); }

std::string NombreLambda(Lambda lambda) { return TextoNumero(ValorLambda(lambda)); }

// Cells separated by tabs, then a line break; a tab or line break inside a
// cell would split it and reads as a blank.
template <class Celdas>
void Linea(std::string& texto, const Celdas& celdas) {
    bool primera = true;
    for (const auto& celda : celdas) {
        if (!primera) texto += '\t';
        primera = false;
        for (const char c : std::string_view(celda)) texto += c == '\t' || c == '\n' || c == '\r' ? ' ' : c;
    }
    texto += '\n';
}

// The header of the input, and how each pass reads its rows.
class LectorCuenca {
public:
    explicit LectorCuenca(EntradaRelegible& entrada) : mEntrada(entrada) {}

    const std::vector<std::string>& Cabecera() const { return mCabecera; }

    // One pass over the rows, numbered from the first after the header; a row
    // whose area and cn are both empty (a spreadsheet's trailing ",,,") is
    // skipped. `fila` gets each sub-area, its row and its fields (as many as
    // the header's, a short row's padded with empty ones) and returns false
    // to stop. The message of the first row refused (by its form here, by its
    // values with Rechazo), or of an input that cannot be read.
    template <class Fila>
    std::optional<std::string> Pasada(Fila&& fila) {
        std::optional<std::string> rechazo;
        int numero = 0;
        const RecorridoLote recorrido{
            [this](const CabeceraLote& cabecera) {
                mCabecera.assign(cabecera.campos.begin(), cabecera.campos.end());
                mArea = static_cast<std::size_t>(cabecera.columnas[0]);
                mCn = static_cast<std::size_t>(cabecera.columnas[1]);
                mMarca = cabecera.marca;
            },
            [&](std::span<const std::string_view> campos) {
                ++numero;
                const auto enFila = [&](const std::string& porque) {
                    rechazo = Mensaje(kTextoEnFila, {std::to_string(numero), porque});
                    return false;
                };
                const std::size_t ancho = mCabecera.size();
                if (campos.size() > ancho) {
                    return enFila(std::string(tarvel::Texto(kTextoErrorEntrada)) + ' ' +
                                  Mensaje(kTextoCamposDeMas, {std::to_string(campos.size()), std::to_string(ancho)}));
                }
                mCampos.assign(campos.begin(), campos.end());
                mCampos.resize(ancho);
                const std::string_view area = mCampos[mArea];
                const std::string_view cn = mCampos[mCn];
                if (SinBlancos(area).empty() && SinBlancos(cn).empty()) return true;
                Subarea subarea;
                if (auto leido = Numero(area, "area", subarea.area); !leido.empty()) return enFila(leido);
                if (auto leido = Numero(cn, "cn", subarea.cn); !leido.empty()) return enFila(leido);
                if (fila(subarea, numero, std::span<const std::string_view>(mCampos))) return true;
                if (mRechazo) enFila(*mRechazo);
                return false;
            }};
        mRechazo.reset();
        if (auto fallo = RecorrerLote(kColumnas, mEntrada.DesdeElPrincipio(), recorrido)) return fallo;
        return rechazo;
    }

    // Called by `fila` before it returns false: the sub-area the core refused
    // (ComprobarSubarea), named with the value at fault.
    void Rechazo(FalloCuenca fallo) {
        const bool area = fallo == FalloCuenca::Area;
        mRechazo = ValorRechazado(area ? "area" : "cn", SinBlancos(mCampos[area ? mArea : mCn]),
                                  area ? std::string(tarvel::Texto(kTextoAreaPositiva)) : Mensaje(kTextoCurvaRango));
    }

private:
    // A cell's number, NaN for what is none; only the other decimal mark is
    // refused here (its message), the rest by the checks of the value.
    std::string Numero(std::string_view valor, std::string_view nombre, double& numero) const {
        const auto texto = TextoDeNumero(valor, nombre, mMarca);
        if (!texto) return texto.error();
        numero = ConvertirNumero(*texto, FormatoNumerico{'.', ','}).value_or(NAN);
        return {};
    }

    EntradaRelegible& mEntrada;
    std::vector<std::string> mCabecera;
    std::size_t mArea = 0;
    std::size_t mCn = 0;
    MarcaDecimal mMarca = MarcaDecimal::Punto;
    std::vector<std::string_view> mCampos;
    std::optional<std::string> mRechazo;
};

// The composite under the three conditions and, with a storm, the catchment's
// runoff, as lines after the rows.
void TextoResumen(std::string& texto, const CompuestoPorPasadas::Resultado& r) {
    const Compuesto& compuesto = r.compuesto;
    texto += '\n';
    Linea(texto, std::initializer_list<std::string>{std::string(Texto(kTextoAreaTotal)),
                                                    TextoNumero(compuesto.areaTotal)});
    Linea(texto, std::initializer_list<std::string_view>{Texto(kTextoColumnaCondicion), Texto(kTextoColumnaNC),
                                                         Texto(kTextoColumnaUmbral)});
    const char* const condiciones[] = {"I", "II", "III"};
    for (std::size_t j = 0; j < 3; ++j) {
        Linea(texto, std::initializer_list<std::string>{condiciones[j], Cifra(compuesto.CN[j]),
                                                        Cifra(compuesto.umbral[j])});
    }
    if (r.escorrentias.empty()) return;
    texto += '\n';
    Linea(texto, std::initializer_list<std::string>{std::string(Texto(kTextoLineaLluvia)),
                                                    TextoNumero(r.escorrentias.front().P)});
    Linea(texto, std::initializer_list<std::string_view>{Texto(kTextoColumnaLambda), Texto(kTextoQPonderada),
                                                         Texto(kTextoNCDeQ), Texto(kTextoQDelNCPonderado)});
    for (const auto& e : r.escorrentias) {
        // With no runoff, every curve number up to this one gives none: marked as the tables mark a bound.
        Linea(texto, std::initializer_list<std::string>{
                         NombreLambda(e.lambda), Cifra(e.Q),
                         Cifra(e.equivalente.CN) + (e.equivalente.sinEscorrentia ? "\u2264" : ""),
                         Cifra(e.delCompuesto.Q)});
    }
}

// The JSON object of the result, split around its rows: what comes before
// them ends with `"rows":[`, what comes after starts with `]`.
std::pair<std::string, std::string> JsonAlrededor(const CompuestoPorPasadas::Resultado& r) {
    const Compuesto& compuesto = r.compuesto;
    std::string antes = TextoJson(
        {{"total_area_ha", compuesto.areaTotal}, {"cn", compuesto.CN}, {"threshold_mm", compuesto.umbral}});
    antes.back() = ',';
    antes += "\"rows\":[";
    if (r.escorrentias.empty()) return {antes, "]}"};
    std::string despues =
        TextoJson({{"storm_mm", r.escorrentias.front().P}, {"runoff", JsonEscorrentiasCompuestas(r.escorrentias)}});
    despues.front() = ',';
    return {antes, "]" + despues};
}

}  // namespace

nlohmann::ordered_json JsonEscorrentiasCompuestas(const std::vector<EscorrentiaCompuesta>& escorrentias) {
    nlohmann::ordered_json lista = nlohmann::ordered_json::array();
    for (const auto& e : escorrentias) {
        lista.push_back({{"lambda", ValorLambda(e.lambda)},
                         {"q_mm", e.Q},
                         {"cn", e.equivalente.CN},
                         {"cn_lambda", e.equivalente.CNLambda},
                         {"no_runoff", e.equivalente.sinEscorrentia},
                         {"q_of_weighted_cn_mm", e.delCompuesto.Q}});
    }
    return lista;
}

int CompuestoDeCsv(const Opciones& opciones, const std::string& archivo, std::optional<double> lluvia,
                   EleccionLambda eleccion) {
    return ConEntrada(archivo, [&](std::istream& abierta) {
        EntradaRelegible entrada;
        if (auto fallo = entrada.Preparar(abierta)) return Rechazar(*fallo);
        LectorCuenca lector(entrada);
        CompuestoPorPasadas compuesto(lluvia, LambdasDe(eleccion));

        // The first pass checks every row and sums the areas; nothing is written before it ends.
        const auto fallo = lector.Pasada([&](const Subarea& subarea, int, auto) {
            const auto rechazo = compuesto.Contar(subarea);
            if (rechazo) lector.Rechazo(rechazo->fallo);
            return !rechazo;
        });
        if (fallo) return Rechazar(*fallo);
        if (const auto rechazo = compuesto.CerrarPrimera()) return Rechazar(MensajeCuenca(*rechazo));

        // Every later pass must meet the same sub-areas: the same number, the
        // same total, each as the first pass let it through.
        const auto pasada = [&](auto&& fila) {
            std::size_t subareas = 0;
            double total = 0;
            bool cambiada = false;
            auto error = lector.Pasada([&](const Subarea& subarea, int numero, auto campos) {
                ++subareas;
                total += subarea.area;
                cambiada = !(subarea.area > 0 && subarea.cn > 0 && subarea.cn <= 100);
                return !cambiada && fila(subarea, numero, campos);
            });
            const bool otras = subareas != compuesto.Subareas() || total != compuesto.AreaTotal();
            if (cambiada || (!error && std::cout && otras)) error = Mensaje(kTextoEntradaCambiada);
            return error;
        };
        const auto lambdas = compuesto.Lambdas();
        Salida salida;
        std::string& texto = salida.Texto();

        if (!opciones.json) {
            std::vector<std::string> cabecera = lector.Cabecera();
            cabecera.emplace_back(Texto(kTextoColumnaCuota));
            for (const Lambda l : lambdas) cabecera.push_back(Mensaje(kTextoColumnaQLambda, {NombreLambda(l)}));
            Linea(texto, cabecera);
            if (auto error = pasada([&](const Subarea& subarea, int, std::span<const std::string_view> campos) {
                    const auto fila = compuesto.Sumar(subarea);
                    Linea(texto, campos);
                    texto.back() = '\t';
                    texto += Cifra(100 * fila.cuota);
                    for (std::size_t l = 0; l < lambdas.size(); ++l) texto += '\t' + Cifra(fila.escorrentia[l].Q);
                    texto += '\n';
                    return salida.Seguir();
                })) {
                salida.Vaciar();
                return Rechazar(*error);
            }
            const auto resultado = compuesto.Terminar();
            if (!resultado) return Rechazar(MensajeCuenca(resultado.error()));
            TextoResumen(texto, *resultado);
            return kHecho;
        }

        // The JSON object gives the composite before the rows: one pass to
        // weigh them, one more to write them.
        if (auto error = pasada([&](const Subarea& subarea, int, auto) {
                compuesto.Sumar(subarea);
                return true;
            })) {
            return Rechazar(*error);
        }
        const auto resultado = compuesto.Terminar();
        if (!resultado) return Rechazar(MensajeCuenca(resultado.error()));
        const auto [antes, despues] = JsonAlrededor(*resultado);
        texto += antes;
        const auto& nombres = lector.Cabecera();
        bool primera = true;
        // One object for every row, its values replaced: its keys keep their order.
        nlohmann::ordered_json fila = nlohmann::ordered_json::object();
        if (auto error = pasada([&](const Subarea& subarea, int numero, std::span<const std::string_view> campos) {
                const auto valores = compuesto.Valores(subarea);
                fila["row"] = numero;
                auto& celdas = fila["fields"];
                for (std::size_t k = 0; k < nombres.size(); ++k) celdas[nombres[k]] = campos[k];
                fila["area_ha"] = subarea.area;
                fila["cn"] = subarea.cn;
                fila["share_pct"] = 100 * valores.cuota;
                for (std::size_t l = 0; l < lambdas.size(); ++l) {
                    fila[lambdas[l] == Lambda::Clasica ? "q02_mm" : "q005_mm"] = valores.escorrentia[l].Q;
                }
                if (!primera) texto += ',';
                primera = false;
                texto += TextoJson(fila);
                return salida.Seguir();
            })) {
            salida.Vaciar();
            return Rechazar(*error);
        }
        texto += despues;
        texto += '\n';
        return kHecho;
    });
}

}  // namespace tarvel::cli
