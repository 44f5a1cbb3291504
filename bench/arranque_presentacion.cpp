// The program's own start-up, exactly as desktop/main.cpp does it, ended at the
// splash's first paint.
#include <QApplication>

#include "bench/PrimeraPintura.h"
#include "ui/help/Ayuda.h"
#include "ui/shell/frmPresentacion.h"

int main(int argc, char** argv) {
    QApplication aplicacion(argc, argv);
    tarvel::bench::PrimeraPintura filtro(argc, argv);
    aplicacion.installEventFilter(&filtro);
    QApplication::setStyle(QStringLiteral("Fusion"));
    QApplication::setQuitOnLastWindowClosed(false);
    tarvel::InstalarAyuda(aplicacion);
    new tarvel::frmPresentacion;
    return QApplication::exec();
}
