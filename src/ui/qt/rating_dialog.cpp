#include "ui/qt/rating_dialog.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>
#include <string>
#include <utility>

#include "model/number_text.h"

namespace tarnex::ui {

namespace {

QLineEdit* Box(const char* name, const std::string& text, QWidget* parent) {
    auto* box = new QLineEdit(QString::fromStdString(text), parent);
    box->setObjectName(name);
    box->setMaximumWidth(120);
    return box;
}

/// The object name of a vehicle's check box: "chkRate" and its name without the dash.
QString VehicleBoxName(RatingVehicle vehicle) {
    QString name = QString("chkRate") + RatingVehicleName(vehicle);
    return name.remove('-');
}

}  // namespace

RatingDialog::RatingDialog(const RatingOptions& options, Dialogs& dialogs, Apply apply,
                           QWidget* parent)
    : QDialog(parent), dialogs_(dialogs), apply_(std::move(apply)) {
    setObjectName("frmRating");
    setWindowTitle("Load Rating");
    auto* layout = new QVBoxLayout(this);

    auto* vehicles = new QGroupBox("VEHICLES", this);
    auto* grid = new QGridLayout(vehicles);
    int index = 0;
    for (RatingVehicle vehicle : kRatingVehicles) {
        const QString caption =
            QString("%1 (%2 tons)").arg(RatingVehicleName(vehicle)).arg(RatingVehicleTons(vehicle));
        auto* check = new QCheckBox(caption, vehicles);
        check->setObjectName(VehicleBoxName(vehicle));
        check->setChecked(std::find(options.vehicles.begin(), options.vehicles.end(), vehicle) !=
                          options.vehicles.end());
        // Design loads in the first column, legal trucks in the second.
        const bool legal = index >= 4;
        grid->addWidget(check, legal ? index - 4 : index, legal ? 1 : 0);
        vehicles_.push_back(check);
        ++index;
    }
    layout->addWidget(vehicles);

    auto* limits = new QGroupBox("SERVICE LIMITS", this);
    auto* form = new QFormLayout(limits);
    const RatingLimits& l = options.limits;
    tension_ = Box("txtRateTension", ShowNumber(l.tension), limits);
    compression_ = Box("txtRateCompression", ShowNumber(l.compression), limits);
    steelInventory_ = Box("txtRateSteelInv", ShowNumber(l.steelInventory), limits);
    steelOperating_ = Box("txtRateSteelOpr", ShowNumber(l.steelOperating), limits);
    form->addRow("Concrete tension (inventory), x sqrt(f'c):", tension_);
    form->addRow("Concrete compression (inventory), x f'c:", compression_);
    form->addRow("Prestressing steel (inventory), x fy*:", steelInventory_);
    form->addRow("Prestressing steel (operating), x fy*:", steelOperating_);
    layout->addWidget(limits);

    auto* live = new QGroupBox("LIVE LOAD (empty: the AASHTO rule)", this);
    auto* liveForm = new QFormLayout(live);
    distribution_ = Box("txtRateDistribution",
                        options.distribution ? ShowNumber(*options.distribution) : "", live);
    impact_ = Box("txtRateImpact", options.impact ? ShowNumber(*options.impact) : "", live);
    distribution_->setPlaceholderText("S/5.5");
    impact_->setPlaceholderText("50/(L+125)");
    liveForm->addRow("Distribution, wheel lines:", distribution_);
    liveForm->addRow("Impact fraction:", impact_);
    layout->addWidget(live);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setObjectName("cmdRateOK");
    connect(buttons, &QDialogButtonBox::accepted, this, [this] { Accept(); });
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
}

std::optional<RatingOptions> RatingDialog::Options() const {
    RatingOptions options;
    options.vehicles.clear();
    for (std::size_t i = 0; i < vehicles_.size(); ++i) {
        if (vehicles_[i]->isChecked()) options.vehicles.push_back(kRatingVehicles[i]);
    }
    bool numbers = true;
    const auto number = [&](const QLineEdit* box) {
        const std::optional<double> value = ReadCompleteNumber(box->text().toStdString());
        numbers = numbers && value.has_value();
        return value.value_or(0);
    };
    const auto optional = [&](const QLineEdit* box) -> std::optional<double> {
        if (box->text().trimmed().isEmpty()) return std::nullopt;
        return number(box);
    };
    options.limits = {number(tension_), number(compression_), number(steelInventory_),
                      number(steelOperating_)};
    options.distribution = optional(distribution_);
    options.impact = optional(impact_);
    if (!numbers) return std::nullopt;
    return options;
}

void RatingDialog::Accept() {
    const std::optional<RatingOptions> options = Options();
    if (!options) {
        dialogs_.ShowMessage("Enter a number in every limit box");
        return;
    }
    if (const std::optional<std::string> refusal = CheckRatingOptions(*options)) {
        dialogs_.ShowMessage(*refusal);
        return;
    }
    apply_(*options);
    accept();
}

}  // namespace tarnex::ui
