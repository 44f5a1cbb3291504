#pragma once
// The peak discharge of a catchment for several return periods, by TR-55's
// graphical method or by the modified rational method of the 5.2-IC standard:
// the method at the top, the catchment (its curve number typed or
// determined), the time of concentration (a flow path of segments for TR-55,
// the main channel for 5.2-IC, or typed), and the table of return periods
// with each storm, every intermediate value and each peak; warnings for
// inputs outside the method's limits under it. Writes nothing but what a
// determination writes.
//
// Everything follows the fields as they are typed. A field left with a value
// outside its range says which and why and keeps the focus, its text kept; an
// empty field says nothing until the results are copied.
//
// Opened from a catchment worksheet (CaudalDeHoja), the catchment is the
// worksheet's: its total area and composite curve number are shown and fixed
// (they change with the worksheet's rows), and the window starts with the
// inputs the worksheet keeps and hands back what it holds when it closes.
#include <QDialog>
#include <QPointer>
#include <array>
#include <functional>
#include <map>
#include <optional>
#include <vector>

#include "hydrology/EntradasCaudal.h"
#include "hydrology/PresentacionCaudal.h"

class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QTableWidget;

namespace tarvel {

class EtiquetaResultado;
class RejillaTramos;

// The catchment of a worksheet: its total area in km² and its composite
// curve number of condition II.
struct CuencaHoja {
    double area = 0;
    double cn = 0;
};

class frmCaudalPunta : public QDialog {
    Q_OBJECT
public:
    static constexpr int kPeriodos = static_cast<int>(kFilasPeriodos);

    // With a worksheet's catchment, its area and curve number are fixed.
    explicit frmCaudalPunta(QWidget* padre, const EntradasCaudal& entradas = {},
                            std::optional<CuencaHoja> cuenca = std::nullopt);

    // What the fields hold, a value refused or out of its range as none.
    EntradasCaudal Entradas() const;

    // For a worksheet, a field being left with a value refused says so and
    // keeps the window open.
    void reject() override;

protected:
    bool eventFilter(QObject* objeto, QEvent* evento) override;
    void keyPressEvent(QKeyEvent* evento) override;

private:
    void CrearControles();
    void CrearTablaCaudal();
    void Disponer();
    void PonerTextos();
    void Conectar();

    MetodoCaudal Metodo() const;
    // The method's controls shown, the others hidden.
    void MostrarMetodo();
    // The fields of the choices not made disabled.
    void HabilitarOpciones();
    void OrdenarFoco();

    // The fields shown as `entradas` has them.
    void Mostrar(const EntradasCaudal& entradas);
    // What the fields hold; a text that is no number is NaN `conRechazados`
    // (for the core to refuse), else none, as a number out of its range.
    EntradasCaudal Leidas(bool conRechazados) const;
    std::optional<double> ValorDe(const QLineEdit* campo, bool conRechazados) const;

    // A field that keeps a result from being computed: refused (with its
    // message) or still empty (no message).
    struct Fallo {
        QPointer<QWidget> campo;
        QString mensaje;
    };
    struct Calculo {
        ResultadoCaudal r;
        std::vector<Fallo> fallos;
    };
    // With `vaciosRechazados`, an empty field that is needed is refused too.
    Calculo Calcular(bool vaciosRechazados) const;
    void Actualizar();
    void Rechazar(const Fallo& fallo);
    bool ComprobarCampo();
    QString TextoCopia(const Calculo& c) const;
    void cmdDeterminar_Click();
    void cmdCopiar_Click();

    // What a field holds and how a message names it.
    struct Dato {
        DatoCaudal dato;
        std::function<QString()> nombre;
    };
    void Registrar(QLineEdit* campo, DatoCaudal dato, std::function<QString()> nombre);
    Fallo FalloDe(const QLineEdit* campo, const QString& texto, const Rango& rango) const;
    // The field an input the core names is typed in.
    QLineEdit* CampoDe(const RechazoCaudal& lugar) const;

    std::map<const QLineEdit*, Dato> mDatos;
    QPointer<QLineEdit> mCampoPorComprobar;  // left, its check still to come
    bool mDevolviendoFoco = false;            // a refused field is taking the focus back
    std::optional<CuencaHoja> mCuenca;        // a worksheet's, fixed

    QGroupBox* mrcMetodo = nullptr;
    std::array<QRadioButton*, 2> opcMetodo{};  // TR-55, 5.2-IC
    QGroupBox* mrcCuenca = nullptr;
    QLabel* lblCuencaHoja = nullptr;  // says where a worksheet's area and curve number come from
    QLabel* lblArea = nullptr;
    QLineEdit* txtArea = nullptr;
    QLabel* lblCurva = nullptr;
    QLineEdit* txtNC = nullptr;
    QPushButton* cmdDeterminar = nullptr;
    QLabel* lblDistribucion = nullptr;
    QComboBox* cboDistribucion = nullptr;
    QLabel* lblCharcas = nullptr;
    QLineEdit* txtCharcas = nullptr;
    QGroupBox* mrcUmbral = nullptr;
    std::array<QRadioButton*, 2> opcUmbral{};  // from the curve number, typed
    EtiquetaResultado* lblUmbralCurva = nullptr;
    QLineEdit* txtP0 = nullptr;
    QLabel* lblBeta = nullptr;
    QLineEdit* txtBeta = nullptr;
    QLabel* lblI1Id = nullptr;
    QLineEdit* txtI1Id = nullptr;

    QGroupBox* mrcTiempo = nullptr;
    std::array<QRadioButton*, 3> opcTiempo{};  // flow path, main channel, typed
    RejillaTramos* tblTramos = nullptr;
    QPushButton* cmdAnadirTramo = nullptr;
    QPushButton* cmdQuitarTramo = nullptr;
    QLabel* lblLongitudCauce = nullptr;
    QLineEdit* txtLc = nullptr;
    QLabel* lblPendienteCauce = nullptr;
    QLineEdit* txtJc = nullptr;
    QLineEdit* txtTc = nullptr;
    QLabel* lblTc = nullptr;

    QLabel* lblTabla = nullptr;
    QTableWidget* tblCaudal = nullptr;
    std::array<QLineEdit*, kPeriodos> txtPeriodo{};
    std::array<QLineEdit*, kPeriodos> txtLluvia{};         // TR-55's 24-hour storm
    std::array<QLineEdit*, kPeriodos> txtLluviaDiaria{};   // 5.2-IC's Pd
    std::array<QLineEdit*, kPeriodos> txtBetaFila{};
    std::array<QLineEdit*, kPeriodos> txtFb{};
    QLabel* lblConstantes = nullptr;
    QLabel* lblTituloAvisos = nullptr;
    EtiquetaResultado* lblAvisos = nullptr;
    QPushButton* cmdCopiar = nullptr;
    QPushButton* cmdAyuda = nullptr;
};

// The peak discharge of a worksheet's catchment, starting from the inputs it
// keeps: what the window holds once it is closed.
EntradasCaudal CaudalDeHoja(QWidget* padre, const EntradasCaudal& entradas, CuencaHoja cuenca);

}  // namespace tarvel
