#pragma once
// The table screen: the general table and the table of arid and semiarid
// zones on two tabs; a double-click on a curve number picks it, OK hands it
// back in gNCElegido.
#include <QDialog>
#include <filesystem>
#include <optional>
#include <vector>

#include "catchment/HojaCuenca.h"
#include "data/Datos.h"
#include "ui/common/DatosPrograma.h"

class QLabel;
class QPushButton;
class QTabWidget;

namespace tarvel {

class RejillaTabla;

class frmTabla : public QDialog {
    Q_OBJECT
public:
    // The data file is the one beside the program unless another is named.
    explicit frmTabla(QWidget* padre, std::filesystem::path archivoDatos = RutaDatosPrograma());

    // A data file that breaks its layout is reported, and the window does not open.
    int exec() override;

private:
    void Form_Load();
    void Ficha_Click(int ficha);  // 1 general, 2 arid
    void Tabla_DblClick(int indice, int fila, int columna);
    void cmdAceptar_Click();
    void cmdAyuda_Click();

    void LlenarTablaGeneral();
    void LlenarTablaArida();
    void LeerDatosGeneral();
    void LeerDatosArida();

    void Llenar(int indice);
    void EscribirValores(int indice);
    void Disponer();

    QTabWidget* Ficha = nullptr;
    RejillaTabla* Tabla[2] = {};
    QLabel* Label1 = nullptr;
    QLabel* lblCoefEsc = nullptr;
    QPushButton* cmdAceptar = nullptr;
    QPushButton* cmdAyuda = nullptr;

    std::filesystem::path mArchivoDatos;
    std::vector<FilaDatos> mDatos;          // the 72 rows, read once on opening
    std::optional<ErrorDatos> mErrorDatos;  // why the window cannot open
    std::optional<TrazaTabla> mCeldaElegida;  // the cell the chosen number came from
};

}  // namespace tarvel
