#include "qt/dialogs.h"

#include <QDir>
#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QStandardPaths>
#include <QStringList>

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
    // The buttons speak Norwegian whatever translations the system has.
    switch (request.buttons) {
        case MsgButtons::Ok:
            box.addButton(QMessageBox::Ok)->setText(QStringLiteral("OK"));
            break;
        case MsgButtons::OkCancel:
            box.addButton(QMessageBox::Ok)->setText(QStringLiteral("OK"));
            box.addButton(QMessageBox::Cancel)->setText(QStringLiteral("Avbryt"));
            break;
        case MsgButtons::YesNoCancel:
            box.addButton(QMessageBox::Yes)->setText(QStringLiteral("&Ja"));
            box.addButton(QMessageBox::No)->setText(QStringLiteral("&Nei"));
            box.addButton(QMessageBox::Cancel)->setText(QStringLiteral("Avbryt"));
            break;
    }
    if (request.foreground) {
        box.raise();
        box.activateWindow();
    }
    switch (box.exec()) {
        case QMessageBox::Yes:
            return MsgAnswer::Yes;
        case QMessageBox::No:
            return MsgAnswer::No;
        case QMessageBox::Ok:
            return MsgAnswer::Ok;
        default:
            return request.buttons == MsgButtons::Ok ? MsgAnswer::Ok : MsgAnswer::Cancel;
    }
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
    QFileDialog dialog(
        owner, request.save ? QStringLiteral("Lagre som") : QString::fromUtf8("Åpne"), folder);
    dialog.setNameFilters(NameFilters(request.filter));
    dialog.setDefaultSuffix(ToQString(request.defaultExtension));
    dialog.setAcceptMode(request.save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(request.save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    // Qt's own dialog speaks Norwegian too (a desktop's native one has its own language).
    dialog.setLabelText(QFileDialog::LookIn, QString::fromUtf8("Søk i:"));
    dialog.setLabelText(QFileDialog::FileName, QStringLiteral("Filnavn:"));
    dialog.setLabelText(QFileDialog::FileType, QStringLiteral("Filtype:"));
    dialog.setLabelText(QFileDialog::Accept,
                        request.save ? QStringLiteral("&Lagre") : QString::fromUtf8("&Åpne"));
    dialog.setLabelText(QFileDialog::Reject, QStringLiteral("Avbryt"));
    if (!request.overwritePrompt) {
        dialog.setOption(QFileDialog::DontConfirmOverwrite);
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
