#pragma once
// Every file dialog and print dialog of the program goes through here, so
// that tests can answer them.
#include <QString>
#include <functional>

class QPrinter;
class QWidget;

namespace tarvel {

enum class ModoArchivo { Abrir, Guardar };

struct PeticionArchivo {
    QWidget* padre = nullptr;
    ModoArchivo modo = ModoArchivo::Abrir;
    QString titulo;
    QString filtro;     // "Worksheets (*.tarvel)"
    QString sufijo;     // "tarvel": added to a name saved without it
    QString propuesto;  // the file or folder the dialog starts at
};

// The file chosen, or "" when the user cancelled. Saving asks before an
// existing file is replaced.
QString ElegirArchivo(const PeticionArchivo& peticion);

// Tests answer file dialogs with this instead of showing them; an empty
// function brings the real dialogs back.
void SustituirDialogosArchivo(std::function<QString(const PeticionArchivo&)> respuesta);

// The system print dialog for `impresora`: true when the user chose to print.
bool ElegirImpresora(QPrinter& impresora, QWidget* padre, const QString& titulo);
void SustituirDialogoImpresion(std::function<bool(QPrinter&)> respuesta);

}  // namespace tarvel
