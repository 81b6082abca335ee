#include "ui/qt/load_generation_dialog.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>
#include <exception>
#include <iterator>
#include <optional>
#include <utility>

#include "model/number_text.h"
#include "model/typed_number.h"

namespace tarnex::ui {

namespace {

QString Q(const std::string& text) { return QString::fromStdString(text); }

/// The live loads of the list, in list order, with their captions.
struct ListedLoad {
    const char* caption;
    LiveLoad load;
};

constexpr ListedLoad kListedLoads[] = {
    {"AASHTO HS20-44", {LiveLoadKind::HS20, 0}},
    {"AASHTO HS15-44", {LiveLoadKind::HS15, 0}},
    {"AASHTO H20-44", {LiveLoadKind::H20, 0}},
    {"AASHTO H15-44", {LiveLoadKind::H15, 0}},
    {"AREMA Cooper E-n", {LiveLoadKind::Cooper, 80}},
    {"ACI uniform live load", {LiveLoadKind::Uniform, 0}},
};

int RowOf(LiveLoadKind kind) {
    for (int row = 0; row < static_cast<int>(std::size(kListedLoads)); ++row) {
        if (kListedLoads[row].load.kind == kind) return row;
    }
    return 0;
}

double Number(const QLineEdit* box) { return ReadLeadingNumber(box->text().toStdString()); }

QLineEdit* Box(const char* name, const std::string& text, QWidget* parent) {
    auto* box = new QLineEdit(Q(text), parent);
    box->setObjectName(name);
    box->setMinimumWidth(90);
    box->setMaximumWidth(120);
    return box;
}

/// A box with its unit after it.
QHBoxLayout* WithUnit(QLineEdit* box, QLabel* unit) {
    auto* row = new QHBoxLayout;
    row->addWidget(box);
    row->addWidget(unit);
    row->addStretch();
    return row;
}

}  // namespace

LoadGenerationDialog::LoadGenerationDialog(const DesignData& data, Generate generate,
                                           QWidget* parent)
    : QDialog(parent), data_(data), generate_(std::move(generate)) {
    setObjectName("frmGenLoads");
    setWindowTitle("Generate Loads");
    const LoadGenerationOptions defaults = DefaultLoadGenerationOptions(data);
    auto* layout = new QVBoxLayout(this);
    auto* frame = new QGroupBox("SIMPLE SPAN", this);
    auto* form = new QFormLayout(frame);
    span_ = Box("txtGenSpan", ShowNumber(defaults.span), frame);
    form->addRow("Span:", WithUnit(span_, new QLabel("inches", frame)));

    live_ = new QComboBox(frame);
    live_->setObjectName("cboGenLive");
    for (const ListedLoad& listed : kListedLoads) live_->addItem(listed.caption);
    live_->setCurrentIndex(RowOf(defaults.live.kind));
    form->addRow("Live load:", live_);
    liveValue_ = Box("txtGenLiveValue", "", frame);
    liveValueLabel_ = new QLabel(frame);
    form->addRow("", WithUnit(liveValue_, liveValueLabel_));
    liveRow_ = form->rowCount() - 1;

    distribution_ = Box("txtGenDF", "", frame);
    distributionRule_ = new QLabel(frame);
    distributionRule_->setObjectName("lblGenDFRule");
    form->addRow("Distribution factor:", WithUnit(distribution_, distributionRule_));
    impact_ = Box("txtGenImpact", "", frame);
    impactRule_ = new QLabel(frame);
    impactRule_->setObjectName("lblGenImpactRule");
    form->addRow("Impact fraction:", WithUnit(impact_, impactRule_));
    nonComposite_ = Box("txtGenNonComp", ShowNumber(0), frame);
    form->addRow("Superimposed non-composite dead load:",
                 WithUnit(nonComposite_, new QLabel("kip/ft", frame)));
    composite_ = Box("txtGenComp", ShowNumber(0), frame);
    form->addRow("Composite dead load:", WithUnit(composite_, new QLabel("kip/ft", frame)));
    layout->addWidget(frame);

    auto* where = new QGroupBox("LOCATIONS", this);
    auto* whereLayout = new QVBoxLayout(where);
    newLocations_ = new QRadioButton("new locations", where);
    newLocations_->setObjectName("optGenNew");
    newLocations_->setChecked(true);
    presentLocations_ = new QRadioButton("loads at the present locations", where);
    presentLocations_->setObjectName("optGenPresent");
    whereLayout->addWidget(newLocations_);
    whereLayout->addWidget(presentLocations_);
    layout->addWidget(where);
    problem_ = new QLabel(this);
    problem_->setObjectName("lblGenProblem");
    problem_->setStyleSheet("QLabel { color: #c00000; }");
    layout->addWidget(problem_);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setObjectName("cmdGenOK");
    buttons->button(QDialogButtonBox::Cancel)->setObjectName("cmdGenCancel");
    connect(buttons, &QDialogButtonBox::accepted, this, &LoadGenerationDialog::Accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);

    connect(live_, &QComboBox::currentIndexChanged, this, [this] {
        ShowLiveLoad();
        ShowRules(true);
    });
    connect(span_, &QLineEdit::textEdited, this, [this] { ShowRules(false); });
    for (QLineEdit* box : {span_, liveValue_, distribution_, impact_, nonComposite_, composite_}) {
        connect(box, &QLineEdit::textEdited, this, [this] { MarkBoxes(false); });
    }
    ShowLiveLoad();
    ShowRules(true);
}

void LoadGenerationDialog::ShowLiveLoad() {
    const LiveLoadKind kind = kListedLoads[live_->currentIndex()].load.kind;
    const bool cooper = kind == LiveLoadKind::Cooper;
    const bool uniform = kind == LiveLoadKind::Uniform;
    if (auto* form = qobject_cast<QFormLayout*>(liveValue_->parentWidget()->layout())) {
        form->setRowVisible(liveRow_, cooper || uniform);
    }
    liveValueLabel_->setText(cooper ? "E number (E80: 80)" : "kip/ft");
    // A uniform live load has no default: the engineer enters it.
    liveValue_->setText(cooper ? Q(ShowNumber(80)) : QString());
}

LiveLoad LoadGenerationDialog::SelectedLiveLoad() const {
    LiveLoad live = kListedLoads[live_->currentIndex()].load;
    if (live.kind == LiveLoadKind::Cooper) live.value = Number(liveValue_);
    if (live.kind == LiveLoadKind::Uniform) live.value = LbPerInch(Number(liveValue_));
    return live;
}

void LoadGenerationDialog::ShowRules(bool replaceValues) {
    const LiveLoad live = SelectedLiveLoad();
    const double span = Number(span_);
    const DesignCriteria rules = CriteriaOfLiveLoad(live);

    const std::string dfText = ShowNumber(RuleDistribution(live, data_));
    const char* dfUnit = rules == DesignCriteria::AASHTO  ? "wheel lines (S/5.5)"
                         : rules == DesignCriteria::AREMA ? "of one track"
                                                          : "of the uniform load";
    distributionRule_->setText(QString("%1; rule:%2").arg(dfUnit, Q(dfText)));
    if (replaceValues || distribution_->text().toStdString() == distributionRuleText_) {
        distribution_->setText(Q(dfText));
    }
    distributionRuleText_ = dfText;

    std::string impactText;
    QString note;
    try {
        impactText = ShowNumber(RuleImpact(live, span, span, data_.Bspace));
        if (rules == DesignCriteria::AASHTO) note = " (shear: by the loaded length)";
    } catch (const std::exception&) {
        note = " needs the beam spacing";
    }
    impactRule_->setText("rule:" + Q(impactText) + note);
    if (replaceValues || impact_->text().toStdString() == impactRuleText_) {
        impact_->setText(Q(impactText));
    }
    impactRuleText_ = impactText;
}

LoadGenerationOptions LoadGenerationDialog::Options() const {
    LoadGenerationOptions o;
    o.span = Number(span_);
    o.live = SelectedLiveLoad();
    // A box still holding its rule's text takes the rule's exact value.
    o.distribution = distribution_->text().toStdString() == distributionRuleText_
                         ? RuleDistribution(o.live, data_)
                         : Number(distribution_);
    // A box still holding its rule's text applies the rule at each location.
    if (impact_->text().toStdString() != impactRuleText_) o.impact = Number(impact_);
    o.nonCompositeDead = LbPerInch(Number(nonComposite_));
    o.compositeDead = LbPerInch(Number(composite_));
    o.locations = presentLocations_->isChecked() ? LocationChoice::PresentLocations
                                                 : LocationChoice::NewLocations;
    return o;
}

bool LoadGenerationDialog::MarkBoxes(bool focusFirst) {
    const std::pair<QLineEdit*, const char*> boxes[] = {
        {span_, "Span"},
        {liveValue_, "Live load"},
        {distribution_, "Distribution factor"},
        {impact_, "Impact fraction"},
        {nonComposite_, "Superimposed non-composite dead load"},
        {composite_, "Composite dead load"}};
    const LiveLoadKind kind = kListedLoads[live_->currentIndex()].load.kind;
    const bool liveShown = kind == LiveLoadKind::Cooper || kind == LiveLoadKind::Uniform;
    QLineEdit* first = nullptr;
    QString problem;
    for (const auto& [box, caption] : boxes) {
        const std::string text = box->text().toStdString();
        std::string why;
        if (box == liveValue_ && !liveShown) {
            why.clear();
        } else if (text.find_first_not_of(' ') == std::string::npos) {
            why = box == liveValue_ ? "enter the live load" : "enter a number";
        } else {
            why = ReadTypedNumber(text).problem;
        }
        box->setStyleSheet(why.empty() ? "" : "QLineEdit { border: 2px solid #c00000; }");
        if (!why.empty() && first == nullptr) {
            first = box;
            problem = QString("%1: %2").arg(caption, Q(why));
        }
    }
    problem_->setText(focusFirst ? problem : QString());
    if (first != nullptr && focusFirst) first->setFocus();
    return first == nullptr;
}

void LoadGenerationDialog::Accept() {
    if (!MarkBoxes(true)) return;
    if (generate_(Options())) accept();
}

}  // namespace tarnex::ui
