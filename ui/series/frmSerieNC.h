#pragma once
// The series input: the curve number of the present, degraded hillside (NAC),
// that of its restored target (NOB), typed or determined, and optionally the
// span in years. An accepted request stores gNAC, gNOB and gLapsoAnios and
// opens the results.
//
// The decorative arrows are drawn by four widgets that stand for the drawn
// lines of the window: "Line1-12" (four arrows between the titles),
// "Line13-27" (five between the NAC and NOB captions), "Line28-32" and
// "Line33-37" (the double-headed arrows under the titles).
#include <QDialog>

class QCheckBox;
class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;

namespace tarvel {

class frmSerieNC : public QDialog {
    Q_OBJECT
public:
    explicit frmSerieNC(QWidget* padre);

protected:
    bool eventFilter(QObject* objeto, QEvent* evento) override;

private:
    void CrearControles();
    void Disponer();
    void Conectar();
    void Form_Load();
    void chkDefinirTiempo_Click();
    // Checks a span that has just been left; false when it was refused and the
    // focus sent back to it.
    bool txtAnios_LostFocus();
    void cmdDeterminar_Click(QLineEdit* campo);
    void cmdCalcular_Click();

    QFrame* Shape1 = nullptr;
    QFrame* Shape2 = nullptr;
    QFrame* Shape3 = nullptr;
    QFrame* Shape4 = nullptr;
    QLabel* Label1 = nullptr;
    QLabel* Label2 = nullptr;
    QLabel* Label3 = nullptr;
    QLabel* Label4 = nullptr;
    QLabel* Label5 = nullptr;
    QLineEdit* txtNAC = nullptr;
    QLineEdit* txtNOB = nullptr;
    QLineEdit* txtAnios = nullptr;
    QPushButton* cmdDeterminarNAC = nullptr;
    QPushButton* cmdDeterminarNOB = nullptr;
    QCheckBox* chkDefinirTiempo = nullptr;
    QPushButton* cmdCalcular = nullptr;

    // The span field was left and its check has not been made yet.
    bool mLapsoPorComprobar = false;
};

}  // namespace tarvel
