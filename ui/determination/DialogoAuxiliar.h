#pragma once
// What the soil group and forest condition dialogs share: modal to the
// step-by-step window, Escape closes nothing (only Cancel and the close box
// do), no button is pressed by Enter (Enter belongs to the key rule), and a
// number box selects its whole text when the user enters it.
#include <QDialog>

#include "app/TopicosAyuda.h"

class QHBoxLayout;
class QLineEdit;
class QPushButton;

namespace tarvel {

class DialogoAuxiliar : public QDialog {
    Q_OBJECT
public:
    DialogoAuxiliar(QWidget* padre, const char* nombre, TopicoAyuda topico);

protected:
    void keyPressEvent(QKeyEvent* evento) override;

    // A button that neither Enter nor Escape presses.
    QPushButton* NuevoBoton(const char* nombre);
    // The buttons at the foot of the dialog, to the right.
    static QHBoxLayout* FilaBotones(std::initializer_list<QPushButton*> botones);
    // For a box's FocusIn: its whole text selected, also after a click has
    // placed the cursor.
    static void SeleccionarTodo(QLineEdit* caja);
};

}  // namespace tarvel
