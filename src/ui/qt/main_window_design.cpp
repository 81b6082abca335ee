#include <QInputDialog>

#include "ui/qt/checks_dock.h"
#include "ui/qt/main_window.h"

namespace tarnex::ui {

void MainWindow::ShowDesignDialog() {
    // A box holding text that is no number is named first: nothing is designed from it.
    bool refused = false;
    Run([&] { refused = presenter_.RefuseMarkedText(); });
    if (refused) return;
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
