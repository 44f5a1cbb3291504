#pragma once
// The method choice: how one curve number is to be determined. It opens the
// chosen window and closes itself when that window has closed.
#include <QDialog>

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

}  // namespace tarvel
