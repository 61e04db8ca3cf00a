#include "qt/dialogs.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QStandardPaths>
#include <QStringList>
#include <map>

#include "qt/qt_text.h"

namespace ferdix {

namespace {

QMessageBox::Icon IconOf(MsgIcon icon) {
    switch (icon) {
        case MsgIcon::Warning:
        case MsgIcon::Exclamation:
            return QMessageBox::Warning;
        case MsgIcon::Information:
            return QMessageBox::Information;
        case MsgIcon::Question:
            return QMessageBox::Question;
        case MsgIcon::None:
            break;
    }
    return QMessageBox::NoIcon;
}

}  // namespace

MsgAnswer CQtDialogs::Message(QWidget* owner, const MessageRequest& request) {
    QMessageBox box(IconOf(request.icon), MixedToQString(request.caption),
                    MixedToQString(request.text), QMessageBox::NoButton, owner);
    std::map<QAbstractButton*, MsgAnswer> answers;
    auto add = [&](QMessageBox::StandardButton button, const QString& text, MsgAnswer answer) {
        QPushButton* added = box.addButton(button);
        added->setText(text);
        answers[added] = answer;
        return added;
    };
    // The buttons speak Norwegian whatever translations the system has.
    switch (request.buttons) {
        case MsgButtons::Ok:
            add(QMessageBox::Ok, QStringLiteral("OK"), MsgAnswer::Ok);
            break;
        case MsgButtons::OkCancel:
            add(QMessageBox::Ok, QStringLiteral("OK"), MsgAnswer::Ok);
            add(QMessageBox::Cancel, QStringLiteral("Avbryt"), MsgAnswer::Cancel);
            break;
        case MsgButtons::YesNo: {
            add(QMessageBox::Yes, QStringLiteral("&Ja"), MsgAnswer::Yes);
            // No role that Qt takes for Escape or the close box: only a click or its key
            // answers No, as in a Yes/No box on Windows.
            QPushButton* no = box.addButton(QStringLiteral("&Nei"), QMessageBox::DestructiveRole);
            answers[no] = MsgAnswer::No;
            break;
        }
        case MsgButtons::YesNoCancel:
            add(QMessageBox::Yes, QStringLiteral("&Ja"), MsgAnswer::Yes);
            add(QMessageBox::No, QStringLiteral("&Nei"), MsgAnswer::No);
            add(QMessageBox::Cancel, QStringLiteral("Avbryt"), MsgAnswer::Cancel);
            break;
    }
    if (request.defaultButton) {
        for (auto& [button, answer] : answers) {
            if (answer == *request.defaultButton) {
                box.setDefaultButton(qobject_cast<QPushButton*>(button));
            }
        }
    }
    if (request.foreground) {
        box.raise();
        box.activateWindow();
    }
    box.exec();
    auto it = answers.find(box.clickedButton());
    if (it != answers.end()) {
        return it->second;
    }
    return request.buttons == MsgButtons::Ok ? MsgAnswer::Ok : MsgAnswer::Cancel;
}

QStringList NameFilters(const std::string& filter) {
    QStringList names;
    QStringList parts = ToQString(filter).split(QLatin1Char('|'));
    // Name and pattern alternate; an empty name ends the list.
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        QString name = parts[i].trimmed();
        if (name.isEmpty()) {
            break;
        }
        names << name;
    }
    return names;
}

std::optional<std::string> CQtDialogs::FilePath(QWidget* owner, const FileDialogRequest& request) {
    QString folder = PathToQString(request.initialFolder);
    if (folder.isEmpty() || !QDir(folder).exists()) {
        folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
        if (!QDir(folder).exists()) {
            folder = QDir::homePath();
        }
    }
    // Unless the request names one, Qt's titles, as its own file dialogs have them, in the
    // written standard in force.
    QString title = !request.caption.empty() ? ToQString(request.caption)
                    : request.save           ? QCoreApplication::translate("QFileDialog", "Save As")
                                             : QCoreApplication::translate("QFileDialog", "Open");
    QFileDialog dialog(owner, title, folder);
    dialog.setNameFilters(NameFilters(request.filter));
    dialog.setDefaultSuffix(ToQString(request.defaultExtension));
    dialog.setAcceptMode(request.save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(request.save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    if (!request.overwritePrompt) {
        dialog.setOption(QFileDialog::DontConfirmOverwrite);
    }
    if (!request.fileName.empty()) {
        dialog.selectFile(QDir(folder).filePath(PathToQString(request.fileName)));
    }
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return std::nullopt;
    }
    return PathFromQString(QDir::toNativeSeparators(dialog.selectedFiles().front()));
}

int CQtDialogs::Exec(QDialog& dialog) {
    return dialog.exec();
}

}  // namespace ferdix
