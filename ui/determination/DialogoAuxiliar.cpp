#include "ui/determination/DialogoAuxiliar.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>

#include "ui/help/Ayuda.h"
#include "ui/common/Ventana.h"

namespace tarvel {

DialogoAuxiliar::DialogoAuxiliar(QWidget* padre, const char* nombre, TopicoAyuda topico) : QDialog(padre) {
    setObjectName(nombre);
    PrepararDialogo(this);
    FijarTopicoAyuda(this, topico);
}

void DialogoAuxiliar::keyPressEvent(QKeyEvent* evento) {
    if (evento->key() == Qt::Key_Escape) {
        evento->accept();
        return;
    }
    QDialog::keyPressEvent(evento);
}

QPushButton* DialogoAuxiliar::NuevoBoton(const char* nombre) {
    auto* boton = new QPushButton(this);
    boton->setObjectName(nombre);
    boton->setAutoDefault(false);
    boton->setDefault(false);
    boton->setMinimumWidth(100);
    return boton;
}

QHBoxLayout* DialogoAuxiliar::FilaBotones(std::initializer_list<QPushButton*> botones) {
    auto* fila = new QHBoxLayout;
    fila->addStretch();
    for (QPushButton* boton : botones) fila->addWidget(boton);
    return fila;
}

void DialogoAuxiliar::SeleccionarTodo(QLineEdit* caja) {
    caja->selectAll();
    QTimer::singleShot(0, caja, [caja] {
        if (caja->hasFocus()) caja->selectAll();
    });
}

}  // namespace tarvel
