#include <QApplication>
#include <QIcon>

#include "ui/common/Accesibilidad.h"
#include "ui/help/Ayuda.h"
#include "ui/shell/frmPresentacion.h"

int main(int argc, char** argv) {
    QApplication aplicacion(argc, argv);
    QApplication::setStyle(QStringLiteral("Fusion"));
    // The desktop matches our windows to the installed desktop entry, and shows our icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("org.tarvel.tarvel"));
    Q_INIT_RESOURCE(tarvel);
    QIcon icono;
    for (int lado : {16, 32, 48, 64, 128, 256}) icono.addFile(QStringLiteral(":/icono/%1.png").arg(lado));
    QApplication::setWindowIcon(icono);
    // The main menu ends the program when it closes, whatever else is open.
    QApplication::setQuitOnLastWindowClosed(false);
    tarvel::InstalarAyuda(aplicacion);
    tarvel::InstalarAccesibilidad();
    new tarvel::frmPresentacion;
    return QApplication::exec();
}
