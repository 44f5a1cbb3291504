#include "ui/determination/frmEleccion.h"

#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

#include "app/SessionState.h"
#include "ui/help/Ayuda.h"
#include "ui/common/Textos.h"
#include "ui/common/Ventana.h"
#include "ui/determination/frmPrincipal.h"
#include "ui/determination/frmTabla.h"

namespace tarvel {

frmEleccion::frmEleccion(QWidget* padre) : QDialog(padre) {
    setObjectName("frmEleccion");
    PrepararDialogo(this);

    Label1 = new QLabel(this);
    Label1->setObjectName("Label1");
    for (int i = 0; i < 2; ++i) {
        opcElige[i] = new QRadioButton(this);
        opcElige[i]->setObjectName(QStringLiteral("opcElige_%1").arg(i));
    }
    cmdAceptar = new QPushButton(this);
    cmdAceptar->setObjectName("cmdAceptar");
    connect(cmdAceptar, &QPushButton::clicked, this, &frmEleccion::cmdAceptar_Click);
    DisponerEleccion(this, Label1, {opcElige[0], opcElige[1]}, cmdAceptar);

    setWindowTitle(T(15));
    Label1->setText(T(16));
    opcElige[0]->setText(T(17));
    opcElige[1]->setText(T(18));
    cmdAceptar->setText(T(19));
    FijarTopicoAyuda(this, kAyudaMenu);

    // First in focus order, so selected when the window opens.
    opcElige[0]->setChecked(true);
    setMinimumWidth(380);
    CentrarEnPantalla(this);
}

void frmEleccion::cmdAceptar_Click() {
    // The chosen window opens modally and this one waits for it to close;
    // whatever it handed back in gNCElegido is the opener's to read.
    if (opcElige[0]->isChecked()) {
        frmPrincipal principal(this);
        principal.exec();
    } else if (opcElige[1]->isChecked()) {
        frmTabla tabla(this);
        tabla.exec();
    }
    close();
}

std::optional<std::int16_t> DeterminarNumeroCurva(QWidget* padre) {
    const std::int16_t anterior = gNCElegido;
    gNCElegido = 0;
    gOrigenCurva = CurvaEscrita{};
    {
        frmEleccion eleccion(padre);
        eleccion.exec();
    }
    if (gNCElegido == 0) {
        gNCElegido = anterior;
        return std::nullopt;
    }
    return gNCElegido;
}

}  // namespace tarvel
