#pragma once

#include <QDialog>
#include <functional>
#include <optional>
#include <vector>

#include "model/dialogs.h"
#include "model/rating_options.h"

class QCheckBox;
class QLineEdit;

namespace tarnex::ui {

/// "Load Rating": the vehicles to rate, the service stress limits as multiples (tension in
/// sqrt(f'c), compression in f'c, steel in fy* at inventory and operating), and a distribution
/// or impact that replaces the AASHTO rule (empty: the rule). OK checks the options in the
/// core, refuses by message, and hands them to `apply`.
class RatingDialog : public QDialog {
    Q_OBJECT

  public:
    using Apply = std::function<void(const RatingOptions&)>;
    RatingDialog(const RatingOptions& options, Dialogs& dialogs, Apply apply,
                 QWidget* parent = nullptr);

    /// The options as the fields give them, or nothing (with a message) for a box that holds
    /// no number.
    std::optional<RatingOptions> Options() const;

  private:
    void Accept();

    Dialogs& dialogs_;
    Apply apply_;
    std::vector<QCheckBox*> vehicles_;
    QLineEdit* tension_ = nullptr;
    QLineEdit* compression_ = nullptr;
    QLineEdit* steelInventory_ = nullptr;
    QLineEdit* steelOperating_ = nullptr;
    QLineEdit* distribution_ = nullptr;
    QLineEdit* impact_ = nullptr;
};

}  // namespace tarnex::ui
