#include <QApplication>

#include "ui/Ayuda.h"
#include "ui/frmPresentacion.h"

int main(int argc, char** argv) {
    QApplication aplicacion(argc, argv);
    QApplication::setStyle(QStringLiteral("Fusion"));
    // The main menu ends the program when it closes, whatever else is open.
    QApplication::setQuitOnLastWindowClosed(false);
    tarvel::InstalarAyuda(aplicacion);
    new tarvel::frmPresentacion;
    return QApplication::exec();
}
