#include "ui/common/ReglaTeclado.h"

#include <QApplication>
#include <QKeyEvent>
#include <QWidget>

#include "app/ReglaEntrada.h"
#include "app/SessionState.h"

namespace tarvel {
namespace {

TeclaEntrada Clasificar(const QKeyEvent& tecla) {
    const bool teclado = tecla.modifiers().testFlag(Qt::KeypadModifier);
    switch (tecla.key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
            return TeclaEntrada::Intro;
        // The keypad's decimal key is reported as a comma or a full stop with
        // the keypad flag, by the keyboard layout.
        case Qt::Key_Comma:
            return teclado ? TeclaEntrada::DecimalTeclado : TeclaEntrada::Coma;
        case Qt::Key_Period:
            return teclado ? TeclaEntrada::DecimalTeclado : TeclaEntrada::Punto;
        default:
            return TeclaEntrada::Otra;
    }
}

}  // namespace

ReglaTeclado::ReglaTeclado(QObject* padre) : QObject(padre) {}

void ReglaTeclado::AplicarAVentana(QWidget* ventana) {
    auto* regla = new ReglaTeclado(ventana);
    ventana->installEventFilter(regla);
    for (QWidget* control : ventana->findChildren<QWidget*>()) control->installEventFilter(regla);
}

void ReglaTeclado::AplicarACampo(QWidget* campo) { campo->installEventFilter(new ReglaTeclado(campo)); }

bool ReglaTeclado::eventFilter(QObject* objeto, QEvent* evento) {
    if (evento->type() != QEvent::KeyPress || mReenviando || !objeto->isWidgetType()) return false;
    auto* tecla = static_cast<QKeyEvent*>(evento);
    const char separador = gSeparadorDecimal.empty() ? '.' : gSeparadorDecimal.front();
    const AccionEntrada accion = ReglaEntrada(Clasificar(*tecla), separador);

    if (accion.tipo == AccionEntrada::Tipo::Nada) return false;
    const bool tabulador = accion.tipo == AccionEntrada::Tipo::Tabulador;
    QKeyEvent sustituta(QEvent::KeyPress,
                        tabulador ? Qt::Key_Tab : (accion.separador == ',' ? Qt::Key_Comma : Qt::Key_Period),
                        tabulador ? Qt::NoModifier : tecla->modifiers() & ~Qt::KeypadModifier,
                        tabulador ? QString() : QString(QChar(accion.separador)));
    // The key is answered by the key the rule puts in its place, delivered to
    // the same control before anything else happens.
    mReenviando = true;
    QApplication::sendEvent(objeto, &sustituta);
    mReenviando = false;
    return true;
}

}  // namespace tarvel
