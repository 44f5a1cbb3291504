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
#include <QDialog>
#include <QPointer>
#include <array>
#include <functional>
#include <map>
#include <optional>
#include <vector>

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

class frmCaudalPunta : public QDialog {
    Q_OBJECT
public:
    static constexpr int kPeriodos = 6;

    explicit frmCaudalPunta(QWidget* padre);

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

    // A field that keeps a result from being computed: refused (with its
    // message) or still empty (no message).
    struct Fallo {
        QPointer<QWidget> campo;
        QString mensaje;
    };
    struct Calculo {
        std::vector<std::optional<TiempoTramo>> tramos;  // per row of the flow path
        std::optional<double> tc;
        std::optional<double> umbralDeCurva;  // 5.2-IC: P0ⁱ of the curve number
        std::optional<TablaCaudal> tabla;
        std::vector<int> filas;               // the row of the table each of its rows comes from
        std::vector<std::string> avisos;
        std::vector<Fallo> fallos;
    };
    // With `vaciosRechazados`, an empty field that is needed is refused too.
    Calculo Calcular(bool vaciosRechazados) const;
    void CalcularTiempo(Calculo& c, bool vaciosRechazados) const;
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
    // The value of a field: nothing while it is empty (`siVacio` then, when
    // given) or refused, with its Fallo recorded.
    std::optional<double> Leer(const QLineEdit* campo, Calculo& c, bool vaciosRechazados,
                               std::optional<double> siVacio = std::nullopt) const;
    Fallo FalloDe(const QLineEdit* campo, const QString& texto, const Rango& rango) const;
    // The field a refusal of the core belongs to (`filas` maps a table's rows).
    QLineEdit* CampoDe(const RechazoCaudal& rechazo, const std::vector<int>& filas) const;

    std::map<const QLineEdit*, Dato> mDatos;
    QPointer<QLineEdit> mCampoPorComprobar;  // left, its check still to come
    bool mDevolviendoFoco = false;            // a refused field is taking the focus back

    QGroupBox* mrcMetodo = nullptr;
    std::array<QRadioButton*, 2> opcMetodo{};  // TR-55, 5.2-IC
    QGroupBox* mrcCuenca = nullptr;
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

}  // namespace tarvel
