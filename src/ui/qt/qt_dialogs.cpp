#include "ui/qt/qt_dialogs.h"

#include <QApplication>
#include <QInputDialog>
#include <QMessageBox>

namespace tarnex::ui {

QString MessageText(const std::string& text) {
    QString result = QString::fromStdString(text);
    result.replace(QChar(kMessageLineBreak), QChar('\n'));
    return result;
}

void QtDialogs::ShowMessage(const std::string& text) {
    QMessageBox::information(parent_, kApplicationTitle, MessageText(text), QMessageBox::Ok);
}

bool QtDialogs::AskYesNo(const std::string& text, const std::string& title) {
    return QMessageBox::question(parent_, QString::fromStdString(title), MessageText(text),
                                 QMessageBox::Yes | QMessageBox::No,
                                 QMessageBox::No) == QMessageBox::Yes;
}

std::string QtDialogs::InputBox(const std::string& prompt, const std::string& title,
                                const std::string& defaultText) {
    bool ok = false;
    const QString reply = QInputDialog::getText(parent_, QString::fromStdString(title),
                                                QString::fromStdString(prompt), QLineEdit::Normal,
                                                QString::fromStdString(defaultText), &ok);
    return ok ? reply.toStdString() : std::string();
}

void QtDialogs::Beep() { QApplication::beep(); }

}  // namespace tarnex::ui
