#include "ui/qt/qt_dialogs.h"

#include <QApplication>
#include <QFontDatabase>
#include <QInputDialog>
#include <QMessageBox>

namespace tarnex::ui {

QString MessageText(const std::string& text) {
    QString result = QString::fromStdString(text);
    result.replace(QChar(kMessageLineBreak), QChar('\n'));
    return result;
}

bool LinesUpColumns(const std::string& text) {
    if (text.find(kMessageLineBreak) == std::string::npos) return false;
    std::size_t lineStart = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == kMessageLineBreak) {
            lineStart = i + 1;
        } else if (i > lineStart && text[i] == ' ' && text[i - 1] == ' ' &&
                   text.find_first_not_of(' ', lineStart) < i) {
            return true;
        }
    }
    return false;
}

void QtDialogs::ShowMessage(const std::string& text) {
    QMessageBox box(QMessageBox::Information, kApplicationTitle, MessageText(text), QMessageBox::Ok,
                    parent_);
    if (LinesUpColumns(text)) {
        // Prestress force results line up their values by blanks: keep the columns on screen.
        box.setStyleSheet("QLabel { font-family: monospace; }");
        box.setTextFormat(Qt::PlainText);
        box.setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    }
    box.exec();
}

SaveChoice QtDialogs::AskSaveChanges(const std::string& text) {
    const auto answer = QMessageBox::warning(
        parent_, kApplicationTitle, MessageText(text),
        QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, QMessageBox::Save);
    if (answer == QMessageBox::Save) return SaveChoice::Save;
    if (answer == QMessageBox::Discard) return SaveChoice::Discard;
    return SaveChoice::Cancel;
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
