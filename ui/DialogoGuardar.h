#pragma once
// Where to save a file: the save dialog every export of the program goes
// through, so that tests can answer it as they answer message boxes.
#include <QString>
#include <QStringList>
#include <functional>

class QWidget;

namespace tarvel {

struct PeticionGuardar {
    QWidget* padre = nullptr;
    QString titulo;
    QString nombre;       // the file name offered
    QStringList filtros;  // "PNG image (*.png)", …; the first is offered first
};

struct RespuestaGuardar {
    QString ruta;    // empty when the user cancelled
    int filtro = 0;  // index of the filter chosen
};

// The dialog opens in the user's documents folder and asks before
// overwriting a file; a name typed without extension takes that of the
// chosen filter.
RespuestaGuardar PedirArchivoGuardar(const PeticionGuardar& peticion);

// Tests answer save dialogs with this instead of showing them; an empty
// function brings the real dialog back.
void SustituirDialogoGuardar(std::function<RespuestaGuardar(const PeticionGuardar&)> respuesta);

// The extension of a filter, "png" for "PNG image (*.png)".
QString ExtensionDeFiltro(const QString& filtro);

}  // namespace tarvel
