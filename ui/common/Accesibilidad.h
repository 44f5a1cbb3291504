#pragma once
// What screen readers are told about the program's controls beyond what Qt
// tells them by itself. An option button stays an option button when the
// window, not Qt, decides which one of its group is selected; a label that
// shows a result is heard as what it is and its value, not as a bare number.
#include <QLabel>

namespace tarvel {

// Accessible names that are no caption on screen.
inline constexpr int kNombreVariacionAnual = 280;  // the value beside the ΔN/Δt fraction
inline constexpr int kNombreAyuda = 281;           // the "?" buttons
inline constexpr int kNombreComprobacionTextura = 282;  // the soil dialog's stop after the sand box
inline constexpr int kNombreGrupoSuelo = 283;      // a soil group found, wherever it shows

// Before any window is built: the accessible interfaces below take the place
// of Qt's for every option button and every result label.
void InstalarAccesibilidad();

// A label showing a result. Screen readers hear its caption (text `texto` of
// the string table, in the language of the run) followed by what it shows:
// "Nº de curva: 75"; the caption alone while it shows nothing.
class EtiquetaResultado : public QLabel {
    Q_OBJECT
public:
    EtiquetaResultado(QWidget* padre, const char* nombre, int texto);
    QString NombreAccesible() const;

private:
    int mTexto;
};

// A caption as screen readers should hear it: no accelerator mark, no colon
// or blanks at the end.
QString NombreDeRotulo(const QString& rotulo);

// A field and its caption: the label shows `texto`, and screen readers hear
// it on the field as NombreDeRotulo reads it. A window that leaves one of
// them out passes a null.
void Rotular(QWidget* control, QLabel* rotulo, const QString& texto);

}  // namespace tarvel
