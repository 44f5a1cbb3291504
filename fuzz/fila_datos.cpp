// Datos.dat read row by row, by position, as the step-by-step screen reads it:
// a row comes back only as the whole-file reading would give it, and a file
// the whole-file reading accepts gives every row.
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "Comun.h"
#include "data/Datos.h"

using namespace tarvel;
namespace fs = std::filesystem;

namespace {

// One folder per fuzzing process, removed when it ends.
const fs::path& Carpeta() {
    static const struct Temporal {
        fs::path ruta;
        Temporal() {
            std::string plantilla = (fs::temp_directory_path() / "tarvel-fuzz-XXXXXX").string();
            if (!mkdtemp(plantilla.data())) std::abort();
            ruta = plantilla;
        }
        ~Temporal() {
            std::error_code ec;
            fs::remove_all(ruta, ec);
        }
    } carpeta;
    return carpeta.ruta;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* datos, std::size_t tamano) {
    const fs::path archivo = RutaDatos(Carpeta());
    {
        std::ofstream salida(archivo, std::ios::binary | std::ios::trunc);
        salida.write(reinterpret_cast<const char*>(datos), static_cast<std::streamsize>(tamano));
    }
    const auto contenido = fuzz::ComoTexto(datos, tamano);
    const auto todas = LeerDatos(archivo);
    const auto enMemoria = AnalizarDatos(contenido, archivo);
    // Reading the file and reading its bytes are the same reading.
    TARVEL_EXIGIR(todas.has_value() == enMemoria.has_value());
    if (!todas) {
        TARVEL_EXIGIR(todas.error().fallo == enMemoria.error().fallo);
        TARVEL_EXIGIR(todas.error().linea == enMemoria.error().linea);
    }

    // Every row costs a file read: the first, the last, the one at fault and
    // one chosen by the input.
    std::vector<int> filas{1, kFilasDatos, 1 + static_cast<int>(tamano % kFilasDatos)};
    if (!todas && todas.error().linea >= 1 && todas.error().linea <= kFilasDatos) filas.push_back(todas.error().linea);
    for (const int fila : filas) {
        const auto una = LeerFilaDatos(archivo, fila);
        if (todas) {
            TARVEL_EXIGIR(una.has_value());
            TARVEL_EXIGIR(*una == (*todas)[static_cast<std::size_t>(fila - 1)]);
        } else if (una) {
            // A row read by position from a broken file is still the bytes of
            // that row: 13 bytes from its start, its fields where they belong.
            const auto inicio = static_cast<std::size_t>(kBytesLinea) * static_cast<std::size_t>(fila - 1);
            TARVEL_EXIGIR(inicio + kBytesLinea - 2 <= tamano);
            for (std::size_t campo = 0; campo < 4; ++campo) {
                TARVEL_EXIGIR((*una)[campo] == contenido.substr(inicio + 3 * campo, 2));
            }
        } else {
            TARVEL_EXIGIR(!MensajeErrorDatos(una.error(), 1).empty());
            TARVEL_EXIGIR(fuzz::Utf8Valido(MensajeErrorDatos(una.error(), 2)));
        }
        {
            const int grupo = 1 + fila % 4;
            const auto valor = ValorNumeroCurva(archivo, fila, grupo);
            TARVEL_EXIGIR(valor.has_value() == una.has_value());
            if (valor) {
                TARVEL_EXIGIR(valor->falta == (valor->texto == "-1"));
                const auto vista = PresentarNumeroCurva(*valor, fila, grupo);
                TARVEL_EXIGIR(!vista.texto.empty() && vista.rojo == valor->falta);
            }
        }
    }
    for (int fuera : {0, kFilasDatos + 1}) {
        const auto ninguna = LeerFilaDatos(archivo, fuera);
        TARVEL_EXIGIR(!ninguna && ninguna.error().fallo == FalloDatos::FilaInexistente);
    }
    return 0;
}
