#include "raster/TablaCobertura.h"

#include <csv.h>

#include <algorithm>
#include <array>
#include <charconv>
#include <cstring>
#include <fstream>
#include <map>
#include <optional>

#include "app/Csv.h"
#include "app/MotivoSistema.h"
#include "app/TablaTextos.h"
#include "app/Texto.h"
#include "data/Datos.h"
#include "determination/Clasificacion.h"
#include "raster/TextosRaster.h"

namespace tarvel::raster {
namespace {

constexpr std::string_view kBom = "\xEF\xBB\xBF";

ErrorTabla Fallo(FalloTabla fallo, int linea, std::string valor = {}, std::string otro = {}, int numero = 0) {
    ErrorTabla e;
    e.fallo = fallo;
    e.linea = linea;
    e.valor = std::move(valor);
    e.otro = std::move(otro);
    e.numero = numero;
    return e;
}

bool MismoNombre(std::string_view a, std::string_view b) {
    a = SinBlancos(a);
    return std::ranges::equal(
        a, b, [](char x, char y) { return (x >= 'A' && x <= 'Z' ? static_cast<char>(x - 'A' + 'a') : x) == y; });
}

// A whole number as written: blanks around it aside, an optional sign, digits.
std::optional<std::int64_t> Entero(std::string_view texto) {
    texto = SinBlancos(texto);
    if (texto.starts_with('+')) texto.remove_prefix(1);
    std::int64_t valor = 0;
    const auto [fin, ec] = std::from_chars(texto.data(), texto.data() + texto.size(), valor);
    if (texto.empty() || ec != std::errc{} || fin != texto.data() + texto.size()) return std::nullopt;
    return valor;
}

enum Columna { kCode, kRow, kVegetation, kTreatment, kCondition, kColumnas };
constexpr std::array<std::string_view, kColumnas> kNombres{"code", "row", "vegetation", "treatment", "condition"};

class Lector {
public:
    // Strict: a quote inside an unquoted field, or one left open, is a fault of its line.
    Lector() { csv_init(&mAnalizador, CSV_STRICT | CSV_STRICT_FINI); }
    ~Lector() { csv_free(&mAnalizador); }
    Lector(const Lector&) = delete;
    Lector& operator=(const Lector&) = delete;

    std::expected<TablaCobertura, ErrorTabla> Leer(std::string_view texto) {
        if (texto.starts_with(kBom)) texto.remove_prefix(kBom.size());
        csv_set_delim(&mAnalizador, static_cast<unsigned char>(SeparadorCsv(texto)));
        // Fed one line at a time, so that every record knows the line it starts on.
        while (!texto.empty() && !mError) {
            std::size_t fin = texto.find_first_of("\r\n");
            fin = fin == std::string_view::npos ? texto.size() : fin + 1;
            if (fin < texto.size() && texto[fin - 1] == '\r' && texto[fin] == '\n') ++fin;
            ++mLinea;
            // A record starts on the first line after the last one that is not empty.
            if (mEntreRegistros && texto.substr(0, fin).find_first_not_of("\r\n") != std::string_view::npos) {
                mInicioRegistro = mLinea;
                mEntreRegistros = false;
            }
            if (csv_parse(&mAnalizador, texto.data(), fin, &Lector::FinCampo, &Lector::FinRegistro, this) < fin) {
                mError = Fallo(FalloTabla::Csv, mLinea);
            }
            texto.remove_prefix(fin);
        }
        if (!mError && csv_fini(&mAnalizador, &Lector::FinCampo, &Lector::FinRegistro, this) != 0) {
            mError = Fallo(FalloTabla::Csv, mInicioRegistro);
        }
        if (mError) return std::unexpected(*mError);
        if (!mCabecera) return std::unexpected(Fallo(FalloTabla::SinCode, 1));
        if (mPorCodigo.empty()) return std::unexpected(Fallo(FalloTabla::Vacia, 0));
        TablaCobertura tabla;
        for (const auto& [codigo, entrada] : mPorCodigo) tabla.entradas.push_back(entrada);
        return tabla;
    }

private:
    static void FinCampo(void* campo, std::size_t longitud, void* datos) {
        auto* lector = static_cast<Lector*>(datos);
        lector->mCampos.emplace_back(campo ? static_cast<const char*>(campo) : "", longitud);
    }

    static void FinRegistro(int, void* datos) {
        auto* lector = static_cast<Lector*>(datos);
        lector->mEntreRegistros = true;
        if (!lector->mError) {
            const bool blanco =
                std::ranges::all_of(lector->mCampos, [](const std::string& c) { return SinBlancos(c).empty(); });
            if (!lector->mCabecera) {
                lector->Cabecera();
            } else if (blanco) {
                // skipped
            } else if (lector->mCampos.size() > lector->mAnchura) {
                lector->mError = Fallo(FalloTabla::CamposDeMas, lector->mInicioRegistro,
                                       std::to_string(lector->mCampos.size()), {},
                                       static_cast<int>(lector->mAnchura));
            } else {
                lector->Registro();
            }
        }
        lector->mCampos.clear();
    }

    void Cabecera() {
        mCabecera = true;
        mAnchura = mCampos.size();
        for (std::size_t i = 0; i < mCampos.size(); ++i) {
            for (int c = 0; c < kColumnas; ++c) {
                if (!MismoNombre(mCampos[i], kNombres[c])) continue;
                if (mColumnas[c]) {
                    mError = Fallo(FalloTabla::ColumnaDoble, 1, std::string(kNombres[c]));
                    return;
                }
                mColumnas[c] = i;
            }
        }
        const bool respuestas = mColumnas[kVegetation] && mColumnas[kTreatment] && mColumnas[kCondition];
        if (!mColumnas[kCode]) {
            mError = Fallo(FalloTabla::SinCode, 1);
        } else if (!mColumnas[kRow] && !respuestas) {
            mError = Fallo(FalloTabla::SinFila, 1);
        }
        mConRespuestas = respuestas;
    }

    std::string_view Campo(Columna c) const {
        if (!mColumnas[c] || *mColumnas[c] >= mCampos.size()) return {};
        return SinBlancos(mCampos[*mColumnas[c]]);
    }

    void Registro() {
        const int linea = mInicioRegistro;
        const auto codigo = Entero(Campo(kCode));
        if (!codigo) {
            mError = Fallo(FalloTabla::Codigo, linea, std::string(Campo(kCode)));
            return;
        }
        if (const auto previa = mPorCodigo.find(*codigo); previa != mPorCodigo.end()) {
            mError = Fallo(FalloTabla::CodigoRepetido, linea, std::to_string(*codigo), {}, previa->second.linea);
            return;
        }
        std::optional<int> fila;
        if (const std::string_view texto = Campo(kRow); !texto.empty()) {
            const auto leida = Entero(texto);
            if (!leida || *leida < 1 || *leida > kFilasDatos) {
                mError = Fallo(FalloTabla::FilaInexistente, linea, std::string(texto));
                return;
            }
            fila = static_cast<int>(*leida);
        }
        const std::string respuestas = std::string(Campo(kVegetation)) + "," + std::string(Campo(kTreatment)) + "," +
                                       std::string(Campo(kCondition));
        if (mConRespuestas && respuestas != ",,") {
            const auto designada = FilaDeLasRespuestas();
            if (!designada) {
                mError = Fallo(FalloTabla::Respuestas, linea, respuestas);
                return;
            }
            if (fila && *fila != *designada) {
                mError = Fallo(FalloTabla::FilaDistinta, linea, respuestas, std::to_string(*fila), *designada);
                return;
            }
            fila = designada;
        }
        if (!fila) {
            mError = Fallo(FalloTabla::SinFilaNiRespuestas, linea, {}, std::to_string(*codigo));
            return;
        }
        mPorCodigo.emplace(*codigo, EntradaCobertura{*codigo, *fila, linea});
    }

    // The row the three answers designate, with the ranges the cn command checks.
    std::optional<int> FilaDeLasRespuestas() const {
        const auto vegetacion = Entero(Campo(kVegetation));
        const auto laboreo = Entero(Campo(kTreatment));
        const auto condicion = Entero(Campo(kCondition));
        if (!vegetacion || *vegetacion < 0 || *vegetacion >= kPrimeraArida + kEntradasAridas) return std::nullopt;
        if (!laboreo || *laboreo < -1 || *laboreo >= kTratamientos) return std::nullopt;
        if (!condicion || *condicion < -1 || *condicion > 5) return std::nullopt;
        return FilaDeDatos(static_cast<int>(*vegetacion), static_cast<int>(*laboreo), static_cast<int>(*condicion));
    }

    csv_parser mAnalizador{};
    int mLinea = 0;  // the line being read
    int mInicioRegistro = 1;
    bool mEntreRegistros = true;
    std::vector<std::string> mCampos;
    bool mCabecera = false;
    std::size_t mAnchura = 0;  // fields of the header
    bool mConRespuestas = false;
    std::array<std::optional<std::size_t>, kColumnas> mColumnas{};
    std::map<std::int64_t, EntradaCobertura> mPorCodigo;
    std::optional<ErrorTabla> mError;
};

}  // namespace

std::expected<TablaCobertura, ErrorTabla> AnalizarTablaCobertura(std::string_view contenido) {
    return Lector().Leer(TextoUtf8(contenido));
}

std::expected<TablaCobertura, ErrorTabla> LeerTablaCobertura(const std::filesystem::path& archivo) {
    std::ifstream entrada(archivo, std::ios::binary);
    std::error_code ec;
    const auto tamano = std::filesystem::file_size(archivo, ec);
    if (!entrada || ec) {
        return std::unexpected(Fallo(FalloTabla::NoLegible, 0, {}, MotivoDeSistema(ec ? ec.value() : errno)));
    }
    if (tamano > kMaximoTabla) return std::unexpected(Fallo(FalloTabla::Grande, 0));
    std::string contenido(tamano, '\0');
    entrada.read(contenido.data(), static_cast<std::streamsize>(tamano));
    if (static_cast<std::uintmax_t>(entrada.gcount()) != tamano) {
        return std::unexpected(Fallo(FalloTabla::NoLegible, 0, {}, MotivoDeSistema(errno)));
    }
    return AnalizarTablaCobertura(contenido);
}

std::string MensajeErrorTabla(const ErrorTabla& e, const std::filesystem::path& archivo) {
    const std::string nombre = archivo.string();
    const std::string linea = std::to_string(e.linea);
    switch (e.fallo) {
        case FalloTabla::NoLegible: return Mensaje(kTextoTablaIlegible, {nombre, e.otro});
        case FalloTabla::Grande: return Mensaje(kTextoTablaGrande, {nombre});
        case FalloTabla::Csv: return Mensaje(kTextoTablaCsv, {nombre, linea});
        case FalloTabla::SinCode: return Mensaje(kTextoTablaSinCode, {nombre});
        case FalloTabla::SinFila: return Mensaje(kTextoTablaSinFila, {nombre});
        case FalloTabla::ColumnaDoble: return Mensaje(kTextoTablaColumnaDoble, {nombre, e.valor});
        case FalloTabla::Codigo: return Mensaje(kTextoTablaCodigo, {nombre, linea, e.valor});
        case FalloTabla::CodigoRepetido:
            return Mensaje(kTextoTablaCodigoRepetido, {nombre, linea, e.valor, std::to_string(e.numero)});
        case FalloTabla::FilaInexistente: return Mensaje(kTextoTablaFilaInexistente, {nombre, linea, e.valor});
        case FalloTabla::Respuestas: return Mensaje(kTextoTablaRespuestas, {nombre, linea, e.valor});
        case FalloTabla::SinFilaNiRespuestas: return Mensaje(kTextoTablaSinFilaNiRespuestas, {nombre, linea, e.otro});
        case FalloTabla::FilaDistinta:
            return Mensaje(kTextoTablaFilaDistinta, {nombre, linea, e.otro, e.valor, std::to_string(e.numero)});
        case FalloTabla::Vacia: return Mensaje(kTextoTablaVacia, {nombre});
        case FalloTabla::CamposDeMas:
            return Mensaje(kTextoTablaCamposDeMas, {nombre, linea, e.valor, std::to_string(e.numero)});
    }
    return {};
}

}  // namespace tarvel::raster
