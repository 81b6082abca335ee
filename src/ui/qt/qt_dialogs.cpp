#include "ui/qt/qt_dialogs.h"

#include <QApplication>
#include <QFontDatabase>
#include <QInputDialog>
#include <QLabel>
#include <QMessageBox>
#include <algorithm>
#include <optional>

namespace tarnex::ui {

namespace {

/// A message box takes over from an open menu: the menu closes first.
void ClosePopups() {
    for (int i = 0; i < 8 && QApplication::activePopupWidget() != nullptr; ++i)
        QApplication::activePopupWidget()->close();
}

}  // namespace

QString MessageText(const std::string& text) {
    QString result = QString::fromStdString(text);
    result.replace(QChar(kMessageLineBreak), QChar('\n'));
    return result;
}

std::optional<QString> AlignedValues(const std::string& text) {
    const QStringList lines = MessageText(text).split('\n');
    if (lines.size() < 2) return std::nullopt;
    QStringList labels;
    QStringList values;
    qsizetype labelWidth = 0;
    qsizetype valueWidth = 0;
    for (const QString& line : lines) {
        const qsizetype at = line.indexOf("= ");
        if (at <= 0) return std::nullopt;
        labels << line.left(at).trimmed();
        values << line.mid(at + 2).trimmed();
        labelWidth = std::max(labelWidth, labels.back().size());
        valueWidth = std::max(valueWidth, values.back().size());
    }
    QStringList aligned;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        aligned << labels[i].leftJustified(labelWidth) + " = " +
                       values[i].rightJustified(valueWidth);
    }
    return aligned.join('\n');
}

void QtDialogs::ShowMessage(const std::string& text) {
    ClosePopups();
    QMessageBox box(QMessageBox::Information, kApplicationTitle, MessageText(text), QMessageBox::Ok,
                    parent_);
    if (const std::optional<QString> aligned = AlignedValues(text)) {
        // Results given as "label = value" lines: labels and values in columns, in a
        // monospaced font and without wrapping, so that the values line up on screen.
        box.setTextFormat(Qt::PlainText);
        box.setText(*aligned);
        if (auto* label = box.findChild<QLabel*>("qt_msgbox_label")) {
            label->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
            label->setWordWrap(false);
        }
    }
    box.exec();
}

SaveChoice QtDialogs::AskSaveChanges(const std::string& text) {
    ClosePopups();
    const auto answer = QMessageBox::warning(
        parent_, kApplicationTitle, MessageText(text),
        QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, QMessageBox::Save);
    if (answer == QMessageBox::Save) return SaveChoice::Save;
    if (answer == QMessageBox::Discard) return SaveChoice::Discard;
    return SaveChoice::Cancel;
}

bool QtDialogs::AskYesNo(const std::string& text, const std::string& title) {
    ClosePopups();
    return QMessageBox::question(parent_, QString::fromStdString(title), MessageText(text),
                                 QMessageBox::Yes | QMessageBox::No,
                                 QMessageBox::No) == QMessageBox::Yes;
}

bool QtDialogs::AskYesNoDefaultYes(const std::string& text, const std::string& title) {
    ClosePopups();
    return QMessageBox::question(parent_, QString::fromStdString(title), MessageText(text),
                                 QMessageBox::Yes | QMessageBox::No,
                                 QMessageBox::Yes) == QMessageBox::Yes;
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
