#pragma once
// What the desktop program and the command-line companion read from the
// machine: the language setting of the next start, under application
// "Tarvel", section "Options", key "Language", the worksheets opened last
// (key "RecentWorksheets"), and the folder of the running
// program, where Datos.dat and the help files lie. Needs only Qt Core.
#include <QString>
#include <QStringList>
#include <filesystem>

namespace tarvel {

// The stored language name, "" when nothing is stored.
QString LeerIdiomaGuardado();
void GuardarIdioma(const QString& nombre);
// The stored list of recent worksheets, as stored.
QStringList LeerHojasRecientes();
void GuardarHojasRecientes(const QStringList& rutas);
// The file the setting is kept in.
QString ArchivoAjustes();

// The folder of the running executable.
QString CarpetaPrograma();

// A path Qt gives, as the file system names it.
std::filesystem::path RutaLocal(const QString& ruta);

}  // namespace tarvel
