#pragma once
// Every message box of the program goes through here, so that tests can
// answer them.
#include <QString>
#include <functional>

class QWidget;

namespace tarvel {

// GuardarDescartarCancelar: the question before unsaved work is left; its
// stock buttons read Save, Discard and Cancel in the language of the run, and
// Escape or the close box answer Cancel.
enum class BotonesMensaje { Aceptar, SiNo, GuardarDescartarCancelar };
enum class IconoMensaje { Ninguno, Informacion, Aviso, Pregunta };
enum class RespuestaMensaje { Aceptar, Si, No, Guardar, Descartar, Cancelar };

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
