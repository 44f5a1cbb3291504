#pragma once
// The splash: the first window of a run. Its load step does the start-up work
// (language, number format, help file); it gives way to the main menu after
// ten seconds or when the user clicks it.
#include <QPixmap>
#include <QWidget>

class QFrame;
class QLabel;
class QTimer;

namespace tarvel {

// The splash picture at a size and device pixel ratio: the copy the build
// painted where there is one, else painted from the SVG now.
QPixmap Ilustracion(QSize tamano, qreal escala);
// Always painted from the SVG.
QPixmap IlustracionSvg(QSize tamano, qreal escala);

class frmPresentacion : public QWidget {
    Q_OBJECT
public:
    explicit frmPresentacion(QWidget* padre = nullptr);

    // Closes the splash and shows the main menu; only the first call counts.
    void Cerrar();

protected:
    void mousePressEvent(QMouseEvent* evento) override;
    bool eventFilter(QObject* objeto, QEvent* evento) override;

private:
    void CrearBanda();
    void CrearColumna();
    void CrearCreditos();
    void ArrancarReloj();
    void Form_Load();
    QLabel* NuevaEtiqueta(const char* nombre, bool cierra);

    QFrame* figBorde = nullptr;
    QLabel* Label1 = nullptr;
    QLabel* Label5 = nullptr;
    QLabel* Label2 = nullptr;
    QLabel* Label3 = nullptr;
    QLabel* Label4 = nullptr;
    QLabel* lblLugar[3] = {};
    QLabel* lblAutor[3] = {};
    QLabel* Image1 = nullptr;
    QTimer* Timer1 = nullptr;
    bool mCerrada = false;
};

}  // namespace tarvel
