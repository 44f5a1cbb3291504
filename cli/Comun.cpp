#include "cli/Comun.h"

#include <QCoreApplication>
#include <QFile>
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

}  // namespace tarvel::cli
