#include "cli/batch/Lote.h"

#include <csv.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <istream>
#include <memory>
#include <ostream>
#include <sstream>
#include <vector>

#include "app/Csv.h"
#include "app/TablaTextos.h"
#include "app/TextosMensajes.h"
#include "cli/batch/Mensajes.h"

namespace tarvel::cli {
namespace {

constexpr std::size_t kBloqueLectura = 1 << 18;
constexpr std::size_t kBloqueEscritura = 1 << 18;
constexpr std::string_view kBom = "\xEF\xBB\xBF";

const char kMarcaAusente = '\0';

bool MismoNombre(std::string_view a, std::string_view b) {
    const auto minuscula = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; };
    return std::ranges::equal(SinBlancos(a), b, [&](char x, char y) { return minuscula(x) == minuscula(y); });
}

// libcsv grows its field buffer 4 KiB at a time; it is refused past the
// longest record allowed: a quote left open must not take the whole file into
// memory.
constexpr std::size_t kCrecimientoCampo = 4096;
void* Realojar(void* bloque, std::size_t tamano) {
    if (tamano > kMaximoRegistro + kCrecimientoCampo) return nullptr;
    return std::realloc(bloque, tamano);
}

// Where the output goes: a stream, written in large blocks.
class Escritor {
public:
    explicit Escritor(std::ostream& salida)
        : mSalida(salida), mCapacidad(kBloqueEscritura + 4096), mTexto(new char[mCapacidad]) {}

    void FijarSeparador(char separador) { mSeparador = separador; }

    void Texto(std::string_view texto) {
        // An empty view may have no storage at all, and memcpy takes none.
        if (texto.empty()) return;
        Reservar(texto.size());
        std::memcpy(mTexto.get() + mUsados, texto.data(), texto.size());
        mUsados += texto.size();
    }
    void Caracter(char c) {
        Reservar(1);
        mTexto[mUsados++] = c;
    }

    // A field, quoted where a reader would otherwise split it or drop its blanks.
    void Campo(std::string_view campo) {
        if (NecesitaComillas(campo, mSeparador)) {
            Texto(CampoCsv(campo, mSeparador));
        } else {
            Texto(campo);
        }
    }

    void FinDeLinea() {
        Caracter('\n');
        if (mUsados >= kBloqueEscritura) Vaciar();
    }

    void Vaciar() {
        if (mUsados > 0 && !mFallo) {
            mSalida.write(mTexto.get(), static_cast<std::streamsize>(mUsados));
            mFallo = !mSalida;
        }
        mUsados = 0;
    }

    bool Fallo() const { return mFallo; }

private:
    void Reservar(std::size_t bytes) {
        if (mUsados + bytes <= mCapacidad) return;
        Vaciar();
        if (bytes <= mCapacidad) return;
        // A field longer than the block (at most twice the longest record).
        mCapacidad = bytes;
        mTexto.reset(new char[mCapacidad]);
    }

    std::ostream& mSalida;
    std::size_t mCapacidad;
    std::unique_ptr<char[]> mTexto;
    std::size_t mUsados = 0;
    char mSeparador = ',';
    bool mFallo = false;
};

// The fields of the record being read, one after another.
struct Registro {
    struct Posicion {
        std::size_t desde;
        std::size_t longitud;
    };
    std::string texto;
    std::vector<Posicion> campos;

    std::string_view Campo(std::size_t i) const { return {texto.data() + campos[i].desde, campos[i].longitud}; }
    void Vaciar() {
        texto.clear();
        campos.clear();
    }
};

class Lote {
public:
    // With `recorrido`, the records are handed to it and nothing is written.
    Lote(const DefinicionLote& definicion, std::ostream& salida, std::ostream& errores,
         const RecorridoLote* recorrido = nullptr)
        : mDefinicion(definicion), mEscritor(salida), mErrores(errores), mRecorrido(recorrido) {
        mColumnas.assign(definicion.columnas.size(), -1);
        mValores.resize(definicion.columnas.size());
        mResultados.resize(definicion.resultados.size());
        csv_init(&mAnalizador, CSV_REPALL_NL);
        csv_set_realloc_func(&mAnalizador, Realojar);
        csv_set_blk_size(&mAnalizador, kCrecimientoCampo);
        csv_set_space_func(&mAnalizador, &Lote::Espacio);
    }
    ~Lote() { csv_free(&mAnalizador); }
    Lote(const Lote&) = delete;
    Lote& operator=(const Lote&) = delete;

    FinLote Ejecutar(std::istream& entrada) {
        std::vector<char> bloque(kBloqueLectura);
        bool inicio = true;
        while (entrada) {
            entrada.read(bloque.data(), static_cast<std::streamsize>(bloque.size()));
            std::string_view texto(bloque.data(), static_cast<std::size_t>(entrada.gcount()));
            if (inicio) {
                inicio = false;
                if (texto.starts_with(kBom)) {
                    mBom = true;
                    texto.remove_prefix(kBom.size());
                }
                FijarForma(SeparadorCsv(texto));
            }
            if (!Analizar(texto)) return Fin();
        }
        if (entrada.bad()) {
            mFalta = Falta::Lectura;
            return Fin();
        }
        const std::size_t antes = mRegistros;
        // Strict at the end only: a quote still open now would have taken
        // every line after it into one field.
        csv_set_opts(&mAnalizador, static_cast<unsigned char>(csv_get_opts(&mAnalizador) | CSV_STRICT |
                                                               CSV_STRICT_FINI));
        mActivo = this;
        const int fin = csv_fini(&mAnalizador, &Lote::FinCampo, &Lote::FinRegistro, this);
        mActivo = nullptr;
        if (fin != 0 && mFalta == Falta::Ninguna) mFalta = Falta::ComillaAbierta;
        // libcsv ends no record for a last line of blanks with no line end
        // after it; it is a line like any other and gets its record.
        if (mFalta == Falta::Ninguna && mCabecera && mRegistros == antes && mBlanco) FinRegistro(-1, this);
        return Fin();
    }

private:
    enum class Falta { Ninguna, Cabecera, RegistroLargo, ComillaAbierta, Lectura, Detenido };

    void FijarForma(char separador) {
        mSeparador = separador;
        mMarca = separador == ';' ? MarcaDecimal::Coma : MarcaDecimal::Punto;
        csv_set_delim(&mAnalizador, static_cast<unsigned char>(separador));
        mEscritor.FijarSeparador(separador);
    }

    bool Analizar(std::string_view texto) {
        mActivo = this;
        const std::size_t analizados = csv_parse(&mAnalizador, texto.data(), texto.size(), &Lote::FinCampo,
                                                 &Lote::FinRegistro, this);
        mActivo = nullptr;
        if (analizados < texto.size() && mFalta == Falta::Ninguna) mFalta = Falta::RegistroLargo;
        return mFalta == Falta::Ninguna && !mEscritor.Fallo();
    }

    FinLote Fin() {
        if (mFalta == Falta::Cabecera) return FinLote::Rechazado;  // nothing was written
        if (mFalta == Falta::Detenido) return FinLote::Hecho;     // as the one reading asked
        // The records before a fault are written all the same.
        mEscritor.Vaciar();
        if (mEscritor.Fallo()) return FinLote::SalidaFallida;
        const std::string registro = std::to_string(mRegistros + 1);
        const std::string linea = std::to_string(mLineaRegistro);
        switch (mFalta) {
            case Falta::RegistroLargo:
                mErrores << Mensaje(kTextoRegistroLargo, {registro, linea, std::to_string(kMaximoRegistro >> 20),
                                                          std::to_string(kMaximoCampos)})
                         << '\n';
                return FinLote::Rechazado;
            case Falta::ComillaAbierta:
                mErrores << Mensaje(kTextoComillaAbierta, {registro, linea}) << '\n';
                return FinLote::Rechazado;
            case Falta::Lectura:
                mErrores << Mensaje(kTextoLecturaIncompleta) << '\n';
                return FinLote::Rechazado;
            case Falta::Ninguna:
            case Falta::Cabecera:
            case Falta::Detenido:
                break;
        }
        if (!mCabecera) {
            mErrores << Mensaje(kTextoSinCabecera) << '\n';
            return FinLote::Rechazado;
        }
        return FinLote::Hecho;
    }

    // Blanks are what libcsv takes them to be; seeing one between a CR and
    // an LF tells a line of blanks from a CR LF pair.
    static int Espacio(unsigned char c) {
        if (!EsBlanco(static_cast<char>(c))) return 0;
        if (mActivo != nullptr) mActivo->mBlanco = true;
        return 1;
    }

    static void FinCampo(void* campo, std::size_t longitud, void* datos) {
        auto* lote = static_cast<Lote*>(datos);
        const auto* texto = static_cast<const char*>(campo);
        // Line breaks inside quoted fields, for the line numbers of messages.
        for (std::size_t i = 0; i < longitud; ++i) {
            if (texto[i] == '\r' || (texto[i] == '\n' && (i == 0 || texto[i - 1] != '\r'))) ++lote->mSaltos;
        }
        if (lote->mFalta != Falta::Ninguna) return;
        Registro& registro = lote->mRegistro;
        if (registro.campos.size() >= kMaximoCampos || registro.texto.size() + longitud > kMaximoRegistro) {
            lote->mFalta = Falta::RegistroLargo;
            return;
        }
        // Text that is not UTF-8 is read as Windows-1252, what spreadsheets on
        // Spanish Windows save: every field goes on, and out, in UTF-8.
        const std::string_view leido(texto, longitud);
        const std::size_t desde = registro.texto.size();
        if (EsUtf8(leido)) {
            registro.texto.append(leido);
        } else {
            registro.texto += TextoUtf8(leido);
        }
        registro.campos.push_back({desde, registro.texto.size() - desde});
    }

    static void FinRegistro(int terminador, void* datos) {
        auto* lote = static_cast<Lote*>(datos);
        // CR LF ends one line: the LF right after the CR that ended a record
        // is no empty line, but an LF after blanks after it is.
        const bool pareja = lote->mRegistro.campos.empty() && terminador == CSV_LF && lote->mTerminador == CSV_CR &&
                            !lote->mBlanco;
        lote->mTerminador = pareja ? -1 : terminador;
        lote->mBlanco = false;
        if (pareja || lote->mFalta != Falta::Ninguna) return;
        ++lote->mRegistros;
        if (lote->mCabecera) {
            lote->Responder();
        } else {
            lote->Cabecera();
        }
        lote->mRegistro.Vaciar();
        lote->mLineaRegistro += (terminador == CSV_CR || terminador == CSV_LF ? 1 : 0) + lote->mSaltos;
        lote->mSaltos = 0;
    }

    void Cabecera() {
        for (std::size_t c = 0; c < mDefinicion.columnas.size(); ++c) {
            const ColumnaLote& columna = mDefinicion.columnas[c];
            for (std::size_t i = 0; i < mRegistro.campos.size(); ++i) {
                if (!MismoNombre(mRegistro.Campo(i), columna.nombre)) continue;
                if (mColumnas[c] >= 0) {
                    mErrores << Mensaje(kTextoColumnaRepetida, {columna.nombre}) << '\n';
                    mFalta = Falta::Cabecera;
                    return;
                }
                mColumnas[c] = static_cast<int>(i);
            }
            if (mColumnas[c] < 0 && columna.requerida) {
                std::string lista;
                for (const ColumnaLote& otra : mDefinicion.columnas) {
                    if (!lista.empty()) lista += ", ";
                    lista += otra.nombre;
                    if (!otra.requerida) lista += ' ' + Mensaje(kTextoOpcional);
                }
                mErrores << Mensaje(kTextoFaltaColumna, {columna.nombre, lista}) << '\n';
                mFalta = Falta::Cabecera;
                return;
            }
        }
        mCabecera = true;
        mAnchura = mRegistro.campos.size();
        if (mRecorrido != nullptr) {
            mRecorrido->cabecera({Campos(), mColumnas, mMarca});
            return;
        }
        if (mBom) mEscritor.Texto(kBom);
        for (std::size_t i = 0; i < mAnchura; ++i) {
            mEscritor.Campo(mRegistro.Campo(i));
            mEscritor.Caracter(mSeparador);
        }
        for (const ResultadoLote& resultado : mDefinicion.resultados) {
            const bool escrita = resultado.siColumna < 0 || mColumnas.at(static_cast<std::size_t>(resultado.siColumna)) >= 0;
            mEscritas.push_back(escrita);
            if (!escrita) continue;
            mEscritor.Texto(resultado.nombre);
            mEscritor.Caracter(mSeparador);
        }
        mEscritor.Texto("error");
        mEscritor.FinDeLinea();
    }

    void Responder() {
        const std::size_t campos = mRegistro.campos.size();
        if (mRecorrido != nullptr) {
            if (!mRecorrido->registro(Campos())) mFalta = Falta::Detenido;
            return;
        }
        std::string mensaje;
        if (campos > mAnchura) {
            mensaje = std::string(Texto(kTextoErrorEntrada)) + ' ' +
                      Mensaje(kTextoCamposDeMas, {std::to_string(campos), std::to_string(mAnchura)});
        } else {
            for (std::size_t c = 0; c < mColumnas.size(); ++c) {
                const int i = mColumnas[c];
                if (i < 0) {
                    mValores[c] = Ausente();
                } else if (static_cast<std::size_t>(i) < campos) {
                    mValores[c] = mRegistro.Campo(static_cast<std::size_t>(i));
                } else {
                    mValores[c] = {};
                }
            }
            mensaje = mDefinicion.evaluar(mValores, mMarca, mResultados);
        }
        const std::size_t columnas = mDefinicion.resultados.size();
        const std::size_t registros =
            mensaje.empty() && columnas > 0 ? std::max<std::size_t>(1, mResultados.size() / columnas) : 1;
        for (std::size_t k = 0; k < registros && !mEscritor.Fallo(); ++k) {
            for (std::size_t i = 0; i < mAnchura; ++i) {
                if (i < campos) mEscritor.Campo(mRegistro.Campo(i));
                mEscritor.Caracter(mSeparador);
            }
            for (std::size_t r = 0; r < columnas; ++r) {
                if (!mEscritas[r]) continue;
                std::string& resultado = mResultados[k * columnas + r];
                if (mensaje.empty()) {
                    if (mMarca == MarcaDecimal::Coma && mDefinicion.resultados[r].numero) {
                        std::ranges::replace(resultado, '.', ',');
                    }
                    mEscritor.Campo(resultado);
                }
                mEscritor.Caracter(mSeparador);
            }
            mEscritor.Campo(mensaje);
            mEscritor.FinDeLinea();
        }
        mResultados.resize(columnas);
        for (std::string& resultado : mResultados) resultado.clear();
    }

    // The fields of the record read, as views.
    std::span<const std::string_view> Campos() {
        mCampos.clear();
        for (std::size_t i = 0; i < mRegistro.campos.size(); ++i) mCampos.push_back(mRegistro.Campo(i));
        return mCampos;
    }

    // The batch whose parser is running on this thread, for Espacio.
    static thread_local Lote* mActivo;

    const DefinicionLote& mDefinicion;
    Escritor mEscritor;
    std::ostream& mErrores;
    const RecorridoLote* mRecorrido;
    csv_parser mAnalizador{};

    char mSeparador = ',';
    MarcaDecimal mMarca = MarcaDecimal::Punto;
    bool mBom = false;
    bool mCabecera = false;
    Falta mFalta = Falta::Ninguna;
    std::size_t mAnchura = 0;    // fields of the header
    std::vector<int> mColumnas;  // field of each column of the command, -1 absent
    std::vector<bool> mEscritas; // whether each result column is in the output
    std::size_t mRegistros = 0;  // records finished, header included
    int mLineaRegistro = 1;      // line of the input where the record being read began
    int mSaltos = 0;             // line breaks inside the fields of that record so far
    int mTerminador = -1;        // what ended the last record
    bool mBlanco = false;        // a blank was read since the last record ended
    Registro mRegistro;
    std::vector<std::string_view> mValores;
    std::vector<std::string_view> mCampos;
    std::vector<std::string> mResultados;
};

thread_local Lote* Lote::mActivo = nullptr;

}  // namespace

std::string_view Ausente() { return {&kMarcaAusente, 0}; }
bool EsAusente(std::string_view valor) { return valor.data() == &kMarcaAusente; }

FinLote EjecutarLote(const DefinicionLote& definicion, std::istream& entrada, std::ostream& salida,
                     std::ostream& errores) {
    Lote lote(definicion, salida, errores);
    return lote.Ejecutar(entrada);
}

std::optional<std::string> RecorrerLote(std::span<const ColumnaLote> columnas, std::istream& entrada,
                                        const RecorridoLote& recorrido) {
    const DefinicionLote definicion{{columnas.begin(), columnas.end()}, {}, {}};
    std::ostringstream nada;
    std::ostringstream errores;
    Lote lote(definicion, nada, errores, &recorrido);
    if (lote.Ejecutar(entrada) == FinLote::Hecho) return std::nullopt;
    std::string mensaje = std::move(errores).str();
    if (mensaje.ends_with('\n')) mensaje.pop_back();
    return mensaje;
}

FinLote EjecutarLote(const DefinicionLote& definicion, std::string_view entrada, std::string& salida,
                     std::string& errores) {
    std::istringstream lectura{std::string(entrada)};
    std::ostringstream escritura;
    std::ostringstream mensajes;
    const FinLote fin = EjecutarLote(definicion, lectura, escritura, mensajes);
    salida = std::move(escritura).str();
    errores = std::move(mensajes).str();
    return fin;
}

}  // namespace tarvel::cli
