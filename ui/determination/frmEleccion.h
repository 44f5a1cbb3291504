#pragma once
// The method choice: how one curve number is to be determined. It opens the
// chosen window and closes itself when that window has closed.
#include <QDialog>
#include <cstdint>
#include <optional>

class QLabel;
class QPushButton;
class QRadioButton;

namespace tarvel {

class frmEleccion : public QDialog {
    Q_OBJECT
public:
    explicit frmEleccion(QWidget* padre);

private:
    void cmdAceptar_Click();

    QLabel* Label1 = nullptr;
    QRadioButton* opcElige[2] = {};
    QPushButton* cmdAceptar = nullptr;
};

// The road to one curve number: the method choice and the window it opens.
// gNCElegido is 0 while the road is open; the result is the number the user
// accepted with OK (also left in gNCElegido), or nothing when the road was
// left without one, and then gNCElegido is as it was before the road. How the
// number was obtained is left in gOrigenCurva.
std::optional<std::int16_t> DeterminarNumeroCurva(QWidget* padre);

}  // namespace tarvel
