#pragma once
// Ends the process at the first Paint event of a top-level window: the moment
// the first window starts to reach the screen. With the argument "--completa"
// it ends instead at the first turn of the event loop after that event, when
// whatever the window's start-up still had to do (the splash sets its texts
// after showing itself) is done as well.
#include <QCoreApplication>
#include <QEvent>
#include <QTimer>
#include <QWidget>
#include <cstdlib>
#include <cstring>

namespace tarvel::bench {

class PrimeraPintura : public QObject {
public:
    PrimeraPintura(int argc, char** argv) : mCompleta(argc > 1 && std::strcmp(argv[1], "--completa") == 0) {}

    bool eventFilter(QObject* objeto, QEvent* evento) override {
        if (evento->type() == QEvent::Paint && !mPintada && objeto->isWidgetType() &&
            static_cast<QWidget*>(objeto)->isWindow()) {
            mPintada = true;
            if (!mCompleta) std::_Exit(0);
            QTimer::singleShot(0, [] { std::_Exit(0); });
        }
        return false;
    }

private:
    bool mCompleta;
    bool mPintada = false;
};

}  // namespace tarvel::bench
