#include "ui/common/Accesibilidad.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QKeySequence>
#include <QRadioButton>

#include "ui/common/Textos.h"

namespace tarvel {
namespace {

// An option button, whoever keeps its group exclusive. Qt calls an option
// button a check box as soon as it is not exclusive by itself, and the step-by-
// step and forest windows keep their options' exclusivity themselves (their
// rules may leave none selected).
class OpcionAccesible : public QAccessibleWidget {
public:
    explicit OpcionAccesible(QWidget* opcion) : QAccessibleWidget(opcion, QAccessible::RadioButton) {}

    QString text(QAccessible::Text tipo) const override {
        if (tipo == QAccessible::Name && widget()->accessibleName().isEmpty()) return NombreDeRotulo(Opcion()->text());
        if (tipo == QAccessible::Accelerator) {
            return QKeySequence::mnemonic(Opcion()->text()).toString(QKeySequence::NativeText);
        }
        return QAccessibleWidget::text(tipo);
    }

    QAccessible::State state() const override {
        QAccessible::State estado = QAccessibleWidget::state();
        estado.checkable = true;
        estado.checked = Opcion()->isChecked();
        estado.pressed = Opcion()->isDown();
        return estado;
    }

    QStringList actionNames() const override {
        QStringList acciones;
        if (widget()->isEnabled()) acciones << toggleAction();
        return acciones + QAccessibleWidget::actionNames();
    }

    // Choosing the option from a screen reader is a click, so that the window
    // hears of it as it does of a mouse click and keeps its answers in step
    // with what is shown.
    void doAction(const QString& accion) override {
        if (accion != toggleAction()) return QAccessibleWidget::doAction(accion);
        if (widget()->isEnabled()) Opcion()->click();
    }

private:
    QRadioButton* Opcion() const { return static_cast<QRadioButton*>(widget()); }
};

class ResultadoAccesible : public QAccessibleWidget {
public:
    explicit ResultadoAccesible(EtiquetaResultado* etiqueta) : QAccessibleWidget(etiqueta, QAccessible::StaticText) {}

    QString text(QAccessible::Text tipo) const override {
        if (tipo == QAccessible::Name && widget()->accessibleName().isEmpty()) {
            return static_cast<EtiquetaResultado*>(widget())->NombreAccesible();
        }
        return QAccessibleWidget::text(tipo);
    }
};

QAccessibleInterface* Fabrica(const QString& clase, QObject* objeto) {
    if (clase == QLatin1String("QRadioButton")) {
        if (auto* opcion = qobject_cast<QRadioButton*>(objeto)) return new OpcionAccesible(opcion);
    } else if (clase == QLatin1String(EtiquetaResultado::staticMetaObject.className())) {
        if (auto* etiqueta = qobject_cast<EtiquetaResultado*>(objeto)) return new ResultadoAccesible(etiqueta);
    }
    return nullptr;
}

}  // namespace

void InstalarAccesibilidad() {
    static const bool instalada = [] {
        QAccessible::installFactory(Fabrica);
        return true;
    }();
    (void)instalada;
}

EtiquetaResultado::EtiquetaResultado(QWidget* padre, const char* nombre, int texto) : QLabel(padre), mTexto(texto) {
    setObjectName(nombre);
}

QString EtiquetaResultado::NombreAccesible() const {
    const QString rotulo = NombreDeRotulo(T(mTexto));
    return text().isEmpty() ? rotulo : rotulo + QStringLiteral(": ") + text();
}

QString NombreDeRotulo(const QString& rotulo) {
    QString nombre;
    for (qsizetype i = 0; i < rotulo.size(); ++i) {
        // An accelerator mark, or the first of a doubled one that stands for "&".
        if (rotulo[i] == u'&' && i + 1 < rotulo.size()) ++i;
        nombre += rotulo[i];
    }
    while (!nombre.isEmpty() && (nombre.back() == u':' || nombre.back().isSpace())) nombre.chop(1);
    return nombre;
}

void Rotular(QWidget* control, QLabel* rotulo, const QString& texto) {
    if (rotulo) rotulo->setText(texto);
    if (control) control->setAccessibleName(NombreDeRotulo(texto));
}

}  // namespace tarvel
