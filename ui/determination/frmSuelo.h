#pragma once
// The hydrologic soil group dialog: the letter A to D from a class of minimum
// infiltration rate or from the clay, silt and sand percentages of the soil.
// OK hands the letter back in gLetraGrupoSuelo; Cancel and the close box leave
// it as it was.
#include <array>
#include <cstdint>
#include <string>

#include "catchment/HojaCuenca.h"
#include "ui/determination/DialogoAuxiliar.h"

class QFrame;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QStackedWidget;

namespace tarvel {

class frmSuelo : public DialogoAuxiliar {
    Q_OBJECT
public:
    explicit frmSuelo(QWidget* padre);

protected:
    bool eventFilter(QObject* objeto, QEvent* evento) override;

private:
    void CrearControles();
    void Disponer();
    void PonerTextos();

    void opcMetodo_Click(int indice);
    void opcTasa_Click(int indice);
    void txtPorcentaje_GotFocus(int indice);
    void txtPorcentaje_LostFocus(int indice);
    void txtExtra_GotFocus();
    void lblGrupo_Click(int indice);
    void cmdAceptar_Click();

    // Working values: empty at every opening, so that what OK and the texture
    // check use is what this dialog shows.
    std::string mLetraGrupo;
    ComoGrupoSuelo mComoGrupo;  // how mLetraGrupo was found
    std::int16_t mMetodo = 0;
    std::array<float, 3> mPorcentaje{};
    std::array<bool, 3> mIntroducido{};
    bool mComprobando = false;

    QGroupBox* Frame1 = nullptr;
    std::array<QRadioButton*, 3> opcMetodo{};
    QStackedWidget* pilaMetodos = nullptr;
    std::array<QGroupBox*, 2> mrcMetodo{};
    std::array<QRadioButton*, 4> opcTasa{};
    std::array<QLabel*, 2> Label1{};
    std::array<QLabel*, 2> lblGrupo{};
    std::array<QFrame*, 2> Shape{};
    QLabel* Label3 = nullptr;
    QLabel* Label4 = nullptr;
    QLabel* Label5 = nullptr;
    std::array<QLineEdit*, 3> txtPorcentaje{};
    QLineEdit* txtExtra = nullptr;
    QPushButton* cmdAceptar = nullptr;
    QPushButton* cmdCancelar = nullptr;
};

}  // namespace tarvel
