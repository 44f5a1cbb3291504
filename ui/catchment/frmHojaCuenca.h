#pragma once
// The catchment worksheet: one row per sub-area (name, area, curve number and
// how it was obtained), the composite curve number under the three
// antecedent conditions and, for a design storm, the runoff of each row and
// of the catchment. "Peak discharge…" opens the peak window on the
// catchment's total area and composite curve number, and the worksheet keeps
// its inputs. Kept in .tarvel files, reported on paper or as a PDF, its rows
// exported as CSV. Modal to the main menu, from whose File menu it is
// reached.
#include <QDialog>
#include <expected>
#include <optional>
#include <vector>

#include "catchment/EvaluacionHoja.h"
#include "catchment/HojaCuenca.h"
#include "ui/common/Informe.h"

class QAction;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QMenu;
class QMenuBar;
class QPushButton;
class QTableWidget;
class QTableWidgetItem;

namespace tarvel {

class frmHojaCuenca : public QDialog {
    Q_OBJECT
public:
    // An empty, untitled worksheet.
    explicit frmHojaCuenca(QWidget* padre);
    ~frmHojaCuenca() override;

    // Reads a worksheet file into the window. A file that cannot be read as
    // a worksheet is reported and nothing on screen changes: false.
    bool AbrirArchivo(const QString& ruta);
    // Shows a worksheet read from `ruta` ("" for a new one), with no unsaved changes.
    void Cargar(const HojaCuenca& hoja, const QString& ruta);
    // The worksheet as the window holds it, or the message of what keeps it
    // from being one (a row whose area or curve number is no value, a storm
    // that is no depth).
    std::expected<HojaCuenca, QString> Hoja() const;
    QString Ruta() const { return mRuta; }

    // The report of the worksheet, in the language of the run, as exported and printed.
    std::expected<Informe, QString> CrearInforme();

    // Closing with unsaved changes asks first (close box, Escape, Close).
    void reject() override;
    QSize sizeHint() const override;

private:
    // A row as it stands on screen: the texts typed, and the values they
    // read as (kept exactly as a file gave them until the text is edited).
    struct FilaVentana {
        QString nombre;
        QString textoArea;
        std::optional<double> area;
        QString textoCN;
        std::optional<double> cn;
        OrigenCurva origen;
    };

    void CrearMenus();
    void CrearControles();
    void Disponer();
    void PonerTextos();

    void mnuNueva_Click();
    void mnuAbrir_Click();
    void AbrirReciente(const QString& ruta);
    bool mnuGuardar_Click();
    bool mnuGuardarComo_Click();
    void mnuExportarPdf_Click();
    void mnuImprimir_Click();
    void mnuExportarCsv_Click();
    void cmdAnadir_Click();
    void cmdQuitar_Click();
    void Mover(int paso);
    void cmdDeterminar_Click();
    void cmdCaudalPunta_Click();
    void tblSubareas_Cambio(QTableWidgetItem* celda);
    void tblSubareas_CeldaActual(int fila, int columna, int filaAnterior);
    void tblSubareas_TextoSinSitio(int columna);

    // Writes the worksheet to a file atomically; false (and the user told) on any failure.
    bool GuardarEn(const QString& ruta);
    // Before the worksheet is left: true when the user saved or discarded
    // its changes (or there were none), false when they cancelled.
    bool PuedeDejarse();
    void Modificado();
    void PonerTituloVentana();
    QString NombreHoja() const;
    QString ArchivoPropuesto(const QString& sufijo) const;

    // The rows drawn anew from mFilas, the current row kept.
    void MostrarFilas(int filaActual);
    // A cell being edited keeps what was typed before the rows are used or changed.
    void TerminarEdicion();
    void ActualizarBotones();
    // The worksheet as it stands, cells not yet a value as NaN; a storm that
    // is no depth counts as none, and `falloLluvia` gets why.
    HojaCuenca HojaEnPantalla(QString* falloLluvia) const;
    // Shares, runoff columns, total area, the composite and the trails' marks, after any change.
    void Recalcular();
    // What keeps the figures from being worked out (not what a row or the
    // storm being typed lacks yet, unless MostrarFallos), the trails'
    // findings and text typed where it cannot go.
    void MostrarMensajes();
    // After a save or an export was refused: every fault is shown until none is left.
    void MostrarFallos();

    std::vector<FilaVentana> mFilas;
    QString mRuta;
    // The storm as the file gave it, read again only once its text is edited.
    std::optional<double> mLluvia;
    QString mTextoLluvia;
    std::optional<EntradasCaudal> mCaudal;  // the peak discharge inputs, as the peak window left them
    bool mMostrando = false;  // the table is being filled: its changes are not the user's
    EvaluacionHoja mEvaluacion;       // the figures of the worksheet on screen
    QString mFalloLluvia;             // why the storm typed is no depth
    QString mHallazgos;               // the trails' findings, a line each
    QString mAvisoCelda;              // text typed where it cannot go, until the cell changes
    std::optional<int> mFilaEnCurso;  // a row just added and not yet left
    bool mMostrarFallos = false;
    QMetaObject::Connection mFocoLluvia;  // the storm field's focus, followed through the application

    QMenuBar* mnuBarra = nullptr;
    QMenu* mnuArchivo = nullptr;
    QAction* mnuNueva = nullptr;
    QAction* mnuAbrir = nullptr;
    QMenu* mnuRecientes = nullptr;
    QAction* mnuGuardar = nullptr;
    QAction* mnuGuardarComo = nullptr;
    QAction* mnuExportarPdf = nullptr;
    QAction* mnuImprimir = nullptr;
    QAction* mnuExportarCsv = nullptr;
    QAction* mnuCerrar = nullptr;

    QLabel* lblTitulo = nullptr;
    QLineEdit* txtTitulo = nullptr;
    QGroupBox* mrcSubareas = nullptr;
    QTableWidget* tblSubareas = nullptr;
    QPushButton* cmdAnadir = nullptr;
    QPushButton* cmdQuitar = nullptr;
    QPushButton* cmdSubir = nullptr;
    QPushButton* cmdBajar = nullptr;
    QPushButton* cmdDeterminar = nullptr;
    QLabel* lblAreaTotal = nullptr;
    QLabel* lblAvisoFilas = nullptr;
    QGroupBox* mrcTormenta = nullptr;
    QLabel* lblLluvia = nullptr;
    QLineEdit* txtLluvia = nullptr;
    QLabel* lblLambda = nullptr;
    QComboBox* lstLambda = nullptr;
    QGroupBox* mrcCompuesto = nullptr;
    QTableWidget* tblCompuesto = nullptr;
    QTableWidget* tblEscorrentia = nullptr;
    QLabel* lblMensaje = nullptr;
    QPushButton* cmdAyuda = nullptr;
    QPushButton* cmdCaudalPunta = nullptr;
    QPushButton* cmdCerrar = nullptr;
};

// The worksheet window, empty or with a file; a file that cannot be read is
// reported and no window opens.
void AbrirHojaCuenca(QWidget* padre, const QString& ruta = {});

// The worksheet items of a File menu, placed before `antes`: new, open and
// the recent worksheets.
void AnadirMenusHoja(QMenu* archivo, QAction* antes, QWidget* padre);

}  // namespace tarvel
