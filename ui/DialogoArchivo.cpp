#include "ui/DialogoArchivo.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QPrintDialog>
#include <QPrinter>

namespace tarvel {
namespace {

std::function<QString(const PeticionArchivo&)>& Sustituto() {
    static std::function<QString(const PeticionArchivo&)> sustituto;
    return sustituto;
}

std::function<bool(QPrinter&)>& SustitutoImpresion() {
    static std::function<bool(QPrinter&)> sustituto;
    return sustituto;
}

}  // namespace

QString ElegirArchivo(const PeticionArchivo& peticion) {
    QString elegido;
    if (Sustituto()) {
        elegido = Sustituto()(peticion);
    } else {
        QFileDialog dialogo(peticion.padre, peticion.titulo, peticion.propuesto, peticion.filtro);
        dialogo.setAcceptMode(peticion.modo == ModoArchivo::Guardar ? QFileDialog::AcceptSave
                                                                    : QFileDialog::AcceptOpen);
        dialogo.setFileMode(peticion.modo == ModoArchivo::Guardar ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
        dialogo.setDefaultSuffix(peticion.sufijo);
        if (dialogo.exec() != QDialog::Accepted || dialogo.selectedFiles().isEmpty()) return {};
        elegido = dialogo.selectedFiles().constFirst();
    }
    if (elegido.isEmpty()) return {};
    if (peticion.modo == ModoArchivo::Guardar && !peticion.sufijo.isEmpty() && QFileInfo(elegido).suffix().isEmpty()) {
        elegido += '.' + peticion.sufijo;
    }
    return QFileInfo(elegido).absoluteFilePath();
}

void SustituirDialogosArchivo(std::function<QString(const PeticionArchivo&)> respuesta) {
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
