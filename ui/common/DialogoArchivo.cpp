#include "ui/common/DialogoArchivo.h"

#include <QFileDialog>
#include <QRegularExpression>
#include <QFileInfo>
#include <QPrintDialog>
#include <QPrinter>

namespace tarvel {
namespace {

std::function<ArchivoElegido(const PeticionArchivo&)>& Sustituto() {
    static std::function<ArchivoElegido(const PeticionArchivo&)> sustituto;
    return sustituto;
}

std::function<bool(QPrinter&)>& SustitutoImpresion() {
    static std::function<bool(QPrinter&)> sustituto;
    return sustituto;
}

}  // namespace

QString ExtensionDeFiltro(const QString& filtro) {
    static const QRegularExpression patron(QStringLiteral("\\*\\.(\\w+)"));
    return patron.match(filtro).captured(1);
}

ArchivoElegido ElegirArchivo(const PeticionArchivo& peticion) {
    const bool guardar = peticion.modo == ModoArchivo::Guardar;
    ArchivoElegido elegido;
    if (Sustituto()) {
        elegido = Sustituto()(peticion);
    } else {
        QFileDialog dialogo(peticion.padre, peticion.titulo, peticion.propuesto);
        dialogo.setNameFilters(peticion.filtros);
        dialogo.setAcceptMode(guardar ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
        dialogo.setFileMode(guardar ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
        // A name typed without extension takes the chosen filter's before the
        // dialog asks whether to overwrite it.
        dialogo.setDefaultSuffix(ExtensionDeFiltro(peticion.filtros.value(0)));
        QObject::connect(&dialogo, &QFileDialog::filterSelected, &dialogo,
                         [&dialogo](const QString& filtro) { dialogo.setDefaultSuffix(ExtensionDeFiltro(filtro)); });
        if (dialogo.exec() != QDialog::Accepted || dialogo.selectedFiles().isEmpty()) return {};
        elegido = {dialogo.selectedFiles().constFirst(),
                   std::max<int>(0, static_cast<int>(peticion.filtros.indexOf(dialogo.selectedNameFilter())))};
    }
    if (elegido.ruta.isEmpty()) return {};
    const QString sufijo = ExtensionDeFiltro(peticion.filtros.value(elegido.filtro));
    if (guardar && !sufijo.isEmpty() && QFileInfo(elegido.ruta).suffix().isEmpty()) elegido.ruta += '.' + sufijo;
    elegido.ruta = QFileInfo(elegido.ruta).absoluteFilePath();
    return elegido;
}

void SustituirDialogosArchivo(std::function<ArchivoElegido(const PeticionArchivo&)> respuesta) {
    Sustituto() = std::move(respuesta);
}

bool ElegirImpresora(QPrinter& impresora, QWidget* padre, const QString& titulo) {
    if (SustitutoImpresion()) return SustitutoImpresion()(impresora);
    QPrintDialog dialogo(&impresora, padre);
    dialogo.setWindowTitle(titulo);
    return dialogo.exec() == QDialog::Accepted;
}

void SustituirDialogoImpresion(std::function<bool(QPrinter&)> respuesta) {
    SustitutoImpresion() = std::move(respuesta);
}

}  // namespace tarvel
