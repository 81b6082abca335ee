#include <QDesktopServices>
#include <QDialogButtonBox>
#include <QFile>
#include <QFontDatabase>
#include <QGroupBox>
#include <QPlainTextEdit>
#include <QProcess>
#include <QPushButton>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>
#include <stdexcept>

#include "ui/qt/main_window.h"

namespace tarnex::ui {

void MainWindow::ShowReport(const std::string& path) {
    QFile file(QString::fromStdString(path));
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) {
        throw std::runtime_error("the report file cannot be opened");
    }
    const QString text = QString::fromLocal8Bit(file.readAll());
    if (reportViewer_ == nullptr) {
        reportViewer_ = new QDialog(this);
        reportViewer_->setObjectName("frmreport");
        reportViewer_->resize(900, 640);
        auto* layout = new QVBoxLayout(reportViewer_);
        auto* view = new QPlainTextEdit(reportViewer_);
        view->setObjectName("txtReport");
        view->setReadOnly(true);
        view->setLineWrapMode(QPlainTextEdit::NoWrap);
        view->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
        layout->addWidget(view);
        auto* buttons = new QDialogButtonBox(reportViewer_);
        auto* editor = buttons->addButton("Open in &Text Editor", QDialogButtonBox::ActionRole);
        editor->setObjectName("cmdOpenEditor");
        buttons->addButton(QDialogButtonBox::Close);
        connect(buttons, &QDialogButtonBox::rejected, reportViewer_, &QDialog::hide);
        connect(editor, &QPushButton::clicked, this, [this] {
            // The path goes to the desktop's opener as one argument, blanks and all.
            const QString file = reportViewer_->property("reportPath").toString();
            if (!QProcess::startDetached("xdg-open", {file})) {
                QDesktopServices::openUrl(QUrl::fromLocalFile(file));
            }
        });
        layout->addWidget(buttons);
    }
    reportViewer_->setProperty("reportPath", QString::fromStdString(path));
    reportViewer_->setWindowTitle(QString::fromStdString(path));
    reportViewer_->findChild<QPlainTextEdit*>("txtReport")->setPlainText(text);
    reportViewer_->show();
    reportViewer_->raise();
}

QDialog* MainWindow::aboutBox() {
    if (aboutBox_ != nullptr) return aboutBox_;
    aboutBox_ = new QDialog(this);
    aboutBox_->setObjectName("frmabout");
    aboutBox_->setWindowTitle("About Program TARNEX");
    aboutBox_->setModal(false);
    auto* layout = new QVBoxLayout(aboutBox_);
    auto* credit = new QGroupBox("Credit", aboutBox_);
    auto* creditLayout = new QVBoxLayout(credit);
    creditLayout->addWidget(new QLabel(
        "Written by the TARNEX structural software group for prestressed concrete design.",
        credit));
    layout->addWidget(credit);
    auto* version = new QGroupBox("Program TARNEX Version 1.31", aboutBox_);
    auto* versionLayout = new QVBoxLayout(version);
    auto* text = new QLabel(
        "Program TARNEX may be used to design or review prestressed concrete beams with either "
        "pretensioning or post-tensioning reinforcement.",
        version);
    text->setWordWrap(true);
    versionLayout->addWidget(text);
    layout->addWidget(version);
    auto* ok = new QPushButton("&OK", aboutBox_);
    ok->setObjectName("cmdOK");
    connect(ok, &QPushButton::clicked, aboutBox_, &QDialog::hide);
    layout->addWidget(ok, 0, Qt::AlignRight);
    aboutBox_->resize(460, 240);
    return aboutBox_;
}

QDialog* MainWindow::helpWindow() {
    if (helpWindow_ != nullptr) return helpWindow_;
    helpWindow_ = new QDialog(this);
    helpWindow_->setObjectName("frmhelp");
    helpWindow_->setWindowTitle("TARNEX Help");
    helpWindow_->resize(760, 600);
    auto* layout = new QVBoxLayout(helpWindow_);
    auto* browser = new QTextBrowser(helpWindow_);
    browser->setObjectName("helpBrowser");
    browser->setSearchPaths({":/help"});
    layout->addWidget(browser);
    return helpWindow_;
}

void MainWindow::ShowHelpTopic(const QString& topic) {
    QDialog* window = helpWindow();
    auto* browser = window->findChild<QTextBrowser*>("helpBrowser");
    browser->setSource(QUrl("qrc:/help/" + topic));
    window->show();
    window->raise();
}

}  // namespace tarnex::ui
