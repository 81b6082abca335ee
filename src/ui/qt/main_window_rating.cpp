#include "ui/qt/main_window.h"
#include "ui/qt/rating_dialog.h"

namespace tarnex::ui {

void MainWindow::ShowRatingDialog() {
    if (ratingDialog_ != nullptr) ratingDialog_->deleteLater();
    // The options are run options beside the output options: the live results follow them.
    auto apply = [this](const RatingOptions& options) {
        Run([&] { state_.output.rating = options; });
    };
    auto* dialog = new RatingDialog(state_.output.rating, presenter_, apply, this);
    ratingDialog_ = dialog;
    dialog->setWindowModality(Qt::WindowModal);
    dialog->show();
    dialog->adjustSize();
    CentreOnScreen(dialog);
}

}  // namespace tarnex::ui
