#include "ui/shell/frmTarvelPrimera.h"

#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>

#include "app/Idioma.h"
#include "hydrology/TextosCaudal.h"
#include "hydrology/TextosEscorrentia.h"
#include "settings/Ajustes.h"
#include "ui/catchment/frmHojaCuenca.h"
#include "ui/common/Accesibilidad.h"
#include "ui/common/Mensajes.h"
#include "ui/common/SessionState.h"
#include "ui/common/Textos.h"
#include "ui/common/Ventana.h"
#include "ui/determination/frmEleccion.h"
#include "ui/help/Ayuda.h"
#include "ui/hydrology/frmCaudalPunta.h"
#include "ui/hydrology/frmEscorrentia.h"
#include "ui/series/frmSerieNC.h"

namespace tarvel {

frmTarvelPrimera::frmTarvelPrimera(QWidget* padre) : QMainWindow(padre) {
    setObjectName("frmTarvelPrimera");
    setAttribute(Qt::WA_DeleteOnClose);
    CrearControles();
    CrearMenus();
    PonerTextos();

    FijarTopicoAyuda(this, kAyudaMenu);
    FijarTopicoAyuda(optSerieProgresivaNC, kAyudaSerie);
    optTarvel->setChecked(true);
    optTarvel->setFocus();
    setMinimumWidth(440);
    CentrarEnPantalla(this);
}

void frmTarvelPrimera::CrearControles() {
    auto* centro = new QWidget(this);
    Label1 = new QLabel(centro);
    Label1->setObjectName("Label1");
    optTarvel = new QRadioButton(centro);
    optTarvel->setObjectName("optTarvel");
    optSerieProgresivaNC = new QRadioButton(centro);
    optSerieProgresivaNC->setObjectName("optSerieProgresivaNC");
    cmdAceptar = new QPushButton(centro);
    cmdAceptar->setObjectName("cmdAceptar");
    // The menu's default button: Enter presses it from the options (keyPressEvent)
    // and on the button itself.
    cmdAceptar->setDefault(true);
    connect(cmdAceptar, &QPushButton::clicked, this, &frmTarvelPrimera::cmdAceptar_Click);
    DisponerEleccion(centro, Label1, {optTarvel, optSerieProgresivaNC}, cmdAceptar);
    setCentralWidget(centro);
}

void frmTarvelPrimera::CrearMenus() {
    mnuArchivo = menuBar()->addMenu(QString());
    mnuArchivo->setObjectName("mnuArchivo");
    mnuArchivoSalir = mnuArchivo->addAction(QString(), this, &QWidget::close);
    mnuArchivoSalir->setObjectName("mnuArchivoSalir");
    mnuCalculos = menuBar()->addMenu(QString());
    mnuCalculos->setObjectName("mnuCalculos");
    mnuEscorrentia = mnuCalculos->addAction(QString(), this, &frmTarvelPrimera::mnuEscorrentia_Click);
    mnuEscorrentia->setObjectName("mnuEscorrentia");
    mnuCaudalPunta = mnuCalculos->addAction(QString(), this, &frmTarvelPrimera::mnuCaudalPunta_Click);
    mnuCaudalPunta->setObjectName("mnuCaudalPunta");
    AnadirMenusHoja(mnuArchivo, mnuArchivoSalir, this);
    mnuOpciones = menuBar()->addMenu(QString());
    mnuOpciones->setObjectName("mnuOpciones");
    mnuIdioma = mnuOpciones->addMenu(QString());
    mnuIdioma->setObjectName("mnuIdioma");
    mnuIdiomaEspanol = mnuIdioma->addAction(QString(), this, [this] { ElegirIdioma(false); });
    mnuIdiomaEspanol->setObjectName("mnuIdiomaEspanol");
    mnuIdiomaEnglish = mnuIdioma->addAction(QString(), this, [this] { ElegirIdioma(true); });
    mnuIdiomaEnglish->setObjectName("mnuIdiomaEnglish");
    for (QAction* item : {mnuIdiomaEspanol, mnuIdiomaEnglish}) item->setCheckable(true);
    mnuIdiomaEspanol->setChecked(IdiomaEnVigor().nombre == kNombreEspanol);
    mnuIdiomaEnglish->setChecked(IdiomaEnVigor().nombre == kNombreIngles);
}

void frmTarvelPrimera::PonerTextos() {
    setWindowTitle(T(8));
    Label1->setText(T(9));
    optTarvel->setText(T(10));
    optSerieProgresivaNC->setText(T(11));
    cmdAceptar->setText(T(12));
    mnuArchivo->setTitle(T(203));
    mnuArchivoSalir->setText(T(204));
    mnuOpciones->setTitle(T(205));
    mnuIdioma->setTitle(T(206));
    mnuIdiomaEspanol->setText(T(207));
    mnuIdiomaEnglish->setText(T(208));
    mnuCalculos->setTitle(T(kTextoMenuCalculos));
    mnuCalculos->setAccessibleName(NombreDeRotulo(T(kTextoMenuCalculos)));
    mnuEscorrentia->setText(T(kTextoMenuEscorrentia));
    mnuCaudalPunta->setText(T(kTextoMenuCaudal));
}

void frmTarvelPrimera::cmdAceptar_Click() {
    gNCElegido = 0;
    if (optTarvel->isChecked()) {
        DeterminarNumeroCurva(this);
    } else if (optSerieProgresivaNC->isChecked()) {
        frmSerieNC serie(this);
        serie.exec();
    }
    if (gNCElegido == 0) return;

    const QString pregunta = T(13) + QString::number(gNCElegido) + "." + "\r\n" + T(14);
    if (MostrarMensaje(this, pregunta, BotonesMensaje::SiNo) == RespuestaMensaje::No) close();
}

void frmTarvelPrimera::ElegirIdioma(bool ingles) {
    // Only the next start changes: nothing on screen does.
    mnuIdiomaEspanol->setChecked(!ingles);
    mnuIdiomaEnglish->setChecked(ingles);
    GuardarIdioma(DeUtf8(ingles ? kNombreIngles : kNombreEspanol));
}

void frmTarvelPrimera::mnuEscorrentia_Click() {
    frmEscorrentia escorrentia(this);
    escorrentia.exec();
}

void frmTarvelPrimera::mnuCaudalPunta_Click() {
    frmCaudalPunta caudal(this);
    caudal.exec();
}

void frmTarvelPrimera::keyPressEvent(QKeyEvent* evento) {
    // Enter that no control took: an option has the focus.
    if ((evento->key() == Qt::Key_Return || evento->key() == Qt::Key_Enter) && cmdAceptar->isEnabled()) {
        evento->accept();
        cmdAceptar->click();
        return;
    }
    QMainWindow::keyPressEvent(evento);
}

void frmTarvelPrimera::closeEvent(QCloseEvent* evento) {
    evento->accept();
    QCoreApplication::quit();
}

}  // namespace tarvel
