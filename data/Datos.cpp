#include "data/Datos.h"

#include <charconv>
#include <fstream>
#include <iterator>
#include <system_error>

#include "app/TablaTextos.h"
#include "app/TextosMensajes.h"

namespace tarvel {
namespace {

constexpr std::uintmax_t kTamanoConFinal = kFilasDatos * kBytesLinea;  // 936
constexpr std::uintmax_t kTamanoSinFinal = kTamanoConFinal - 2;        // 934
// A file far larger than any good one is not read whole to find its fault.
constexpr std::uintmax_t kLimiteLectura = 1 << 16;

std::unexpected<ErrorDatos> Fallo(FalloDatos fallo, const std::filesystem::path& archivo, int linea = 0,
                                  std::string contenido = {}, int campo = -1) {
    return std::unexpected(ErrorDatos{fallo, archivo, linea, campo, std::move(contenido)});
}

bool CampoValido(std::string_view campo) {
    auto cifra = [](char c) { return c >= '0' && c <= '9'; };
    return campo.size() == 2 && (campo == "-1" || (cifra(campo[0]) && cifra(campo[1])));
}

// The 11 bytes of a line without its line end: "dd dd dd dd".
std::expected<FilaDatos, ErrorDatos> LeerContenidoLinea(std::string_view contenido, int linea,
                                                        const std::filesystem::path& archivo) {
    if (contenido.size() != kBytesLinea - 2) {
        return Fallo(FalloDatos::LongitudLinea, archivo, linea, std::to_string(contenido.size() + 2));
    }
    if (contenido[2] != ' ' || contenido[5] != ' ' || contenido[8] != ' ') {
        return Fallo(FalloDatos::Separador, archivo, linea);
    }
    FilaDatos fila;
    for (int campo = 0; campo < 4; ++campo) {
        const auto texto = contenido.substr(static_cast<std::size_t>(campo) * 3, 2);
        if (!CampoValido(texto)) return Fallo(FalloDatos::Campo, archivo, linea, std::string(texto), campo);
        fila[campo] = std::string(texto);
    }
    return fila;
}

std::expected<std::string, ErrorDatos> LeerArchivoEntero(const std::filesystem::path& archivo) {
    std::ifstream entrada(archivo, std::ios::binary);
    if (!entrada) return Fallo(FalloDatos::NoLegible, archivo);
    std::string contenido(kLimiteLectura, '\0');
    entrada.read(contenido.data(), static_cast<std::streamsize>(contenido.size()));
    if (entrada.bad()) return Fallo(FalloDatos::NoLegible, archivo);
    contenido.resize(static_cast<std::size_t>(entrada.gcount()));
    return contenido;
}

// Opens nothing: checks that the path names a readable regular file and gives its size.
std::expected<std::uintmax_t, ErrorDatos> TamanoArchivo(const std::filesystem::path& archivo) {
    std::error_code ec;
    const auto estado = std::filesystem::status(archivo, ec);
    if (estado.type() == std::filesystem::file_type::not_found) return Fallo(FalloDatos::FaltaArchivo, archivo);
    if (ec || estado.type() != std::filesystem::file_type::regular) return Fallo(FalloDatos::NoLegible, archivo);
    const auto tamano = std::filesystem::file_size(archivo, ec);
    if (ec) return Fallo(FalloDatos::NoLegible, archivo);
    return tamano;
}

// Something is wrong with the file: find the first line to blame, so that the
// message points at the real fault and not at a row displaced by it.
ErrorDatos Diagnosticar(const std::filesystem::path& archivo, ErrorDatos sinCulpable) {
    const auto contenido = LeerArchivoEntero(archivo);
    if (!contenido) return contenido.error();
    const auto analisis = AnalizarDatos(*contenido, archivo);
    if (!analisis) return analisis.error();
    return sinCulpable;
}

// Bytes of a field shown safely: printable ASCII as it stands, others as \xNN.
std::string Visible(std::string_view texto) {
    static constexpr char kHex[] = "0123456789ABCDEF";
    std::string salida;
    for (const unsigned char c : texto) {
        if (c >= 0x20 && c < 0x7F) {
            salida.push_back(static_cast<char>(c));
        } else {
            salida += "\\x";
            salida.push_back(kHex[c >> 4]);
            salida.push_back(kHex[c & 15]);
        }
    }
    return salida;
}

}  // namespace

std::filesystem::path RutaDatos(const std::filesystem::path& carpeta) {
    return carpeta / std::string(kNombreArchivoDatos);
}

std::expected<std::vector<FilaDatos>, ErrorDatos> AnalizarDatos(std::string_view contenido,
                                                                const std::filesystem::path& archivo) {
    if (contenido.empty()) return Fallo(FalloDatos::Tamano, archivo, 0, "0");
    std::vector<FilaDatos> filas;
    filas.reserve(kFilasDatos);
    std::size_t inicio = 0;
    for (int linea = 1; linea <= kFilasDatos; ++linea) {
        if (inicio >= contenido.size()) return Fallo(FalloDatos::FaltanLineas, archivo, linea - 1);
        const auto lf = contenido.find('\n', inicio);
        std::string_view texto = contenido.substr(inicio, lf == std::string_view::npos ? std::string_view::npos : lf - inicio);
        inicio = lf == std::string_view::npos ? contenido.size() : lf + 1;
        if (lf != std::string_view::npos) {
            if (texto.ends_with('\r')) {
                texto.remove_suffix(1);
            } else if (texto.size() == kBytesLinea - 2) {
                return Fallo(FalloDatos::FinDeLinea, archivo, linea);
            } else {
                return Fallo(FalloDatos::LongitudLinea, archivo, linea, std::to_string(texto.size() + 1));
            }
        } else if (linea != kFilasDatos) {
            return Fallo(FalloDatos::FaltanLineas, archivo, linea);
        } else if (texto.size() != kBytesLinea - 2) {
            return Fallo(FalloDatos::LongitudLinea, archivo, linea, std::to_string(texto.size()));
        }
        auto fila = LeerContenidoLinea(texto, linea, archivo);
        if (!fila) return std::unexpected(fila.error());
        filas.push_back(std::move(*fila));
    }
    if (inicio < contenido.size()) return Fallo(FalloDatos::LineaSobrante, archivo, kFilasDatos + 1);
    return filas;
}

std::expected<std::vector<FilaDatos>, ErrorDatos> LeerDatos(const std::filesystem::path& archivo) {
    const auto tamano = TamanoArchivo(archivo);
    if (!tamano) return std::unexpected(tamano.error());
    const auto contenido = LeerArchivoEntero(archivo);
    if (!contenido) return std::unexpected(contenido.error());
    return AnalizarDatos(*contenido, archivo);
}

std::expected<FilaDatos, ErrorDatos> LeerFilaDatos(const std::filesystem::path& archivo, int fila) {
    if (fila < 1 || fila > kFilasDatos) return Fallo(FalloDatos::FilaInexistente, archivo, fila);
    const auto tamano = TamanoArchivo(archivo);
    if (!tamano) return std::unexpected(tamano.error());
    if (*tamano != kTamanoConFinal && *tamano != kTamanoSinFinal) {
        return std::unexpected(
            Diagnosticar(archivo, ErrorDatos{FalloDatos::Tamano, archivo, 0, -1, std::to_string(*tamano)}));
    }

    const bool sinFinal = fila == kFilasDatos && *tamano == kTamanoSinFinal;
    std::string bytes(sinFinal ? kBytesLinea - 2 : kBytesLinea, '\0');
    {
        std::ifstream entrada(archivo, std::ios::binary);
        if (!entrada) return Fallo(FalloDatos::NoLegible, archivo);
        entrada.seekg(static_cast<std::streamoff>(kBytesLinea) * (fila - 1));
        entrada.read(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        if (entrada.gcount() != static_cast<std::streamsize>(bytes.size())) {
            return std::unexpected(Diagnosticar(archivo, ErrorDatos{FalloDatos::NoLegible, archivo, 0, -1, {}}));
        }
    }

    std::string_view linea = bytes;
    if (!sinFinal) {
        if (!linea.ends_with("\r\n")) {
            return std::unexpected(Diagnosticar(
                archivo, ErrorDatos{FalloDatos::LongitudLinea, archivo, fila, -1, std::to_string(kBytesLinea)}));
        }
        linea.remove_suffix(2);
    }
    auto leida = LeerContenidoLinea(linea, fila, archivo);
    if (!leida) return std::unexpected(Diagnosticar(archivo, leida.error()));
    return leida;
}

std::expected<ValorCurva, ErrorDatos> ValorNumeroCurva(const std::filesystem::path& archivo, int fila, int grupo) {
    if (grupo < 1 || grupo > 4) return Fallo(FalloDatos::Campo, archivo, fila, {}, grupo - 1);
    auto campos = LeerFilaDatos(archivo, fila);
    if (!campos) return std::unexpected(campos.error());
    return ValorDeFila(*campos, grupo);
}

ValorCurva ValorDeFila(const FilaDatos& fila, int grupo) {
    ValorCurva valor;
    valor.texto = fila[static_cast<std::size_t>(grupo - 1)];
    valor.falta = valor.texto == "-1";
    return valor;
}

std::optional<int> NumeroCurva(std::string_view texto) {
    if (texto.empty() || texto.size() > 3) return std::nullopt;
    int numero = 0;
    const auto [fin, error] = std::from_chars(texto.data(), texto.data() + texto.size(), numero);
    if (error != std::errc{} || fin != texto.data() + texto.size() || numero < 1 || numero > 100) return std::nullopt;
    return numero;
}

std::optional<int> NumeroCurva(const ValorCurva& valor) {
    return valor.falta ? std::nullopt : NumeroCurva(valor.texto);
}

PresentacionCurva PresentarNumeroCurva(const ValorCurva& valor, int fila, int grupo) {
    PresentacionCurva presentacion{valor.falta ? std::string("?") : valor.texto, valor.falta};
    if (fila == 43 && grupo == 1) presentacion.texto += kSignoMenorOIgual;
    return presentacion;
}

std::string MensajeErrorDatos(const ErrorDatos& error, int idioma) {
    int texto = 0;
    switch (error.fallo) {
        case FalloDatos::FaltaArchivo: texto = kTextoDatosFaltaArchivo; break;
        case FalloDatos::NoLegible: texto = kTextoDatosNoLegible; break;
        case FalloDatos::Tamano: texto = kTextoDatosTamano; break;
        case FalloDatos::FaltanLineas: texto = kTextoDatosFaltanLineas; break;
        case FalloDatos::LongitudLinea: texto = kTextoDatosLongitudLinea; break;
        case FalloDatos::FinDeLinea: texto = kTextoDatosFinDeLinea; break;
        case FalloDatos::Separador: texto = kTextoDatosSeparador; break;
        case FalloDatos::Campo: texto = kTextoDatosCampo; break;
        case FalloDatos::LineaSobrante: texto = kTextoDatosLineaSobrante; break;
        case FalloDatos::FilaInexistente: texto = kTextoDatosFilaInexistente; break;
    }
    const std::string grupo(1, error.campo >= 0 && error.campo < 4 ? static_cast<char>('A' + error.campo) : '?');
    return Rellenar(TextoIdioma(idioma == kIdiomaIngles ? kIdiomaIngles : kIdiomaEspanol, texto),
                    {error.archivo.string(), std::to_string(error.linea), grupo, Visible(error.contenido)});
}

}  // namespace tarvel
