#pragma once
// The main menu: determine one curve number or estimate a progressive series,
// the exit item, the runoff of a design storm, the peak discharge and the language of the next start. The program ends when it closes.
#include <QMainWindow>

class QAction;
class QLabel;
class QMenu;
class QPushButton;
class QRadioButton;

namespace tarvel {

class frmTarvelPrimera : public QMainWindow {
    Q_OBJECT
public:
    explicit frmTarvelPrimera(QWidget* padre = nullptr);

protected:
    void closeEvent(QCloseEvent* evento) override;
    void keyPressEvent(QKeyEvent* evento) override;

private:
    void CrearControles();
    void CrearMenus();
    void PonerTextos();
    void cmdAceptar_Click();
    void ElegirIdioma(bool ingles);
    void mnuEscorrentia_Click();
    void mnuCaudalPunta_Click();

    QLabel* Label1 = nullptr;
    QRadioButton* optTarvel = nullptr;
    QRadioButton* optSerieProgresivaNC = nullptr;
    QPushButton* cmdAceptar = nullptr;
    QMenu* mnuArchivo = nullptr;
    QAction* mnuArchivoSalir = nullptr;
    QMenu* mnuCalculos = nullptr;
    QAction* mnuEscorrentia = nullptr;
    QAction* mnuCaudalPunta = nullptr;
    QMenu* mnuOpciones = nullptr;
    QMenu* mnuIdioma = nullptr;
    QAction* mnuIdiomaEspanol = nullptr;
    QAction* mnuIdiomaEnglish = nullptr;
};

}  // namespace tarvel
