#include "ui/shell/Arranque.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QTranslator>

#include "app/FormatoNumerico.h"
#include "app/Idioma.h"
#include "app/SessionState.h"
#include "app/TablaTextos.h"
#include "data/Datos.h"
#include "settings/Ajustes.h"
#include "ui/help/Ayuda.h"
#include "ui/common/Textos.h"

namespace tarvel {
namespace {

void CargarTraduccionesQt() {
    static QTranslator traductor;
    QCoreApplication::removeTranslator(&traductor);
    if (gIdioma != kIdiomaEspanol) return;
    if (traductor.load(QStringLiteral("qtbase_es"), QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QCoreApplication::installTranslator(&traductor);
    }
}

}  // namespace

void ResolverIdiomaDeArranque() {
    AplicarIdioma(LeerIdiomaGuardado().toStdString());
    CargarTraduccionesQt();
}

void FijarFormatoNumerico() {
    EstablecerFormato(FormatoNumerico{'.', ','});
    DetectarSeparadorDecimal();
}

void ElegirArchivoAyuda() {
    const auto nombre = ArchivoAyudaDe(gNombreIdioma);
    if (nombre) EstablecerArchivoAyuda(QDir(CarpetaPrograma()).filePath(DeUtf8(*nombre)));
}

namespace {
std::filesystem::path& RutaDatosSustituta() {
    static std::filesystem::path ruta;
    return ruta;
}
}  // namespace

std::filesystem::path RutaDatosPrograma() {
    if (!RutaDatosSustituta().empty()) return RutaDatosSustituta();
    return RutaDatos(RutaLocal(CarpetaPrograma()));
}

void SustituirRutaDatos(std::filesystem::path ruta) { RutaDatosSustituta() = std::move(ruta); }

}  // namespace tarvel
