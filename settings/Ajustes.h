#pragma once
// What the desktop program and the command-line companion read from the
// machine: the language setting of the next start, under application
// "Tarvel", section "Options", key "Language", the worksheets opened last
// (key "RecentWorksheets"), the folder a file dialog last chose a file in
// (key "LastFolder"), and the folder of the running program, where Datos.dat
// and the help files lie. Needs only Qt Core.
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
// Where a file dialog starts: the folder last used while it still exists,
// else the user's documents folder if there is one, else home.
QString CarpetaInicialArchivos();
// The folder of a file just chosen in a file dialog.
void RecordarCarpetaArchivos(const QString& carpeta);
// The file the setting is kept in.
QString ArchivoAjustes();

// The folder of the running executable.
QString CarpetaPrograma();

// A path Qt gives, as the file system names it.
std::filesystem::path RutaLocal(const QString& ruta);

}  // namespace tarvel
