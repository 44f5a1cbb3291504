#pragma once
// Every file dialog and print dialog of the program goes through here, so
// that tests can answer them.
#include <QString>
#include <QStringList>
#include <functional>

class QPrinter;
class QWidget;

namespace tarvel {

enum class ModoArchivo { Abrir, Guardar };

struct PeticionArchivo {
    QWidget* padre = nullptr;
    ModoArchivo modo = ModoArchivo::Abrir;
    QString titulo;
    QStringList filtros;  // "Worksheets (*.tarvel)", …; the first is offered first
    // The file proposed: a name alone starts in CarpetaInicialArchivos (the
    // folder last used, else the documents folder, else home); a path keeps
    // its own folder (a worksheet's exports go beside it); empty, the folder alone.
    QString propuesto;
};

struct ArchivoElegido {
    QString ruta;    // absolute; "" when the user cancelled
    int filtro = 0;  // index of the filter chosen
};

// The file chosen. Saving asks before an existing file is replaced, and a
// name given without extension takes that of the filter chosen. The folder
// of the file chosen is remembered for the next dialog.
ArchivoElegido ElegirArchivo(const PeticionArchivo& peticion);

// Tests answer file dialogs with this instead of showing them; an empty
// function brings the real dialogs back.
void SustituirDialogosArchivo(std::function<ArchivoElegido(const PeticionArchivo&)> respuesta);

// A title as a file name: the characters file systems refuse (/ \ : * ? " < > |
// and control characters) become blanks, runs of blanks one, and blanks and
// dots at either end go; `siVacio` when nothing is left.
QString NombreArchivoDe(const QString& titulo, const QString& siVacio);

// The extension of a filter, "png" for "PNG image (*.png)".
QString ExtensionDeFiltro(const QString& filtro);

// The system print dialog for `impresora`: true when the user chose to print.
bool ElegirImpresora(QPrinter& impresora, QWidget* padre, const QString& titulo);
void SustituirDialogoImpresion(std::function<bool(QPrinter&)> respuesta);

}  // namespace tarvel
