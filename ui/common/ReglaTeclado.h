#pragma once
// The input rule of numeric fields on a window: Enter moves the focus on in
// focus order, and the comma, full-stop and keypad decimal keys enter the
// decimal separator in force (gSeparadorDecimal).
#include <QObject>

class QWidget;

namespace tarvel {

class ReglaTeclado : public QObject {
    Q_OBJECT
public:
    // To every key pressed while the window is active, whichever control has the focus.
    static void AplicarAVentana(QWidget* ventana);
    // Only to keys pressed in this field.
    static void AplicarACampo(QWidget* campo);

protected:
    bool eventFilter(QObject* objeto, QEvent* evento) override;

private:
    explicit ReglaTeclado(QObject* padre);
    bool mReenviando = false;
};

}  // namespace tarvel
