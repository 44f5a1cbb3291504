// The floor of start-up: a bare Qt Widgets window of the splash's size,
// ended at its first paint.
#include <QApplication>
#include <QWidget>

#include "bench/PrimeraPintura.h"

int main(int argc, char** argv) {
    QApplication aplicacion(argc, argv);
    tarvel::bench::PrimeraPintura filtro(argc, argv);
    aplicacion.installEventFilter(&filtro);
    QWidget ventana;
    ventana.resize(600, 360);
    ventana.show();
    return QApplication::exec();
}
