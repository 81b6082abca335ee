#include <QInputDialog>

#include "ui/qt/checks_dock.h"
#include "ui/qt/main_window.h"

namespace tarnex::ui {

void MainWindow::ShowDesignDialog() {
    bool ok = false;
    const double rh = QInputDialog::getDouble(
        this, "Design", "Mean annual ambient relative humidity (percent):", designHumidity_, 0, 100,
        1, &ok);
    if (!ok) return;
    designHumidity_ = rh;
    Run([&] { presenter_.DesignPrestress(rh); });
    checks_->show();
}

}  // namespace tarnex::ui
