#include "ui/Mensajes.h"

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
        case IconoMensaje::Ninguno: break;
    }
    return QMessageBox::NoIcon;
}

}  // namespace

RespuestaMensaje MostrarMensaje(QWidget* padre, const QString& texto, BotonesMensaje botones, IconoMensaje icono,
                                const QString& titulo) {
    const PeticionMensaje peticion{padre, texto, titulo.isEmpty() ? QStringLiteral("Tarvel") : titulo, botones, icono};
    if (Sustituto()) return Sustituto()(peticion);

    const auto estandar = botones == BotonesMensaje::SiNo ? QMessageBox::Yes | QMessageBox::No : QMessageBox::Ok;
    QMessageBox caja(IconoQt(icono), peticion.titulo, texto, estandar, padre);
    caja.setTextFormat(Qt::PlainText);
    caja.setDefaultButton(botones == BotonesMensaje::SiNo ? QMessageBox::Yes : QMessageBox::Ok);
    switch (caja.exec()) {
        case QMessageBox::Yes: return RespuestaMensaje::Si;
        case QMessageBox::No: return RespuestaMensaje::No;
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
