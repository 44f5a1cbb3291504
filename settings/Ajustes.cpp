#include "settings/Ajustes.h"

#include <QCoreApplication>
#include <QFile>
#include <QSettings>

#include "app/Idioma.h"

namespace tarvel {
namespace {

QString DeVista(std::string_view texto) { return QString::fromUtf8(texto.data(), static_cast<qsizetype>(texto.size())); }

QSettings Ajustes() {
    return QSettings(QSettings::IniFormat, QSettings::UserScope, DeVista(kAplicacionAjustes), DeVista(kAplicacionAjustes));
}

QString ClaveIdioma() { return DeVista(kSeccionAjustes) + '/' + DeVista(kClaveIdioma); }
QString ClaveRecientes() { return DeVista(kSeccionAjustes) + QStringLiteral("/RecentWorksheets"); }

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

QString ArchivoAjustes() { return Ajustes().fileName(); }

QString CarpetaPrograma() { return QCoreApplication::applicationDirPath(); }

std::filesystem::path RutaLocal(const QString& ruta) { return QFile::encodeName(ruta).toStdString(); }

}  // namespace tarvel
