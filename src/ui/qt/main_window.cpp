#include "ui/qt/main_window.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QEvent>
#include <QFileDialog>
#include <QFileInfo>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QSettings>
#include <QShortcut>
#include <QStatusBar>
#include <QTabWidget>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>
#include <stdexcept>
#include <tuple>

#include "model/input_fields.h"
#include "prestress/load_generation.h"
#include "ui/control_names.h"
#include "ui/qt/autosave.h"
#include "ui/qt/checks_dock.h"
#include "ui/qt/live_calculation.h"
#include "ui/qt/load_generation_dialog.h"
#include "ui/qt/load_table_model.h"
#include "ui/qt/pictures.h"

// The help pages are compiled into the view library; a static library must register them.
static void InitHelpResources() { Q_INIT_RESOURCE(help); }

namespace tarnex::ui {

namespace {

QString Q(const std::string& text) { return QString::fromStdString(text); }

}  // namespace

void CentreOnScreen(QWidget* window) {
    const QScreen* screen =
        window->screen() != nullptr ? window->screen() : QGuiApplication::primaryScreen();
    if (screen == nullptr) return;
    const QRect area = screen->geometry();
    const QSize size = window->frameGeometry().size();
    window->move(area.left() + (area.width() - size.width()) / 2,
                 area.top() + (area.height() - size.height()) / 2);
}

QStringList QtFilters(const std::string& filters) {
    const QStringList parts = Q(filters).split('|');
    QStringList result;
    for (int i = 0; i + 1 < parts.size(); i += 2) {
        QString patterns = parts[i + 1];
        result << parts[i].section('(', 0, 0).trimmed() + " (" + patterns.replace(';', ' ') + ")";
    }
    return result;
}

MainWindow::MainWindow(ProgramState& state, Dialogs& dialogs, ShellPort* shell)
    : state_(state), shell_(shell), presenter_(state, dialogs, shell != nullptr ? shell : this) {
    InitHelpResources();
    setObjectName("frminput");
    setWindowTitle("Prestressed Concrete Beam");
    live_ = std::make_unique<LiveCalculation>([this](LiveRun& run) { ShowLiveResults(run); });
    checks_ = new ChecksDock(this);
    checks_->onLocation = [this](int location, double x) { ShowLocation(location, x); };
    addDockWidget(Qt::RightDockWidgetArea, checks_);
    BuildTabs();
    BuildMenus();
    BuildOutputDialog();
    auto* panel1 = Named(new QLabel(this), "SBFiles1");
    auto* panel2 = Named(new QLabel(this), "SBFiles2");
    statusBar()->setObjectName("SBFiles");
    statusBar()->addWidget(panel1, 1);
    statusBar()->addWidget(panel2, 1);
    setAcceptDrops(true);
    std::vector<std::string> recent;
    for (const QString& path : QSettings().value("recentFiles").toStringList())
        recent.push_back(path.toStdString());
    presenter_.recentFiles().Assign(recent);
    Sync();
}

MainWindow::~MainWindow() { live_.reset(); }

template <typename W>
W* MainWindow::Named(W* widget, const std::string& name) {
    widget->setObjectName(Q(name));
    widgets_[name] = widget;
    return widget;
}

void MainWindow::Run(const std::function<void()>& action) {
    presenter_.BeginCommand();
    try {
        action();
    } catch (const std::exception& error) {
        presenter_.ShowMessage(error.what());
    }
    presenter_.EndCommand();
    Sync();
}

void MainWindow::RunQueued(const std::function<void()>& action) {
    QTimer::singleShot(0, this, [this, action] { Run(action); });
}

QWidget* MainWindow::MakeBox(const std::string& name, QWidget* parent, bool withUnit) {
    auto* field = new QWidget(parent);
    field->setSizePolicy(QSizePolicy::Maximum, QSizePolicy::Fixed);
    auto* row = new QHBoxLayout(field);
    row->setContentsMargins(0, 0, 0, 0);
    auto* box = Named(new QLineEdit(field), name);
    box->setMinimumWidth(90);
    // The load grid's boxes stay narrow: the table of every location stands beside them.
    box->setMaximumWidth(withUnit ? 160 : 100);
    box->installEventFilter(this);
    row->addWidget(box);
    // Only edits by the user store a value: navigation and refreshes leave the design alone.
    connect(box, &QLineEdit::textEdited, this, [this, name](const QString& text) {
        Run([&] { presenter_.TextEdited(name, text.toStdString()); });
    });
    if (name == "txtnll") {
        connect(box, &QLineEdit::returnPressed, this,
                [this, name] { Run([&] { presenter_.Confirm(name); }); });
    }
    if (withUnit) {
        auto* unit = new QLabel(field);
        unit->setObjectName(Q("unit" + name.substr(3)));
        unit->setMinimumWidth(44);
        row->addWidget(unit);
        units_[name] = unit;
    }
    fields_[name] = field;
    return field;
}

QLineEdit* MainWindow::AddBox(QFormLayout* form, const std::string& name) {
    form->addRow(FieldLabel(name), MakeBox(name, form->parentWidget()));
    return qobject_cast<QLineEdit*>(widgets_.at(name));
}

void MainWindow::AddLineBoxes(QFormLayout* form, int line) {
    for (const InputField* field : FieldsOfLine(line)) {
        if (field->box != nullptr) AddBox(form, field->box);
    }
}

QString FieldLabel(const std::string& box) {
    const InputField* field = FieldOfBox(box);
    return field != nullptr && field->label != nullptr ? QString(field->label) : QString();
}

QString FieldLabel(const InputMember& member) {
    const InputField* field = FieldOfMember(member);
    return field != nullptr && field->label != nullptr ? QString(field->label) : QString();
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
    auto* box = qobject_cast<QLineEdit*>(watched);
    if (box != nullptr && PassUndoKey(watched, event)) return true;
    if (box != nullptr && !syncing_ && event->type() == QEvent::FocusOut) {
        presenter_.BreakUndoMerge();
        // The focus may leave for a menu or a shortcut being handled: the count is applied,
        // and any question about it asked, once that is done.
        if (box->objectName() == "txtnll") RunQueued([this] { presenter_.Confirm("txtnll"); });
    }
    return QMainWindow::eventFilter(watched, event);
}

void MainWindow::Sync() {
    syncing_ = true;
    for (const auto& [name, widget] : widgets_) {
        if (!presenter_.window().Has(name)) continue;
        const ControlState& c = presenter_.window().Get(name);
        const QString text = Q(c.text);
        widget->setToolTip(Q(c.tooltip));
        widget->setHidden(!c.visible);
        if (auto* box = qobject_cast<QLineEdit*>(widget)) {
            if (box->text() != text) box->setText(text);
            SyncField(name, box, c);
        } else if (auto* label = qobject_cast<QLabel*>(widget)) {
            label->setText(text);
        } else if (auto* frame = qobject_cast<QGroupBox*>(widget)) {
            frame->setEnabled(c.enabled);
            if (name == "fraLocation") frame->setTitle(text);
        } else if (auto* list = qobject_cast<QComboBox*>(widget)) {
            QStringList items;
            for (const std::string& item : c.items) items << Q(item);
            QStringList current;
            for (int i = 0; i < list->count(); ++i) current << list->itemText(i);
            QSignalBlocker block(list);
            if (items != current) {
                list->clear();
                list->addItems(items);
            }
            list->setCurrentIndex(c.selection);
        } else if (auto* check = qobject_cast<QAbstractButton*>(widget)) {
            if (check->isCheckable()) {
                QSignalBlocker block(check);
                check->setChecked(c.checked);
            }
        } else {
            widget->update();  // pictures follow the dimensions as they are typed
        }
    }
    const DesignData& d = state_.data;
    setWindowTitle(d.InputFileTitle.empty()
                       ? QString("Prestressed Concrete Beam[*]")
                       : Q(d.InputFileTitle) + "[*] - Prestressed Concrete Beam");
    // The calculation starts first: it runs on the other core while the modified mark compares
    // the design's file text here.
    RequestLiveResults();
    const bool changed = presenter_.DesignChanged();
    setWindowModified(changed);
    if (loadTable_ != nullptr) loadTable_->Follow();
    if (autosave_ != nullptr) autosave_->Follow(changed);
    if (auto* undo = findChild<QAction*>("mnuUndo")) undo->setEnabled(presenter_.CanUndo());
    if (auto* redo = findChild<QAction*>("mnuRedo")) redo->setEnabled(presenter_.CanRedo());
    ShowRecentFiles();
    if (const std::string focus = presenter_.TakeFocusRequest(); !focus.empty()) {
        if (auto found = widgets_.find(focus); found != widgets_.end()) {
            auto* tabs = findChild<QTabWidget*>("SSTab1");
            for (int i = 0; tabs != nullptr && i < tabs->count(); ++i) {
                if (tabs->widget(i)->isAncestorOf(found->second)) tabs->setCurrentIndex(i);
            }
            found->second->setFocus();
        }
    }
    syncing_ = false;
}

void MainWindow::SyncField(const std::string& name, QLineEdit* box, const ControlState& c) {
    if (auto field = fields_.find(name); field != fields_.end()) {
        field->second->setHidden(!c.visible);
    }
    if (auto unit = units_.find(name); unit != units_.end()) {
        unit->second->setText(Q(c.unit));
        unit->second->setToolTip(UnitTooltip(Q(c.unit)));
    }
    // A text that was not stored is framed in red and says why; the stored value stays.
    const bool marked = !c.problem.empty();
    if (marked != box->property("marked").toBool()) {
        box->setProperty("marked", marked);
        box->setStyleSheet(marked ? "QLineEdit { border: 2px solid #c00000; }" : "");
    }
    if (marked) {
        box->setToolTip(Q(c.tooltip) + "\n" + Q(c.problem));
        if (box->hasFocus()) statusBar()->showMessage(Q(c.problem), 8000);
    }
}

QString UnitTooltip(const QString& unit) {
    if (unit == "lb/in\u00b3") {
        return "pounds per cubic inch: pcf divided by 1728 (150 pcf is 0.0868 lb/in\u00b3)";
    }
    if (unit == "psi") return "pounds per square inch";
    if (unit == "in") return "inches";
    if (unit == "kips") return "kips (1 kip = 1000 lb)";
    if (unit == "kip-ft") return "kip-feet (1 kip-ft = 12000 lb-in)";
    return unit;
}

void MainWindow::BuildTabs() {
    auto* tabs = new QTabWidget(this);
    tabs->setObjectName("SSTab1");
    // Access keys clear of the menus (F, D, R, V, H) and the buttons (C, A).
    tabs->addTab(BuildOptionsTab(), "&Program Options");
    tabs->addTab(BuildMaterialsTab(), "&Material Properties");
    tabs->addTab(BuildSectionTab(), "&Section Properties");
    tabs->addTab(BuildLoadsTab(), "&Loads");
    tabs->addTab(BuildAllowablesTab(), "Allow S&tress and Loss");
    tabs->addTab(BuildConfigurationTab(), "C&onfiguration");
    setCentralWidget(tabs);
    // Moving to another tab applies a number of locations typed but not yet confirmed (once
    // the tab's access key or click has been handled).
    connect(tabs, &QTabWidget::currentChanged, this,
            [this] { RunQueued([this] { presenter_.CommitPendingCount(); }); });
    auto* help = new QShortcut(QKeySequence::HelpContents, this);
    connect(help, &QShortcut::activated, this,
            [this, tabs] { ShowHelpTopic(kTabHelpPages[tabs->currentIndex()]); });
}

QWidget* MainWindow::BuildOptionsTab() {
    auto* page = new QWidget;
    auto* grid = new QGridLayout(page);
    auto frame = [&](const QString& caption,
                     const std::vector<std::pair<std::string, QString>>& options, int row,
                     int column) {
        auto* box = new QGroupBox(caption, page);
        auto* layout = new QVBoxLayout(box);
        for (const auto& [name, text] : options) {
            QAbstractButton* button = nullptr;
            if (name == "chkComp") {
                auto* check = Named(new QCheckBox(text, box), name);
                connect(check, &QCheckBox::clicked, this,
                        [this, name](bool on) { Run([&] { presenter_.Click(name, on); }); });
                button = check;
            } else {
                button = Named(new QRadioButton(text, box), name);
                connect(button, &QAbstractButton::clicked, this,
                        [this, name] { Run([&] { presenter_.Click(name); }); });
            }
            layout->addWidget(button);
        }
        layout->addStretch();
        grid->addWidget(box, row, column);
    };
    frame("DESIGN CRITERIA", {{"optAASHTO", "AASHTO"}, {"optAREA", "AREMA"}, {"optACI", "ACI 318"}},
          0, 0);
    frame("UNITS", {{"optEnglish", "English"}, {"optMetric", "Metric"}}, 0, 1);
    frame("PRESTRESSING", {{"optPreT", "Pretensioning"}, {"optPostT", "Post-tensioning"}}, 1, 0);
    frame("COMPOSITE SLAB", {{"chkComp", "Include composite slab"}}, 1, 1);
    frame("SECTION PROPERTIES",
          {{"optGross", "Use gross section properties"},
           {"optTrans", "Use transformed section properties"}},
          2, 0);
    grid->setRowStretch(3, 1);
    return page;
}

QWidget* MainWindow::BuildMaterialsTab() {
    auto* page = new QWidget;
    auto* grid = new QGridLayout(page);
    auto frame = [&](const QString& caption, const std::string& name, int row, int column) {
        auto* box = new QGroupBox(caption, page);
        if (!name.empty()) Named(box, name);
        grid->addWidget(box, row, column);
        return new QFormLayout(box);
    };
    AddLineBoxes(frame("BEAM CONCRETE", "", 0, 0), kBeamConcreteLine);
    AddLineBoxes(frame("SLAB CONCRETE", "fraSlabConcrete", 1, 0), kSlabConcreteLine);
    QFormLayout* steel = frame("PRESTRESSING STEEL", "", 0, 1);
    auto* type = Named(new QComboBox(steel->parentWidget()), "cboPStype");
    connect(type, &QComboBox::activated, this,
            [this](int row) { Run([&] { presenter_.SelectRow("cboPStype", row); }); });
    steel->addRow(FieldLabel(&DesignData::PStype), type);
    AddLineBoxes(steel, kPrestressingSteelLine);
    AddLineBoxes(frame("MILD REINFORCING", "", 1, 1), kMildSteelLine);
    AddLineBoxes(frame("POST-TENSIONING DUCTS", "fraDucts", 2, 1), kDuctsLine);
    grid->setRowStretch(3, 1);
    return page;
}

QWidget* MainWindow::BuildSectionTab() {
    auto* page = new QWidget;
    auto* grid = new QGridLayout(page);
    auto* sectionFrame = new QGroupBox("BEAM SECTION", page);
    auto* sectionLayout = new QVBoxLayout(sectionFrame);
    for (const char* list : {"cboBeam", "cboSection"}) {
        auto* combo = Named(new QComboBox(sectionFrame), list);
        const std::string name = list;
        connect(combo, &QComboBox::activated, this,
                [this, name](int row) { Run([&] { presenter_.SelectRow(name, row); }); });
        sectionLayout->addWidget(combo);
    }
    grid->addWidget(sectionFrame, 0, 0);
    auto* dims = new QGroupBox("BEAM DIMENSIONS", page);
    auto* dimGrid = new QGridLayout(dims);
    int row = 0;
    for (const InputField* dimension : FieldsOfLine(kDimensionsLine)) {
        // Until a shape names it, a dimension's label is its field name.
        const std::string box = dimension->box;
        dimGrid->addWidget(Named(new QLabel(Q(box.substr(3)), dims), DimensionLabelName(box)), row,
                           0);
        dimGrid->addWidget(MakeBox(box, dims), row, 1);
        ++row;
    }
    // The section properties in use: the boxes of fields the file does not hold.
    int prow = 0;
    for (const InputField& field : InputFields()) {
        if (field.box == nullptr || field.fileLine != 0) continue;
        dimGrid->addWidget(new QLabel(field.label, dims), prow, 2);
        dimGrid->addWidget(MakeBox(field.box, dims), prow, 3);
        ++prow;
    }
    auto* calc = Named(new QPushButton("&Calculate", dims), "cmdCalcSP");
    connect(calc, &QPushButton::clicked, this,
            [this] { Run([&] { presenter_.Click("cmdCalcSP"); }); });
    dimGrid->addWidget(calc, prow, 3);
    dimGrid->setRowStretch(8, 1);
    grid->addWidget(dims, 1, 0);
    auto* pictures = new QWidget(page);
    auto* stack = new QVBoxLayout(pictures);
    for (int i = 0; i < 6; ++i) {
        stack->addWidget(
            Named(new SectionPicture(i, state_.data, pictures), PictureName("imgSect", i)));
    }
    grid->addWidget(pictures, 0, 1, 2, 1);
    grid->setColumnStretch(1, 1);
    return page;
}

QWidget* MainWindow::BuildLoadsTab() {
    auto* page = new QWidget;
    auto* layout = new QVBoxLayout(page);
    auto* top = new QFormLayout;
    layout->addLayout(top);
    top->addRow(FieldLabel("txtnll"), MakeBox("txtnll", page));
    auto* jack = new QHBoxLayout;
    jack->addWidget(MakeBox("txtPjack", page));
    auto* calc = Named(new QPushButton("&Calculate", page), "cmdCalcPSF");
    connect(calc, &QPushButton::clicked, this,
            [this] { Run([&] { presenter_.Click("cmdCalcPSF"); }); });
    jack->addWidget(calc);
    auto* design = Named(new QPushButton("Desi&gn...", page), "cmdDesign");
    design->setToolTip("Design the prestress in one step: losses, loss at transfer and force");
    connect(design, &QPushButton::clicked, this, [this] { ShowDesignDialog(); });
    jack->addWidget(design);
    jack->addStretch();
    top->addRow(FieldLabel("txtPjack"), jack);
    auto* generate = new QPushButton("Generate Loads...", page);
    generate->setObjectName("cmdGenLoads");
    generate->setToolTip("Generate dead loads and live load plus impact for a simple span");
    connect(generate, &QPushButton::clicked, this, [this] { ShowLoadGenerationDialog(); });
    auto* generateRow = new QHBoxLayout;
    generateRow->addWidget(generate);
    generateRow->addStretch();
    top->addRow("", generateRow);

    auto* frame = Named(new QGroupBox("LOCATION NO ", page), "fraLocation");
    auto* grid = new QGridLayout(frame);
    auto* distance = new QHBoxLayout;
    distance->addWidget(new QLabel("Distance from left end of beam:", frame));
    distance->addWidget(MakeBox("txtx", frame));
    distance->addStretch();
    grid->addLayout(distance, 0, 0, 1, 5);
    for (int c = 0; c < 4; ++c) {
        grid->addWidget(new QLabel(kLoadValueCaptions[static_cast<std::size_t>(c)], frame), 1,
                        c + 1, Qt::AlignHCenter);
    }
    for (int r = 0; r < 7; ++r) {
        grid->addWidget(
            new QLabel(QString(kLoadCaseCaptions[static_cast<std::size_t>(r)]) + ":", frame), r + 2,
            0);
        for (int c = 0; c < 4; ++c) {
            grid->addWidget(MakeBox("txt" + kLoadCasePrefixes[r] + kLoadColumns[c], frame, false),
                            r + 2, c + 1);
        }
    }
    auto* steps = new QHBoxLayout;
    for (const auto& [name, arrow] :
         {std::pair{"cmdPrev", Qt::LeftArrow}, std::pair{"cmdNext", Qt::RightArrow}}) {
        auto* button = Named(new QToolButton(frame), name);
        button->setArrowType(arrow);
        const std::string control = name;
        connect(button, &QToolButton::clicked, this,
                [this, control] { Run([&] { presenter_.Click(control); }); });
        steps->addWidget(button);
    }
    steps->addStretch();
    grid->addLayout(steps, 9, 1, 1, 4);
    grid->setColumnStretch(5, 1);  // spare width to the right of the grid
    // The one-location editor and, beside it, the table of every location.
    auto* editors = new QHBoxLayout;
    frame->setSizePolicy(QSizePolicy::Maximum, QSizePolicy::Preferred);  // the table takes the rest
    auto* editor = new QVBoxLayout;
    editor->addWidget(frame);
    editor->addStretch();
    editors->addLayout(editor);
    auto* table = new LoadTableView(page);
    table->setObjectName("tblLoads");
    loadTable_ = new LoadTableModel(
        state_.data, presenter_, [this](const std::function<void()>& action) { Run(action); },
        table);
    table->setModel(loadTable_);
    connect(loadTable_, &LoadTableModel::refused, this, [this](const QString& message) {
        RunQueued([this, message] { presenter_.ShowMessage(message.toStdString()); });
    });
    editors->addWidget(table, 1);
    layout->addLayout(editors, 1);
    return page;
}

QWidget* MainWindow::BuildAllowablesTab() {
    auto* page = new QWidget;
    auto* layout = new QVBoxLayout(page);
    auto* stresses = new QGroupBox("ALLOWABLE STRESSES", page);
    auto* form = new QFormLayout(stresses);
    AddLineBoxes(form, kAllowableStressLine);
    layout->addWidget(stresses);
    auto* losses = new QGroupBox("PRESTRESS LOSSES", page);
    auto* lossForm = new QFormLayout(losses);
    auto withButton = [&](const std::string& box, const std::string& button,
                          const QString& caption) {
        auto* row = new QHBoxLayout;
        row->addWidget(MakeBox(box, losses));
        auto* push = Named(new QPushButton(caption, losses), button);
        connect(push, &QPushButton::clicked, this,
                [this, button] { Run([&] { presenter_.Click(button); }); });
        row->addWidget(push);
        row->addStretch();
        lossForm->addRow(FieldLabel(box), row);
    };
    withButton("txtPSloss", "cmdcalcloss", "&Calculate");
    withButton("txtPStrans", "cmdCalcTrans", "C&alculate");
    AddBox(lossForm, "txtAset");
    layout->addWidget(losses);
    layout->addStretch();
    return page;
}

QWidget* MainWindow::BuildConfigurationTab() {
    auto* page = new QWidget;
    auto* grid = new QGridLayout(page);
    auto* beam = new QGroupBox("BEAM CONFIGURATION", page);
    auto* beamForm = new QFormLayout(beam);
    AddLineBoxes(beamForm, kBeamConfigurationLine);
    grid->addWidget(beam, 0, 0);
    auto* slab = Named(new QGroupBox("SLAB CONFIGURATION", page), "fraSlabConfig");
    auto* slabForm = new QFormLayout(slab);
    AddBox(slabForm, "txtTslab");
    AddBox(slabForm, "txtHaunch");
    AddBox(slabForm, "txtSlope");
    auto* beffRow = new QHBoxLayout;
    beffRow->addWidget(MakeBox("txtBeff", slab));
    auto* calc = Named(new QPushButton("&Calculate", slab), "cmdcalcbeff");
    connect(calc, &QPushButton::clicked, this,
            [this] { Run([&] { presenter_.Click("cmdcalcbeff"); }); });
    beffRow->addWidget(calc);
    beffRow->addStretch();
    slabForm->addRow(FieldLabel("txtBeff"), beffRow);
    grid->addWidget(slab, 1, 0);
    auto* path = new QGroupBox("PRESTRESS PATH", page);
    auto* pathGrid = new QGridLayout(path);
    pathGrid->addWidget(new QLabel(FieldLabel(&DesignData::PathConfig), path), 0, 0);
    auto* config = Named(new QComboBox(path), "cboConfig");
    connect(config, &QComboBox::activated, this,
            [this](int row) { Run([&] { presenter_.SelectRow("cboConfig", row); }); });
    pathGrid->addWidget(config, 0, 1, 1, 3);
    // The key points pair by pair: X in columns 0 and 1, Y in columns 2 and 3.
    const std::vector<const InputField*> points = FieldsOfLine(kPathPointsLine);
    for (std::size_t i = 0; i < points.size(); ++i) {
        const int gridRow = static_cast<int>(i / 2) + 1;
        const int column = static_cast<int>(i % 2) * 2;
        pathGrid->addWidget(new QLabel(points[i]->label, path), gridRow, column);
        pathGrid->addWidget(MakeBox(points[i]->box, path), gridRow, column + 1);
    }
    for (int i = 0; i < 6; ++i) {
        pathGrid->addWidget(Named(new PathPicture(i, state_.data, path), PictureName("imgPath", i)),
                            4, 0, 1, 4);
    }
    grid->addWidget(path, 0, 1, 3, 1);
    grid->setRowStretch(2, 1);
    grid->setColumnStretch(1, 1);
    return page;
}

void MainWindow::BuildMenus() {
    QMenuBar* bar = menuBar();
    auto entry = [&](QMenu* menu, const QString& caption, const char* name,
                     const std::function<void()>& command) {
        QAction* action = menu->addAction(caption);
        action->setObjectName(name);
        // Run once the menu is closed: no question opens inside the menu's own handling.
        connect(action, &QAction::triggered, this, [this, command] { RunQueued(command); });
        return action;
    };
    BuildFileMenu();
    BuildEditMenu();
    QMenu* define = bar->addMenu("&Define");
    define->setObjectName("mnuDefine");
    entry(define, "&Calcs to Output", "mnuCalcs", [this] { ShowOutputDialog(); });
    entry(define, "&Generate Loads...", "mnuGenLoads", [this] { ShowLoadGenerationDialog(); });
    entry(define, "&Design...", "mnuDesign", [this] { ShowDesignDialog(); });
    QMenu* reset = bar->addMenu("&Reset");
    reset->setObjectName("mnuReset");
    const std::tuple<const char*, const char*, ResetCommand> resets[] = {
        {"&Program Options", "mnuResetOptions", ResetCommand::ProgramOptions},
        {"&Material Properties", "mnuResetMaterial", ResetCommand::MaterialProperties},
        {"&Section Properties", "mnuResetSection", ResetCommand::SectionProperties},
        {"&Loads", "mnuResetLoads", ResetCommand::Loads},
        {"Allo&wable Stress and Loss", "mnuResetAllowable", ResetCommand::AllowableStressAndLoss},
        {"&Configuration", "mnuResetConfig", ResetCommand::Configuration},
        {"&All", "mnuResetAll", ResetCommand::All}};
    for (const auto& [caption, name, command] : resets) {
        const ResetCommand c = command;
        entry(reset, caption, name, [this, c] { presenter_.Reset(c); });
    }
    QMenu* view = bar->addMenu("&View");
    view->setObjectName("mnuView");
    entry(view, "&Output", "mnuViewOutput", [this] { presenter_.ViewReport(); });
    entry(view, "&Diagrams", "mnuViewDiagrams", [this] { ShowDiagrams(); });
    QAction* checks = checks_->toggleViewAction();
    checks->setText("&Checks Summary");
    checks->setObjectName("mnuViewChecks");
    view->addAction(checks);
    QMenu* help = bar->addMenu("&Help");
    help->setObjectName("mnuHelp");
    entry(help, "&About TARNEX", "mnuAbout", [this] {
        QDialog* box = aboutBox();
        box->show();
        CentreOnScreen(box);
    });
    entry(help, "&Contents", "mnuContents", [this] { ShowHelpTopic("Introduction.htm"); });
}

void MainWindow::BuildOutputDialog() {
    outputDialog_ = new QDialog(this);
    outputDialog_->setObjectName("frmcalcs");
    outputDialog_->setWindowTitle("Define Calcs");
    outputDialog_->setModal(false);
    auto* layout = new QVBoxLayout(outputDialog_);
    auto* bar = new QMenuBar(outputDialog_);
    QMenu* define = bar->addMenu("&Define");
    QAction* title = define->addAction("&Output Title (optional)");
    title->setObjectName("mnuOutputTitle");
    connect(title, &QAction::triggered, this,
            [this] { Run([&] { presenter_.AskOutputTitle(); }); });
    QAction* rating = define->addAction("&Rating Vehicles and Limits...");
    rating->setObjectName("mnuRating");
    connect(rating, &QAction::triggered, this, [this] { ShowRatingDialog(); });
    layout->setMenuBar(bar);
    auto* frame = new QGroupBox("OUTPUT OPTIONS", outputDialog_);
    auto* options = new QVBoxLayout(frame);
    const std::pair<const char*, const char*> boxes[] = {{"chkStress", "Stresses"},
                                                         {"chkDefl", "Deflections"},
                                                         {"chkUMom", "Ultimate Moment"},
                                                         {"chkUShear", "Ultimate Shear"},
                                                         {"chkRating", "Load Rating"}};
    for (const auto& [name, caption] : boxes) {
        auto* check = Named(new QCheckBox(caption, frame), name);
        const std::string control = name;
        connect(check, &QCheckBox::clicked, this,
                [this, control](bool on) { Run([&] { presenter_.Click(control, on); }); });
        options->addWidget(check);
    }
    layout->addWidget(frame);
    auto* calc = Named(new QPushButton("&Calculate Output", outputDialog_), "cmdCalc");
    connect(calc, &QPushButton::clicked, this,
            [this] { Run([&] { presenter_.Click("cmdCalc"); }); });
    layout->addWidget(calc);
}

void MainWindow::ShowOutputDialog() {
    Sync();
    outputDialog_->show();
    outputDialog_->adjustSize();
    CentreOnScreen(outputDialog_);
    outputDialog_->raise();
}

void MainWindow::ShowLoadGenerationDialog() {
    if (loadGenerationDialog_ != nullptr) loadGenerationDialog_->deleteLater();
    auto generate = [this](const LoadGenerationOptions& options) {
        bool done = false;
        Run([&] { done = RunLoadGeneration(state_, options, presenter_); });
        if (done) {
            if (auto* tabs = findChild<QTabWidget*>("SSTab1")) tabs->setCurrentIndex(3);
        }
        return done;
    };
    auto* dialog = new LoadGenerationDialog(state_.data, generate, this);
    loadGenerationDialog_ = dialog;
    dialog->setWindowModality(Qt::WindowModal);
    dialog->show();
    dialog->adjustSize();
    CentreOnScreen(dialog);
}

void MainWindow::StartUp() {
    Run([&] { presenter_.StartUp(); });
    resize(sizeHint().expandedTo(QSize(900, 620)));
    CentreOnScreen(this);
}

void MainWindow::LoadInputFile(const std::string& path) {
    Run([&] { presenter_.LoadInputFile(path); });
}

std::optional<std::string> MainWindow::ChooseFile(bool save, const std::string& filters,
                                                  int selected) {
    const QStringList list = QtFilters(filters);
    QString chosenFilter = list.value(selected - 1);
    // The dialog starts in the folder of the design's own file (or its report), with its name.
    const DesignData& d = state_.data;
    std::string start = lastFile_;
    if (filters == kInputFilters && !d.InputFileName.empty()) start = d.InputFileName;
    if (filters == kOutputFilters) {
        if (!d.OutputFileName.empty()) {
            start = d.OutputFileName;
        } else if (!d.InputFileName.empty()) {
            start = QFileInfo(Q(d.InputFileName))
                        .dir()
                        .filePath(QFileInfo(Q(d.InputFileName)).completeBaseName() + ".out")
                        .toStdString();
        }
    }
    const QString path =
        save ? QFileDialog::getSaveFileName(this, "Save As", Q(start), list.join(";;"),
                                            &chosenFilter)
             : QFileDialog::getOpenFileName(this, "Open", Q(start), list.join(";;"), &chosenFilter);
    if (path.isEmpty()) return std::nullopt;
    lastFile_ = path.toStdString();
    return lastFile_;
}

std::optional<std::string> MainWindow::ChooseOpenFile(const std::string& filters, int selected) {
    return ChooseFile(false, filters, selected);
}

std::optional<std::string> MainWindow::ChooseSaveFile(const std::string& filters, int selected) {
    return ChooseFile(true, filters, selected);
}

void MainWindow::SetBusy(bool busy) {
    Sync();
    setEnabled(!busy);
    if (busy) {
        QApplication::setOverrideCursor(Qt::WaitCursor);
    } else {
        QApplication::restoreOverrideCursor();
    }
    repaint();
}

void MainWindow::HideOutputDialog() { outputDialog_->hide(); }

void MainWindow::closeEvent(QCloseEvent* event) {
    bool close = false;
    Run([&] { close = presenter_.OfferToSave(); });
    if (close) {
        if (autosave_ != nullptr) autosave_->Remove();  // a clean end leaves nothing to recover
        event->accept();
    } else {
        event->ignore();
    }
}

}  // namespace tarnex::ui
