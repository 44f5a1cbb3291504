#include "cli/Comun.h"

#include <QCoreApplication>
#include <QFile>
#include <iostream>

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

}  // namespace tarvel::cli
