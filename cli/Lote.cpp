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

namespace tarvel::cli {
namespace {

constexpr std::size_t kBloqueLectura = 1 << 18;
constexpr std::size_t kBloqueEscritura = 1 << 18;
constexpr std::string_view kBom = "\xEF\xBB\xBF";
constexpr int kTextoErrorDatos = 210;

const char kMarcaAusente = '\0';

bool EsBlanco(char c) { return c == ' ' || c == '\t'; }

std::string_view SinBlancos(std::string_view texto) {
    while (!texto.empty() && EsBlanco(texto.front())) texto.remove_prefix(1);
    while (!texto.empty() && EsBlanco(texto.back())) texto.remove_suffix(1);
    return texto;
}

bool MismoNombre(std::string_view a, std::string_view b) {
    a = SinBlancos(a);
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        const auto minuscula = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; };
        if (minuscula(a[i]) != minuscula(b[i])) return false;
    }
    return true;
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
        : salida_(salida), capacidad_(kBloqueEscritura + 4096), texto_(new char[capacidad_]) {}

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
            comillas = kEspecial[static_cast<unsigned char>(campo[i])];
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
        salida_.write(texto_.get(), static_cast<std::streamsize>(usados_));
        usados_ = 0;
    }

private:
    static constexpr std::array<bool, 256> kEspecial = [] {
        std::array<bool, 256> especial{};
        for (const unsigned char c : {',', '"', '\n', '\r'}) especial[c] = true;
        return especial;
    }();

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
            }
            SeguirCola(texto);
            if (!Analizar(texto)) return Fin();
        }
        if (entrada.bad()) {
            leido_ = false;
            return Fin();
        }
        const std::size_t antes = registros_;
        csv_fini(&analizador_, &Lote::FinCampo, &Lote::FinRegistro, this);
        // libcsv ends no record for a last line of blanks with no line end
        // after it; it is a line like any other and gets its record.
        if (cola_ == Cola::Blanca && registros_ == antes && cabecera_ && !uso_ && !registroLargo_) {
            FinRegistro(-1, this);
        }
        return Fin();
    }

private:
    bool Analizar(std::string_view texto) {
        const std::size_t analizados = csv_parse(&analizador_, texto.data(), texto.size(), &Lote::FinCampo,
                                                 &Lote::FinRegistro, this);
        if (analizados < texto.size()) registroLargo_ = true;
        return !registroLargo_ && !uso_;
    }

    // What the input read so far ends in after its last line end.
    enum class Cola { Vacia, Blanca, Otra };
    void SeguirCola(std::string_view texto) {
        const auto fin = texto.find_last_of("\r\n");
        if (fin != std::string_view::npos) {
            cola_ = Cola::Vacia;
            texto.remove_prefix(fin + 1);
        }
        if (texto.empty() || cola_ == Cola::Otra) return;
        cola_ = std::all_of(texto.begin(), texto.end(), EsBlanco) ? Cola::Blanca : Cola::Otra;
    }

    FinLote Fin() {
        if (uso_) return FinLote::Uso;  // nothing was written
        if (!cabecera_ && leido_ && !registroLargo_) {
            errores_ << "the input has no header row naming its columns\n";
            return FinLote::Uso;
        }
        // The records before a fault are written all the same.
        escritor_.Vaciar();
        if (registroLargo_) {
            errores_ << "record " << registros_ + 1 << " is too long (over " << (kMaximoRegistro >> 20)
                     << " MiB or " << kMaximoCampos << " fields); is a quote left open?\n";
            return FinLote::Rechazado;
        }
        if (!leido_) {
            errores_ << "the input could not be read to its end\n";
            return FinLote::Rechazado;
        }
        return FinLote::Hecho;
    }

    static void FinCampo(void* campo, std::size_t longitud, void* datos) {
        auto* lote = static_cast<Lote*>(datos);
        if (lote->uso_ || lote->registroLargo_) return;
        Registro& registro = lote->registro_;
        if (registro.campos.size() >= kMaximoCampos || registro.texto.size() + longitud > kMaximoRegistro) {
            lote->registroLargo_ = true;
            return;
        }
        registro.campos.push_back({registro.texto.size(), longitud});
        registro.texto.append(static_cast<const char*>(campo), longitud);
    }

    static void FinRegistro(int terminador, void* datos) {
        auto* lote = static_cast<Lote*>(datos);
        const bool vacio = lote->registro_.campos.empty();
        // CR LF ends one line: the LF after the CR that ended a record is no empty line.
        const bool pareja = vacio && terminador == CSV_LF && lote->terminador_ == CSV_CR;
        lote->terminador_ = pareja ? -1 : terminador;
        if (pareja || lote->uso_ || lote->registroLargo_) return;
        ++lote->registros_;
        if (lote->cabecera_) {
            lote->Responder();
        } else {
            lote->Cabecera();
        }
        lote->registro_.Vaciar();
    }

    void Cabecera() {
        for (std::size_t c = 0; c < definicion_.columnas.size(); ++c) {
            const ColumnaLote& columna = definicion_.columnas[c];
            for (std::size_t i = 0; i < registro_.campos.size(); ++i) {
                if (!MismoNombre(registro_.Campo(i), columna.nombre)) continue;
                if (columnas_[c] >= 0) {
                    errores_ << "the header names the column \"" << columna.nombre << "\" twice\n";
                    uso_ = true;
                    return;
                }
                columnas_[c] = static_cast<int>(i);
            }
            if (columnas_[c] < 0 && columna.requerida) {
                errores_ << "the header has no column \"" << columna.nombre << "\"; the columns read are";
                for (const ColumnaLote& otra : definicion_.columnas) {
                    errores_ << ' ' << otra.nombre << (otra.requerida ? "" : " (optional)");
                }
                errores_ << '\n';
                uso_ = true;
                return;
            }
        }
        cabecera_ = true;
        anchura_ = registro_.campos.size();
        if (bom_) escritor_.Texto(kBom);
        for (std::size_t i = 0; i < anchura_; ++i) {
            escritor_.Campo(registro_.Campo(i));
            escritor_.Caracter(',');
        }
        for (const std::string_view nombre : definicion_.resultados) {
            escritor_.Texto(nombre);
            escritor_.Caracter(',');
        }
        escritor_.Texto("error");
        escritor_.FinDeLinea();
    }

    void Responder() {
        const std::size_t campos = registro_.campos.size();
        std::string_view mensaje;
        if (campos > anchura_) {
            mensaje = tarvel::Texto(kTextoErrorDatos);
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
            mensaje = definicion_.evaluar(valores_, resultados_);
        }
        for (std::size_t i = 0; i < anchura_; ++i) {
            if (i < campos) escritor_.Campo(registro_.Campo(i));
            escritor_.Caracter(',');
        }
        for (std::string& resultado : resultados_) {
            if (mensaje.empty()) escritor_.Campo(resultado);
            escritor_.Caracter(',');
            resultado.clear();
        }
        escritor_.Campo(mensaje);
        escritor_.FinDeLinea();
    }

    const DefinicionLote& definicion_;
    Escritor escritor_;
    std::ostream& errores_;
    csv_parser analizador_{};

    bool bom_ = false;
    bool cabecera_ = false;
    bool uso_ = false;
    bool registroLargo_ = false;
    bool leido_ = true;
    std::size_t anchura_ = 0;    // fields of the header
    std::vector<int> columnas_;  // field of each column of the command, -1 absent
    std::size_t registros_ = 0;  // records finished, header included
    int terminador_ = -1;        // what ended the last record
    Cola cola_ = Cola::Vacia;
    Registro registro_;
    std::vector<std::string_view> valores_;
    std::vector<std::string> resultados_;
};

}  // namespace

std::string_view Ausente() { return {&kMarcaAusente, 0}; }
bool EsAusente(std::string_view valor) { return valor.data() == &kMarcaAusente; }

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
