#include "cli/Lote.h"

#include <csv.h>

#include <algorithm>
#include <array>
#include <cstdlib>
#include <cstring>
#include <istream>
#include <memory>
#include <ostream>
#include <sstream>
#include <vector>

#include "app/TablaTextos.h"
#include "app/TextosMensajes.h"
#include "cli/Mensajes.h"

namespace tarvel::cli {
namespace {

constexpr std::size_t kBloqueLectura = 1 << 18;
constexpr std::size_t kBloqueEscritura = 1 << 18;
constexpr std::string_view kBom = "\xEF\xBB\xBF";

const char kMarcaAusente = '\0';

bool EsBlanco(char c) { return c == ' ' || c == '\t'; }

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
        : salida_(salida), capacidad_(kBloqueEscritura + 4096), texto_(new char[capacidad_]) {
        FijarSeparador(',');
    }

    void FijarSeparador(char separador) {
        especial_ = {};
        for (const unsigned char c : {static_cast<unsigned char>(separador), static_cast<unsigned char>('"'),
                                      static_cast<unsigned char>('\n'), static_cast<unsigned char>('\r')}) {
            especial_[c] = true;
        }
    }

    void Texto(std::string_view texto) {
        // An empty view may have no storage at all, and memcpy takes none.
        if (texto.empty()) return;
        Reservar(texto.size());
        std::memcpy(texto_.get() + usados_, texto.data(), texto.size());
        usados_ += texto.size();
    }
    void Caracter(char c) {
        Reservar(1);
        texto_[usados_++] = c;
    }

    // A field, quoted where a reader would otherwise split it or drop its blanks.
    void Campo(std::string_view campo) {
        bool comillas = !campo.empty() && (EsBlanco(campo.front()) || EsBlanco(campo.back()));
        for (std::size_t i = 0; i < campo.size() && !comillas; ++i) {
            comillas = especial_[static_cast<unsigned char>(campo[i])];
        }
        if (!comillas) {
            Texto(campo);
            return;
        }
        Reservar(2 * campo.size() + 2);
        char* destino = texto_.get() + usados_;
        *destino++ = '"';
        for (const char c : campo) {
            if (c == '"') *destino++ = '"';
            *destino++ = c;
        }
        *destino++ = '"';
        usados_ = static_cast<std::size_t>(destino - texto_.get());
    }

    void FinDeLinea() {
        Caracter('\n');
        if (usados_ >= kBloqueEscritura) Vaciar();
    }

    void Vaciar() {
        if (usados_ > 0 && !fallo_) {
            salida_.write(texto_.get(), static_cast<std::streamsize>(usados_));
            fallo_ = !salida_;
        }
        usados_ = 0;
    }

    bool Fallo() const { return fallo_; }

private:
    void Reservar(std::size_t bytes) {
        if (usados_ + bytes <= capacidad_) return;
        Vaciar();
        if (bytes <= capacidad_) return;
        // A field longer than the block (at most twice the longest record).
        capacidad_ = bytes;
        texto_.reset(new char[capacidad_]);
    }

    std::ostream& salida_;
    std::size_t capacidad_;
    std::unique_ptr<char[]> texto_;
    std::size_t usados_ = 0;
    std::array<bool, 256> especial_{};
    bool fallo_ = false;
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
    Lote(const DefinicionLote& definicion, std::ostream& salida, std::ostream& errores)
        : definicion_(definicion), escritor_(salida), errores_(errores) {
        columnas_.assign(definicion.columnas.size(), -1);
        valores_.resize(definicion.columnas.size());
        resultados_.resize(definicion.resultados.size());
        csv_init(&analizador_, CSV_REPALL_NL);
        csv_set_realloc_func(&analizador_, Realojar);
        csv_set_blk_size(&analizador_, kCrecimientoCampo);
        csv_set_space_func(&analizador_, &Lote::Espacio);
    }
    ~Lote() { csv_free(&analizador_); }
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
                    bom_ = true;
                    texto.remove_prefix(kBom.size());
                }
                FijarForma(SeparadorDeCabecera(texto));
            }
            if (!Analizar(texto)) return Fin();
        }
        if (entrada.bad()) {
            falta_ = Falta::Lectura;
            return Fin();
        }
        const std::size_t antes = registros_;
        // Strict at the end only: a quote still open now would have taken
        // every line after it into one field.
        csv_set_opts(&analizador_, static_cast<unsigned char>(csv_get_opts(&analizador_) | CSV_STRICT |
                                                               CSV_STRICT_FINI));
        activo_ = this;
        const int fin = csv_fini(&analizador_, &Lote::FinCampo, &Lote::FinRegistro, this);
        activo_ = nullptr;
        if (fin != 0 && falta_ == Falta::Ninguna) falta_ = Falta::ComillaAbierta;
        // libcsv ends no record for a last line of blanks with no line end
        // after it; it is a line like any other and gets its record.
        if (falta_ == Falta::Ninguna && cabecera_ && registros_ == antes && blanco_) FinRegistro(-1, this);
        return Fin();
    }

private:
    enum class Falta { Ninguna, Cabecera, RegistroLargo, ComillaAbierta, Lectura };

    void FijarForma(char separador) {
        separador_ = separador;
        marca_ = separador == ';' ? MarcaDecimal::Coma : MarcaDecimal::Punto;
        csv_set_delim(&analizador_, static_cast<unsigned char>(separador));
        escritor_.FijarSeparador(separador);
    }

    bool Analizar(std::string_view texto) {
        activo_ = this;
        const std::size_t analizados = csv_parse(&analizador_, texto.data(), texto.size(), &Lote::FinCampo,
                                                 &Lote::FinRegistro, this);
        activo_ = nullptr;
        if (analizados < texto.size() && falta_ == Falta::Ninguna) falta_ = Falta::RegistroLargo;
        return falta_ == Falta::Ninguna && !escritor_.Fallo();
    }

    FinLote Fin() {
        if (falta_ == Falta::Cabecera) return FinLote::Rechazado;  // nothing was written
        // The records before a fault are written all the same.
        escritor_.Vaciar();
        if (escritor_.Fallo()) return FinLote::SalidaFallida;
        const std::string registro = std::to_string(registros_ + 1);
        const std::string linea = std::to_string(lineaRegistro_);
        switch (falta_) {
            case Falta::RegistroLargo:
                errores_ << Mensaje(kTextoRegistroLargo, {registro, linea, std::to_string(kMaximoRegistro >> 20),
                                                          std::to_string(kMaximoCampos)})
                         << '\n';
                return FinLote::Rechazado;
            case Falta::ComillaAbierta:
                errores_ << Mensaje(kTextoComillaAbierta, {registro, linea}) << '\n';
                return FinLote::Rechazado;
            case Falta::Lectura:
                errores_ << Mensaje(kTextoLecturaIncompleta) << '\n';
                return FinLote::Rechazado;
            case Falta::Ninguna:
            case Falta::Cabecera:
                break;
        }
        if (!cabecera_) {
            errores_ << Mensaje(kTextoSinCabecera) << '\n';
            return FinLote::Rechazado;
        }
        return FinLote::Hecho;
    }

    // Blanks are what libcsv takes them to be; seeing one between a CR and
    // an LF tells a line of blanks from a CR LF pair.
    static int Espacio(unsigned char c) {
        if (!EsBlanco(static_cast<char>(c))) return 0;
        if (activo_ != nullptr) activo_->blanco_ = true;
        return 1;
    }

    static void FinCampo(void* campo, std::size_t longitud, void* datos) {
        auto* lote = static_cast<Lote*>(datos);
        const auto* texto = static_cast<const char*>(campo);
        // Line breaks inside quoted fields, for the line numbers of messages.
        for (std::size_t i = 0; i < longitud; ++i) {
            if (texto[i] == '\r' || (texto[i] == '\n' && (i == 0 || texto[i - 1] != '\r'))) ++lote->saltos_;
        }
        if (lote->falta_ != Falta::Ninguna) return;
        Registro& registro = lote->registro_;
        if (registro.campos.size() >= kMaximoCampos || registro.texto.size() + longitud > kMaximoRegistro) {
            lote->falta_ = Falta::RegistroLargo;
            return;
        }
        registro.campos.push_back({registro.texto.size(), longitud});
        registro.texto.append(texto, longitud);
    }

    static void FinRegistro(int terminador, void* datos) {
        auto* lote = static_cast<Lote*>(datos);
        // CR LF ends one line: the LF right after the CR that ended a record
        // is no empty line, but an LF after blanks after it is.
        const bool pareja = lote->registro_.campos.empty() && terminador == CSV_LF && lote->terminador_ == CSV_CR &&
                            !lote->blanco_;
        lote->terminador_ = pareja ? -1 : terminador;
        lote->blanco_ = false;
        if (pareja || lote->falta_ != Falta::Ninguna) return;
        ++lote->registros_;
        if (lote->cabecera_) {
            lote->Responder();
        } else {
            lote->Cabecera();
        }
        lote->registro_.Vaciar();
        lote->lineaRegistro_ += (terminador == CSV_CR || terminador == CSV_LF ? 1 : 0) + lote->saltos_;
        lote->saltos_ = 0;
    }

    void Cabecera() {
        for (std::size_t c = 0; c < definicion_.columnas.size(); ++c) {
            const ColumnaLote& columna = definicion_.columnas[c];
            for (std::size_t i = 0; i < registro_.campos.size(); ++i) {
                if (!MismoNombre(registro_.Campo(i), columna.nombre)) continue;
                if (columnas_[c] >= 0) {
                    errores_ << Mensaje(kTextoColumnaRepetida, {columna.nombre}) << '\n';
                    falta_ = Falta::Cabecera;
                    return;
                }
                columnas_[c] = static_cast<int>(i);
            }
            if (columnas_[c] < 0 && columna.requerida) {
                std::string lista;
                for (const ColumnaLote& otra : definicion_.columnas) {
                    if (!lista.empty()) lista += ", ";
                    lista += otra.nombre;
                    if (!otra.requerida) lista += ' ' + Mensaje(kTextoOpcional);
                }
                errores_ << Mensaje(kTextoFaltaColumna, {columna.nombre, lista}) << '\n';
                falta_ = Falta::Cabecera;
                return;
            }
        }
        cabecera_ = true;
        anchura_ = registro_.campos.size();
        if (bom_) escritor_.Texto(kBom);
        for (std::size_t i = 0; i < anchura_; ++i) {
            escritor_.Campo(registro_.Campo(i));
            escritor_.Caracter(separador_);
        }
        for (const ResultadoLote& resultado : definicion_.resultados) {
            escritor_.Texto(resultado.nombre);
            escritor_.Caracter(separador_);
        }
        escritor_.Texto("error");
        escritor_.FinDeLinea();
    }

    void Responder() {
        const std::size_t campos = registro_.campos.size();
        std::string mensaje;
        if (campos > anchura_) {
            mensaje = std::string(Texto(kTextoErrorEntrada)) + ' ' +
                      Mensaje(kTextoCamposDeMas, {std::to_string(campos), std::to_string(anchura_)});
        } else {
            for (std::size_t c = 0; c < columnas_.size(); ++c) {
                const int i = columnas_[c];
                if (i < 0) {
                    valores_[c] = Ausente();
                } else if (static_cast<std::size_t>(i) < campos) {
                    valores_[c] = registro_.Campo(static_cast<std::size_t>(i));
                } else {
                    valores_[c] = {};
                }
            }
            mensaje = definicion_.evaluar(valores_, marca_, resultados_);
        }
        for (std::size_t i = 0; i < anchura_; ++i) {
            if (i < campos) escritor_.Campo(registro_.Campo(i));
            escritor_.Caracter(separador_);
        }
        for (std::size_t r = 0; r < resultados_.size(); ++r) {
            std::string& resultado = resultados_[r];
            if (mensaje.empty()) {
                if (marca_ == MarcaDecimal::Coma && definicion_.resultados[r].numero) {
                    std::ranges::replace(resultado, '.', ',');
                }
                escritor_.Campo(resultado);
            }
            escritor_.Caracter(separador_);
            resultado.clear();
        }
        escritor_.Campo(mensaje);
        escritor_.FinDeLinea();
    }

    // The batch whose parser is running on this thread, for Espacio.
    static thread_local Lote* activo_;

    const DefinicionLote& definicion_;
    Escritor escritor_;
    std::ostream& errores_;
    csv_parser analizador_{};

    char separador_ = ',';
    MarcaDecimal marca_ = MarcaDecimal::Punto;
    bool bom_ = false;
    bool cabecera_ = false;
    Falta falta_ = Falta::Ninguna;
    std::size_t anchura_ = 0;    // fields of the header
    std::vector<int> columnas_;  // field of each column of the command, -1 absent
    std::size_t registros_ = 0;  // records finished, header included
    int lineaRegistro_ = 1;      // line of the input where the record being read began
    int saltos_ = 0;             // line breaks inside the fields of that record so far
    int terminador_ = -1;        // what ended the last record
    bool blanco_ = false;        // a blank was read since the last record ended
    Registro registro_;
    std::vector<std::string_view> valores_;
    std::vector<std::string> resultados_;
};

thread_local Lote* Lote::activo_ = nullptr;

}  // namespace

std::string_view Ausente() { return {&kMarcaAusente, 0}; }
bool EsAusente(std::string_view valor) { return valor.data() == &kMarcaAusente; }

char SeparadorDeCabecera(std::string_view texto) {
    bool comillas = false;
    std::size_t comas = 0;
    std::size_t puntosYComa = 0;
    for (const char c : texto) {
        if (c == '"') {
            comillas = !comillas;
        } else if (!comillas) {
            if (c == '\r' || c == '\n') break;
            comas += c == ',';
            puntosYComa += c == ';';
        }
    }
    return puntosYComa > 0 && comas == 0 ? ';' : ',';
}

FinLote EjecutarLote(const DefinicionLote& definicion, std::istream& entrada, std::ostream& salida,
                     std::ostream& errores) {
    Lote lote(definicion, salida, errores);
    return lote.Ejecutar(entrada);
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
