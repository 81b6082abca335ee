#include <QGroupBox>
#include <QPushButton>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

#include "ui/qt/main_window.h"
#include "ui/qt/report_viewer.h"

namespace tarnex::ui {

void MainWindow::ShowReport(const std::string& path) {
    if (reportViewer_ == nullptr) {
        reportViewer_ = new ReportViewer(state_, presenter_, Shell(), this);
    }
    auto* viewer = static_cast<ReportViewer*>(reportViewer_);
    if (!viewer->Open(QString::fromStdString(path))) return;
    viewer->show();
    viewer->raise();
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
