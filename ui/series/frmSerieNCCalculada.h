#pragma once
// The results of a progressive series: NAC and NOB under the antecedent
// conditions I, II and III with their runoff thresholds and, when a span was
// given, the mean change of the curve number per year. Reads gNAC, gNOB and
// gLapsoAnios; writes nothing.
//
// Row 0 of tblNCP is its header row, as a grid row, so that the row and
// column numbers of the table are those of the cells (row 1 is condition I).
#include <QDialog>
#include <array>

#include "series/Serie.h"

class QFrame;
class QLabel;
class QPushButton;
class QTableWidget;

namespace tarvel {

class frmSerieNCCalculada : public QDialog {
    Q_OBJECT
public:
    explicit frmSerieNCCalculada(QWidget* padre);

protected:
    bool eventFilter(QObject* objeto, QEvent* evento) override;

private:
    void CrearControles();
    void Disponer();
    void Conectar();
    void Form_Load();
    void CalcularSerie();
    void tblNCP_MouseMove(int fila, int columna);
    void CopiarTabla();

    QLabel* Label1 = nullptr;
    QTableWidget* tblNCP = nullptr;
    QFrame* Frame1 = nullptr;
    QLabel* Label2 = nullptr;
    QLabel* Label3 = nullptr;
    QLabel* Label4 = nullptr;
    QWidget* Picture1 = nullptr;
    QLabel* Label5 = nullptr;
    QPushButton* cmdAyuda = nullptr;
    QPushButton* cmdEscorrentia = nullptr;
    QPushButton* cmdTrayectoria = nullptr;  // only with a span

    // Element J − 1 belongs to condition J, at full precision: the present
    // curve number, its threshold, the target curve number, its threshold.
    std::array<double, 3> mNAC{};
    std::array<double, 3> mPAC{};
    std::array<double, 3> mNOB{};
    std::array<double, 3> mPOB{};
};

}  // namespace tarvel
