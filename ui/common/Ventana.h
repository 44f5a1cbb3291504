#pragma once
#include <initializer_list>

class QDialog;
class QEvent;
class QKeyEvent;
class QLabel;
class QPushButton;
class QRadioButton;
class QWidget;

namespace tarvel {

// Places a window in the middle of the screen it is on (at its current size).
void CentrarEnPantalla(QWidget* ventana);

// What every modal window of the program shares: modal to its owner only, so
// that the help viewer stays usable beside it, and without a "What's this" button.
void PrepararDialogo(QDialog* dialogo);

// The layout the main menu and the method choice share: a bold caption, the
// options under it, and OK at the bottom right.
void DisponerEleccion(QWidget* contenedor, QLabel* titulo, std::initializer_list<QRadioButton*> opciones,
                      QPushButton* aceptar);

// For windows with no default button, where Enter in a field moves on: Enter
// presses the button that has the focus and nothing else. True when the key
// was Enter (then taken), false for any other key.
bool EnterPulsaBotonConFoco(QWidget* ventana, QKeyEvent* evento);

// Sets the control's text in bold.
void PonerNegrita(QWidget* control);

// A focus event of the user moving between controls; focus that comes and
// goes with the window (another window, a message box, a list's popup, a
// context menu) is not.
bool CambioDeControl(const QEvent* evento);

// Layout sizes are kept in twips (1440 to the inch): 15 twips a pixel at 96
// dpi, scaled with the screen's logical resolution.
int PixelesDeTwips(const QWidget* control, int twips);

}  // namespace tarvel
