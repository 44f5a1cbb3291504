#include "cli/Comun.h"

#include <QCoreApplication>
#include <QFile>
#include <fstream>
#include <iostream>

#include "app/SessionState.h"
#include "data/Datos.h"

namespace tarvel::cli {

std::filesystem::path CarpetaPrograma() {
    return QFile::encodeName(QCoreApplication::applicationDirPath()).toStdString();
}

int Rechazar(const std::string& mensaje) {
    std::cerr << mensaje << '\n';
    return kRechazado;
}

int Escribir(const Opciones& opciones, const nlohmann::ordered_json& objeto, const std::string& texto) {
    if (opciones.json) {
        std::cout << objeto.dump() << '\n';
    } else {
        std::cout << texto << '\n';
    }
    return kHecho;
}

int EscribirNumeroCurva(const Opciones& opciones, int fila, const std::string& letra, bool conFila) {
    const int grupo = letra.front() - 'A' + 1;
    const auto valor = ValorNumeroCurva(RutaDatos(CarpetaPrograma()), fila, grupo);
    if (!valor) return Rechazar(MensajeErrorDatos(valor.error(), gIdioma));
    const auto presentacion = PresentarNumeroCurva(*valor, fila, grupo);
    return Escribir(opciones,
                    {{"row", fila}, {"group", letra}, {"text", presentacion.texto}, {"missing", valor->falta}},
                    conFila ? std::to_string(fila) + " " + presentacion.texto : presentacion.texto);
}

CLI::Option* AnadirCsv(CLI::App& comando, std::string& archivo, std::initializer_list<CLI::Option*> posicionales) {
    auto* csv = comando.add_option("--csv", archivo,
                                   "batch: read the inputs from this CSV file (- for standard input), one row "
                                   "each, and write them with their results as CSV");
    csv->check(CLI::Validator(
        [](std::string& ruta) { return ruta == "-" ? std::string() : CLI::ExistingFile(ruta); }, "FILE|-"));
    std::vector<CLI::Option*> requeridas(posicionales);
    for (CLI::Option* posicional : requeridas) posicional->excludes(csv);
    comando.callback([csv, requeridas] {
        if (csv->count() > 0) return;
        for (CLI::Option* posicional : requeridas) {
            if (posicional->count() == 0) throw CLI::RequiredError(posicional->get_name());
        }
    });
    return csv;
}

int EjecutarLoteCsv(const Opciones& opciones, const DefinicionLote& definicion, const std::string& archivo) {
    if (opciones.json) {
        std::cerr << "--json and --csv cannot be used together\n";
        return kUso;
    }
    FinLote fin;
    if (archivo == "-") {
        fin = EjecutarLote(definicion, std::cin, std::cout, std::cerr);
    } else {
        std::ifstream entrada(archivo, std::ios::binary);
        if (!entrada) {
            std::cerr << "cannot open " << archivo << '\n';
            return kUso;
        }
        fin = EjecutarLote(definicion, entrada, std::cout, std::cerr);
    }
    std::cout.flush();
    switch (fin) {
        case FinLote::Hecho: return kHecho;
        case FinLote::Uso: return kUso;
        case FinLote::Rechazado: return kRechazado;
    }
    return kRechazado;
}

}  // namespace tarvel::cli
