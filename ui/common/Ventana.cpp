#include "ui/common/Ventana.h"

#include <QDialog>
#include <QFocusEvent>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QVBoxLayout>

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

void DisponerEleccion(QWidget* contenedor, QLabel* titulo, std::initializer_list<QRadioButton*> opciones,
                      QPushButton* aceptar) {
    PonerNegrita(titulo);
    aceptar->setMinimumWidth(96);
    auto* lista = new QVBoxLayout;
    lista->setContentsMargins(16, 4, 0, 4);
    lista->setSpacing(10);
    for (QRadioButton* opcion : opciones) lista->addWidget(opcion);
    auto* botones = new QHBoxLayout;
    botones->addStretch();
    botones->addWidget(aceptar);
    auto* columna = new QVBoxLayout(contenedor);
    columna->setContentsMargins(24, 20, 24, 18);
    columna->setSpacing(12);
    columna->addWidget(titulo);
    columna->addLayout(lista);
    columna->addSpacing(6);
    columna->addLayout(botones);
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

bool EnterPulsaBotonConFoco(QWidget* ventana, QKeyEvent* evento) {
    if (evento->key() != Qt::Key_Return && evento->key() != Qt::Key_Enter) return false;
    if (auto* boton = qobject_cast<QPushButton*>(ventana->focusWidget())) boton->click();
    return true;
}

}  // namespace tarvel
