#include "ui/Ventana.h"

#include <QDialog>
#include <QGuiApplication>
#include <QScreen>

namespace tarvel {

void CentrarEnPantalla(QWidget* ventana) {
    QScreen* pantalla = ventana->screen() ? ventana->screen() : QGuiApplication::primaryScreen();
    if (!pantalla) return;
    ventana->adjustSize();
    QRect marco = ventana->frameGeometry();
    marco.moveCenter(pantalla->availableGeometry().center());
    ventana->move(marco.topLeft());
}

void PrepararDialogo(QDialog* dialogo) {
    dialogo->setWindowModality(Qt::WindowModal);
    dialogo->setWindowFlag(Qt::WindowContextHelpButtonHint, false);
}

}  // namespace tarvel
