#pragma once
// The runoff of a design storm: for one curve number, typed or determined, or
// for the series of the results window (its NAC and NOB, handed over by the
// opener), the runoff depth Q of a storm P under the antecedent conditions I,
// II and III, with the ratio λ = 0.2, 0.05 or both, and for a series what the
// restoration saves. Writes nothing but what a determination writes.
//
// The table follows the fields as they are typed. A field left with a value
// that is no curve number or no depth says so and keeps the focus; an empty
// one says nothing until the table is copied.
#include <QDialog>
#include <array>
#include <expected>
#include <optional>

#include "hydrology/TablaEscorrentia.h"

class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QTableWidget;

namespace tarvel {

class frmEscorrentia : public QDialog {
    Q_OBJECT
public:
    // One curve number, typed or determined (from the main menu).
    explicit frmEscorrentia(QWidget* padre);
    // The series of the results window: its present and target curve numbers.
    frmEscorrentia(QWidget* padre, double nac, double nob);

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

    struct Serie {
        double nac;
        double nob;
    };
    frmEscorrentia(QWidget* padre, std::optional<Serie> serie);

    const std::optional<Serie> mSerie;
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
