#include "ui/help/GuardaAyuda.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace tarvel {

GuardaAyuda::GuardaAyuda(const QString& archivoAyuda) {
    if (!archivoAyuda.isEmpty()) mCarpeta = QFileInfo(archivoAyuda).absoluteDir().canonicalPath();
}

QByteArray GuardaAyuda::Leer(const QUrl& url) const {
    if (!url.isLocalFile() || mCarpeta.isEmpty()) return {};
    const QString ruta = QFileInfo(url.toLocalFile()).canonicalFilePath();
    if (ruta.isEmpty() || !ruta.startsWith(mCarpeta + QLatin1Char('/'))) return {};
    QFile recurso(ruta);
    if (!recurso.open(QIODevice::ReadOnly)) return {};
    return recurso.readAll();
}

}  // namespace tarvel
