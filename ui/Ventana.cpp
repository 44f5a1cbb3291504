#include "ui/Ventana.h"

#include <QDialog>
#include <QFocusEvent>
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

void PonerNegrita(QWidget* control) {
    QFont negrita = control->font();
    negrita.setBold(true);
    control->setFont(negrita);
}

bool CambioDeControl(const QEvent* evento) {
    const auto motivo = static_cast<const QFocusEvent*>(evento)->reason();
    return motivo != Qt::ActiveWindowFocusReason && motivo != Qt::PopupFocusReason;
}

int PixelesDeTwips(const QWidget* control, int twips) { return (twips * control->logicalDpiX() + 720) / 1440; }

}  // namespace tarvel
