#pragma once
class QDialog;
class QWidget;

namespace tarvel {

// Places a window in the middle of the screen it is on (at its current size).
void CentrarEnPantalla(QWidget* ventana);

// What every modal window of the program shares: modal to its owner only, so
// that the help viewer stays usable beside it, and without a "What's this" button.
void PrepararDialogo(QDialog* dialogo);

}  // namespace tarvel
