#include "settings/Ajustes.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>

#include "app/Idioma.h"

namespace tarvel {
namespace {

QString DeVista(std::string_view texto) { return QString::fromUtf8(texto.data(), static_cast<qsizetype>(texto.size())); }

QSettings Ajustes() {
    return QSettings(QSettings::IniFormat, QSettings::UserScope, DeVista(kAplicacionAjustes), DeVista(kAplicacionAjustes));
}

QString ClaveIdioma() { return DeVista(kSeccionAjustes) + '/' + DeVista(kClaveIdioma); }
QString ClaveRecientes() { return DeVista(kSeccionAjustes) + QStringLiteral("/RecentWorksheets"); }
QString ClaveCarpeta() { return DeVista(kSeccionAjustes) + QStringLiteral("/LastFolder"); }

bool EsCarpeta(const QString& ruta) { return !ruta.isEmpty() && QFileInfo(ruta).isDir(); }

}  // namespace

QString LeerIdiomaGuardado() { return Ajustes().value(ClaveIdioma()).toString(); }

void GuardarIdioma(const QString& nombre) {
    QSettings ajustes = Ajustes();
    ajustes.setValue(ClaveIdioma(), nombre);
    ajustes.sync();
}

QStringList LeerHojasRecientes() { return Ajustes().value(ClaveRecientes()).toStringList(); }

void GuardarHojasRecientes(const QStringList& rutas) {
    QSettings ajustes = Ajustes();
    ajustes.setValue(ClaveRecientes(), rutas);
    ajustes.sync();
}

QString CarpetaInicialArchivos() {
    const QString ultima = Ajustes().value(ClaveCarpeta()).toString();
    if (EsCarpeta(ultima)) return ultima;
    // Qt names a documents folder whether or not the user has one.
    const QString documentos = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (EsCarpeta(documentos)) return documentos;
    return QDir::homePath();
}

void RecordarCarpetaArchivos(const QString& carpeta) {
    QSettings ajustes = Ajustes();
    ajustes.setValue(ClaveCarpeta(), carpeta);
    ajustes.sync();
}

QString ArchivoAjustes() { return Ajustes().fileName(); }

QString CarpetaPrograma() { return QCoreApplication::applicationDirPath(); }

std::filesystem::path RutaLocal(const QString& ruta) { return QFile::encodeName(ruta).toStdString(); }

}  // namespace tarvel
