#pragma once
// The forest hydrologic condition dialog: the class I to V of a woodland from
// the depths of its litter and humus layers and the compactness of its soil.
// OK hands the class back in gClaseBosque; Cancel and the close box leave it
// as it was.
#include <array>
#include <string>

#include "ui/determination/DialogoAuxiliar.h"

class QComboBox;
class QFrame;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace tarvel {

class frmNomograma : public DialogoAuxiliar {
    Q_OBJECT
public:
    explicit frmNomograma(QWidget* padre);

protected:
    bool eventFilter(QObject* objeto, QEvent* evento) override;

private:
    void CrearControles();
    void PonerTextos();
    void Disponer();

    void opcEspesor_LostFocus();
    void lstCompacidad_LostFocus();
    void Espesor_GotFocus(QLineEdit* caja);
    void cmdCalcular_Click();
    void cmdAceptar_Click();

    double mFactorArrope;
    double mFactorHumus;
    double mCompacidad = 0;
    std::string mClase;

    QGroupBox* Frame1 = nullptr;
    std::array<QRadioButton*, 2> opcEspesor{};
    QLabel* Label1 = nullptr;
    QLineEdit* txtArrope = nullptr;
    QLabel* Label2 = nullptr;
    QLineEdit* txtHumus = nullptr;
    QLabel* Label3 = nullptr;
    QComboBox* lstCompacidad = nullptr;
    QPushButton* cmdCalcular = nullptr;
    QLabel* Label4 = nullptr;
    QLineEdit* txtCondHidrologica = nullptr;
    QPushButton* cmdAceptar = nullptr;
    QPushButton* cmdCancelar = nullptr;
    QFrame* Line1 = nullptr;
    QFrame* Line2 = nullptr;
};

}  // namespace tarvel
