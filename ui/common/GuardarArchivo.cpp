#include "ui/common/GuardarArchivo.h"

#include <QSaveFile>

namespace tarvel {

std::expected<void, QString> GuardarArchivo(const QString& ruta, const std::function<bool(QIODevice&)>& escribir) {
    QSaveFile archivo(ruta);
    if (!archivo.open(QIODevice::WriteOnly)) return std::unexpected(archivo.errorString());
    if (!escribir(archivo) || archivo.error() != QFileDevice::NoError) {
        const QString motivo = archivo.errorString();
        archivo.cancelWriting();
        return std::unexpected(motivo);
    }
    if (!archivo.commit()) return std::unexpected(archivo.errorString());
    return {};
}

}  // namespace tarvel
