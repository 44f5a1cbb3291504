#pragma once
// Every message box of the program goes through here, so that tests can
// answer them.
#include <QString>
#include <functional>

class QWidget;

namespace tarvel {

enum class BotonesMensaje { Aceptar, SiNo };
enum class IconoMensaje { Ninguno, Informacion, Aviso };
enum class RespuestaMensaje { Aceptar, Si, No };

struct PeticionMensaje {
    QWidget* padre = nullptr;
    QString texto;
    QString titulo;
    BotonesMensaje botones = BotonesMensaje::Aceptar;
    IconoMensaje icono = IconoMensaje::Ninguno;
};

// A modal message box; the title is "Tarvel" unless one is given.
RespuestaMensaje MostrarMensaje(QWidget* padre, const QString& texto,
                                BotonesMensaje botones = BotonesMensaje::Aceptar,
                                IconoMensaje icono = IconoMensaje::Ninguno, const QString& titulo = {});

struct ErrorDatos;
// The data file's fault, with the file, the line and what is wrong, in the
// language of the run.
void MostrarErrorDatos(QWidget* padre, const ErrorDatos& error);

// Tests answer message boxes with this instead of showing them; an empty
// function brings the real boxes back.
void SustituirMensajes(std::function<RespuestaMensaje(const PeticionMensaje&)> respuesta);

}  // namespace tarvel
