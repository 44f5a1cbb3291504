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
    QString propuesto;    // the file or folder the dialog starts at
};

struct ArchivoElegido {
    QString ruta;    // absolute; "" when the user cancelled
    int filtro = 0;  // index of the filter chosen
};

// The file chosen. Saving asks before an existing file is replaced, and a
// name given without extension takes that of the filter chosen.
ArchivoElegido ElegirArchivo(const PeticionArchivo& peticion);

// Tests answer file dialogs with this instead of showing them; an empty
// function brings the real dialogs back.
void SustituirDialogosArchivo(std::function<ArchivoElegido(const PeticionArchivo&)> respuesta);

// The extension of a filter, "png" for "PNG image (*.png)".
QString ExtensionDeFiltro(const QString& filtro);

// The system print dialog for `impresora`: true when the user chose to print.
bool ElegirImpresora(QPrinter& impresora, QWidget* padre, const QString& titulo);
void SustituirDialogoImpresion(std::function<bool(QPrinter&)> respuesta);

}  // namespace tarvel
