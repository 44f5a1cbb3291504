#include "ui/DialogoGuardar.h"

#include <QDir>
#include <QFileDialog>
#include <QRegularExpression>
#include <QStandardPaths>

namespace tarvel {
namespace {

std::function<RespuestaGuardar(const PeticionGuardar&)>& Sustituto() {
    static std::function<RespuestaGuardar(const PeticionGuardar&)> sustituto;
    return sustituto;
}

}  // namespace

QString ExtensionDeFiltro(const QString& filtro) {
    static const QRegularExpression patron(QStringLiteral("\\*\\.(\\w+)"));
    return patron.match(filtro).captured(1);
}

RespuestaGuardar PedirArchivoGuardar(const PeticionGuardar& peticion) {
    if (Sustituto()) return Sustituto()(peticion);

    const QString carpeta = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    QFileDialog dialogo(peticion.padre, peticion.titulo, QDir(carpeta).filePath(peticion.nombre));
    dialogo.setAcceptMode(QFileDialog::AcceptSave);
    dialogo.setNameFilters(peticion.filtros);
    // A name typed without extension takes the chosen filter's before the
    // dialog asks whether to overwrite it.
    dialogo.setDefaultSuffix(ExtensionDeFiltro(peticion.filtros.value(0)));
    QObject::connect(&dialogo, &QFileDialog::filterSelected, &dialogo,
                     [&dialogo](const QString& filtro) { dialogo.setDefaultSuffix(ExtensionDeFiltro(filtro)); });
    if (dialogo.exec() != QDialog::Accepted || dialogo.selectedFiles().isEmpty()) return {};
    return {dialogo.selectedFiles().constFirst(),
            std::max<int>(0, static_cast<int>(peticion.filtros.indexOf(dialogo.selectedNameFilter())))};
}

void SustituirDialogoGuardar(std::function<RespuestaGuardar(const PeticionGuardar&)> respuesta) {
    Sustituto() = std::move(respuesta);
}

}  // namespace tarvel
