#include "ui/shell/Arranque.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QTranslator>

#include "app/FormatoNumerico.h"
#include "app/Idioma.h"
#include "app/TablaTextos.h"
#include "settings/Ajustes.h"
#include "ui/common/Textos.h"
#include "ui/help/Ayuda.h"

namespace tarvel {
namespace {

void CargarTraduccionesQt() {
    static QTranslator traductor;
    QCoreApplication::removeTranslator(&traductor);
    if (IdiomaEnVigor().idioma != kIdiomaEspanol) return;
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
    const auto nombre = ArchivoAyudaDe(IdiomaEnVigor().nombre);
    if (nombre) EstablecerArchivoAyuda(QDir(CarpetaPrograma()).filePath(DeUtf8(*nombre)));
}

}  // namespace tarvel
