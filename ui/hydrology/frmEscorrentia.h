#pragma once
// The runoff of a design storm: for one curve number, typed or determined, or
// for the series of the results window (gNAC and gNOB), the runoff depth Q of
// a storm P under the antecedent conditions I, II and III, with the ratio
// λ = 0.2, 0.05 or both, and for a series what the restoration saves. Reads
// gNAC and gNOB; writes nothing but what a determination writes.
//
// The table follows the fields as they are typed. A field left with a value
// that is no curve number or no depth says so and keeps the focus; an empty
// one says nothing until the table is copied.
#include <QDialog>
#include <array>
#include <expected>

#include "hydrology/TablaEscorrentia.h"

class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QTableWidget;

namespace tarvel {

enum class OrigenEscorrentia {
    NumeroCurva,  // one curve number, from the main menu
    Serie,        // NAC and NOB of the series results
};

class frmEscorrentia : public QDialog {
    Q_OBJECT
public:
    frmEscorrentia(QWidget* padre, OrigenEscorrentia origen);

protected:
    bool eventFilter(QObject* objeto, QEvent* evento) override;
    void keyPressEvent(QKeyEvent* evento) override;

private:
    void CrearControles();
    void Disponer();
    void PonerTextos();

    EleccionLambda Eleccion() const;
    // The table of what the fields hold, or why they hold no request.
    std::expected<TablaEscorrentia, RechazoEscorrentia> Calcular() const;
    void Actualizar();
    void MostrarTabla(const TablaEscorrentia& tabla);
    QLineEdit* CampoDe(const RechazoEscorrentia& rechazo) const;
    void Rechazar(const RechazoEscorrentia& rechazo);
    // Checks a field that has just been left; false when it was refused and
    // the focus sent back to it.
    bool ComprobarCampo();
    void cmdDeterminar_Click();
    void cmdCopiar_Click();

    const bool mSerie;
    QLineEdit* mCampoPorComprobar = nullptr;  // left, its check still to come
    bool mDevolviendoFoco = false;             // a refused field is taking the focus back

    QLabel* lblCurva = nullptr;
    QLineEdit* txtNC = nullptr;
    QPushButton* cmdDeterminar = nullptr;
    QLabel* lblNAC = nullptr;
    QLineEdit* txtNAC = nullptr;
    QLabel* lblNOB = nullptr;
    QLineEdit* txtNOB = nullptr;
    QLabel* lblLluvia = nullptr;
    QLineEdit* txtP = nullptr;
    QGroupBox* mrcLambda = nullptr;
    std::array<QRadioButton*, 3> opcLambda{};  // 0.2, 0.05, both
    QLabel* lblTabla = nullptr;
    QTableWidget* tblEscorrentia = nullptr;
    QLabel* lblResumen = nullptr;
    QPushButton* cmdCopiar = nullptr;
    QPushButton* cmdAyuda = nullptr;
};

}  // namespace tarvel
