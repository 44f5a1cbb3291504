#pragma once
// The step-by-step window: vegetation, treatment, hydrologic condition or
// forest class, and soil group lead to a row of Datos.dat; the curve number
// found there follows every answer, and OK hands it back in gNCElegido.
#include <QDialog>
#include <array>
#include <memory>

#include "determination/Clasificacion.h"

class QComboBox;
class QFrame;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace tarvel {

class frmPrincipal : public QDialog {
    Q_OBJECT
public:
    explicit frmPrincipal(QWidget* padre, std::filesystem::path datos = {});

private:
    void CrearVegetacion();
    void CrearLaboreo();
    void CrearCondicion();
    void CrearSuelo();
    void CrearResultado();
    void CrearBotones();
    void Disponer();
    void PonerTextos();

    void opcTipo_Click(int grupo);
    void lstVegetacion_Click(int grupo, int posicion);
    void opcSuelo_Click(int indice);
    void opcCondicion_Click(int indice);
    void cmdHidro_Click();
    void cmdDeterminarSuelo_Click();
    void cmdAceptar_Click();
    // Shows what the classification now says: options, boxes, curve number.
    void Mostrar();
    // The same after an answer, telling the user when the data file failed.
    void Actualizar();
    // The answers, handed on in the run's shared values.
    void PublicarRespuestas();

    Clasificacion mClasificacion;

    QGroupBox* Frame1 = nullptr;
    std::array<QRadioButton*, 2> opcTipo{};
    QLabel* Label1 = nullptr;
    std::array<QComboBox*, 2> lstVegetacion{};
    QGroupBox* Frame3 = nullptr;
    std::array<QRadioButton*, kTratamientos> opcSuelo{};
    QGroupBox* Frame4 = nullptr;
    std::array<QRadioButton*, kCondiciones> opcCondicion{};
    QPushButton* cmdHidro = nullptr;
    QLabel* lblClaseBosque = nullptr;
    QLineEdit* txtClaseBosque = nullptr;
    QGroupBox* Frame2 = nullptr;
    QPushButton* cmdDeterminarSuelo = nullptr;
    QLabel* Label2 = nullptr;
    QLineEdit* txtSuelo = nullptr;
    QFrame* Shape1 = nullptr;
    QLabel* Label3 = nullptr;
    QLabel* lblTarvelva = nullptr;
    QPushButton* cmdAceptar = nullptr;
    QPushButton* cmdAyuda = nullptr;
};

}  // namespace tarvel
