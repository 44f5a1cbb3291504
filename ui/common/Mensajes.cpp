#include "ui/common/Mensajes.h"

#include <QMessageBox>

#include "app/SessionState.h"
#include "data/Datos.h"

namespace tarvel {
namespace {

std::function<RespuestaMensaje(const PeticionMensaje&)>& Sustituto() {
    static std::function<RespuestaMensaje(const PeticionMensaje&)> sustituto;
    return sustituto;
}

QMessageBox::Icon IconoQt(IconoMensaje icono) {
    switch (icono) {
        case IconoMensaje::Informacion: return QMessageBox::Information;
        case IconoMensaje::Aviso: return QMessageBox::Warning;
        case IconoMensaje::Pregunta: return QMessageBox::Question;
        case IconoMensaje::Ninguno: break;
    }
    return QMessageBox::NoIcon;
}

}  // namespace

RespuestaMensaje MostrarMensaje(QWidget* padre, const QString& texto, BotonesMensaje botones, IconoMensaje icono,
                                const QString& titulo) {
    const PeticionMensaje peticion{padre, texto, titulo.isEmpty() ? QStringLiteral("Tarvel") : titulo, botones, icono};
    if (Sustituto()) return Sustituto()(peticion);

    QMessageBox::StandardButtons estandar = QMessageBox::Ok;
    QMessageBox::StandardButton omision = QMessageBox::Ok;
    if (botones == BotonesMensaje::SiNo) {
        estandar = QMessageBox::Yes | QMessageBox::No;
        omision = QMessageBox::Yes;
    } else if (botones == BotonesMensaje::GuardarDescartarCancelar) {
        estandar = QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel;
        omision = QMessageBox::Save;
    }
    QMessageBox caja(IconoQt(icono), peticion.titulo, texto, estandar, padre);
    caja.setTextFormat(Qt::PlainText);
    caja.setDefaultButton(omision);
    switch (caja.exec()) {
        case QMessageBox::Yes: return RespuestaMensaje::Si;
        case QMessageBox::No: return RespuestaMensaje::No;
        case QMessageBox::Save: return RespuestaMensaje::Guardar;
        case QMessageBox::Discard: return RespuestaMensaje::Descartar;
        case QMessageBox::Cancel: return RespuestaMensaje::Cancelar;
        default: return RespuestaMensaje::Aceptar;
    }
}

void MostrarErrorDatos(QWidget* padre, const ErrorDatos& error) {
    MostrarMensaje(padre, QString::fromStdString(MensajeErrorDatos(error, gIdioma)), BotonesMensaje::Aceptar,
                   IconoMensaje::Aviso);
}

void SustituirMensajes(std::function<RespuestaMensaje(const PeticionMensaje&)> respuesta) {
    Sustituto() = std::move(respuesta);
}

}  // namespace tarvel
