#pragma once
// The year-by-year path of a series with a span, as a chart (GraficoTrayectoria):
// the curve numbers under conditions I, II and III, their runoff thresholds
// (the initial abstraction Ia = λ·S of the ratios chosen) and, for a design
// storm typed here, their runoff under those ratios.
// The chart is saved as PNG or SVG, the table of every year as CSV, and the
// table is copied as tab-separated text.
//
// The storm is applied when its field is left for another control of the
// window, when a ratio is chosen (which also chooses the thresholds drawn,
// storm or not), and before anything is saved or copied; a
// storm that is no depth is refused with its message, and the path drawn
// stays as it was.
#include <QDialog>
#include <array>
#include <functional>
#include <memory>

#include "series/Trayectoria.h"

class QGraphicsScene;
class QGraphicsView;
class QIODevice;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace tarvel {

class GraficoTrayectoria;

class frmTrayectoria : public QDialog {
    Q_OBJECT
public:
    frmTrayectoria(QWidget* padre, Trayectoria trayectoria);

    // Opens the window modally on the path of a series; when the path cannot
    // be computed its message is shown instead.
    static void Abrir(QWidget* padre, double nac, double nob, int lapso);

    const Trayectoria& Datos() const { return *mTrayectoria; }
    GraficoTrayectoria* Grafico() const { return mGrafico; }

protected:
    bool eventFilter(QObject* objeto, QEvent* evento) override;
    void changeEvent(QEvent* evento) override;

private:
    void CrearControles();
    void Disponer();
    void PonerTextos();

    void opcLambda_Click();
    void cmdGuardarGrafico_Click();
    void cmdGuardarTabla_Click();
    void cmdCopiarTabla_Click();

    // The storm of the fields applied to the path: true when the path drawn
    // is that of the fields.
    bool AplicarTormenta();
    EleccionLambda LambdaElegida() const;
    void Dibujar();
    void Ajustar();
    QString ArchivoPropuesto(const char* extension) const;
    // Written whole or not at all; a failure is reported.
    bool Escribir(const QString& ruta, const std::function<bool(QIODevice&)>& escribir);

    std::shared_ptr<const Trayectoria> mTrayectoria;
    QString mLluviaAplicada;
    EleccionLambda mLambdaAplicada = EleccionLambda::Clasica;
    bool mLluviaPorAplicar = false;

    QLabel* lblLluvia = nullptr;
    QLineEdit* txtLluvia = nullptr;
    QLabel* lblLambda = nullptr;
    std::array<QRadioButton*, 3> opcLambda{};
    QGraphicsView* vistaGrafico = nullptr;
    QGraphicsScene* mEscena = nullptr;
    GraficoTrayectoria* mGrafico = nullptr;
    QPushButton* cmdGuardarGrafico = nullptr;
    QPushButton* cmdGuardarTabla = nullptr;
    QPushButton* cmdCopiarTabla = nullptr;
    QPushButton* cmdAyuda = nullptr;
};

}  // namespace tarvel
