#include "ui/common/DialogoArchivo.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QPrintDialog>
#include <QPrinter>
#include <QRegularExpression>

#include "settings/Ajustes.h"

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

QString NombreArchivoDe(const QString& titulo, const QString& siVacio) {
    QString nombre;
    for (const QChar c : titulo) {
        const bool prohibido = c.category() == QChar::Other_Control || QStringLiteral("/\\:*?\"<>|").contains(c);
        nombre += prohibido ? QChar(' ') : c;
    }
    nombre = nombre.simplified();
    while (!nombre.isEmpty() && (nombre.back() == '.' || nombre.back() == ' ')) nombre.chop(1);
    while (!nombre.isEmpty() && (nombre.front() == '.' || nombre.front() == ' ')) nombre.remove(0, 1);
    return nombre.isEmpty() ? siVacio : nombre;
}

ArchivoElegido ElegirArchivo(const PeticionArchivo& original) {
    PeticionArchivo peticion = original;
    if (peticion.propuesto.isEmpty() || QFileInfo(peticion.propuesto).isRelative()) {
        const QDir carpeta(CarpetaInicialArchivos());
        peticion.propuesto = peticion.propuesto.isEmpty() ? carpeta.absolutePath() : carpeta.filePath(peticion.propuesto);
    }
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
    RecordarCarpetaArchivos(QFileInfo(elegido.ruta).absolutePath());
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
