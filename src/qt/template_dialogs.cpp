#include "qt/template_dialogs.h"

#include <QApplication>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <cmath>
#include <string>
#include <vector>

#include "app/about_dlg.h"
#include "app/km_so_far_dlg.h"
#include "app/rates_dlg.h"
#include "form/control_ids.h"
#include "qt/field_input.h"
#include "qt/qt_text.h"

namespace ferdix {

CTemplateDialog::CTemplateDialog(const DialogTemplate& dialog, QWidget* owner,
                                 const DialogUnits& units)
    : QDialog(owner), m_template(dialog), m_units(units) {
    setFont(units.font);
    setWindowTitle(ToQString(dialog.title));
    QRect size = ToPixels({0, 0, dialog.cx, dialog.cy});
    setFixedSize(size.size());
    QWidget* previous = nullptr;
    QLabel* lastLabel = nullptr;
    for (const DialogControl& c : dialog.controls) {
        QWidget* w = nullptr;
        QString text = ToQString(c.text);
        switch (c.kind) {
            case DialogControlKind::Static: {
                auto* label = new QLabel(text, this);
                label->setWordWrap(true);
                label->setTextFormat(Qt::PlainText);
                label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
                lastLabel = label;
                w = label;
                break;
            }
            case DialogControlKind::Edit: {
                auto* edit = new QLineEdit(this);
                FieldValidator(edit);  // what the field cannot store is refused as typed
                w = edit;
                break;
            }
            case DialogControlKind::ListBox: {
                auto* list = new QListWidget(this);
                // The model gives the order; the widget never sorts on its own.
                list->setSortingEnabled(false);
                list->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
                w = list;
                break;
            }
            case DialogControlKind::PushButton:
            case DialogControlKind::DefaultButton: {
                auto* button = new QPushButton(text, this);
                // Enter presses the default button, whichever control has the focus.
                button->setAutoDefault(false);
                button->setDefault(c.kind == DialogControlKind::DefaultButton);
                w = button;
                break;
            }
            case DialogControlKind::Icon: {
                auto* icon = new QLabel(this);
                icon->setPixmap(QApplication::windowIcon().pixmap(32, 32));
                w = icon;
                break;
            }
        }
        QRect r = ToPixels(c.rect);
        if (c.kind == DialogControlKind::Icon) {
            r.setSize(QSize(32, 32));
        }
        w->setGeometry(r);
        if (c.hidden) {
            w->hide();
        }
        // An edit or list is named by the label before it, for screen readers.
        if ((c.kind == DialogControlKind::Edit || c.kind == DialogControlKind::ListBox) &&
            lastLabel) {
            w->setAccessibleName(lastLabel->text());
        }
        if (w->focusPolicy() != Qt::NoFocus && !c.hidden) {
            if (previous) {
                QWidget::setTabOrder(previous, w);
            }
            previous = w;
        }
        m_controls[c.id] = w;
        if (c.id == kIdCancel) {
            connect(static_cast<QPushButton*>(w), &QPushButton::clicked, this, &QDialog::reject);
        }
    }
    if (owner) {
        move(PlaceOver(owner));
    }
}

QRect CTemplateDialog::ToPixels(const DialogRect& r) const {
    auto px = [](int du, double unit) { return static_cast<int>(std::lround(du * unit)); };
    int left = px(r.x, m_units.x);
    int top = px(r.y, m_units.y);
    return QRect(left, top, px(r.Right(), m_units.x) - left, px(r.Bottom(), m_units.y) - top);
}

QPoint CTemplateDialog::PlaceOver(const QWidget* owner) const {
    QRect area = owner->geometry();
    if (m_template.hasPosition) {
        // Placed from the owner's client area, as the template says.
        return area.topLeft() + ToPixels({m_template.x, m_template.y, 0, 0}).topLeft();
    }
    return area.center() - QPoint(width() / 2, height() / 2);
}

QWidget* CTemplateDialog::Control(int id) const {
    auto it = m_controls.find(id);
    return it == m_controls.end() ? nullptr : it->second;
}

void CTemplateDialog::UseButtonFace() {
    setAutoFillBackground(true);
    setBackgroundRole(QPalette::Button);
}

// ---------------------------------------------------------------------------------------------

CQtRatesDialog::CQtRatesDialog(CRatesDlg& model, QWidget* owner, const DialogUnits& units)
    : CTemplateDialog(CRatesDlg::Template(), owner, units), m_model(model) {
    UseButtonFace();
    auto* list = ControlAs<QListWidget>(kIdRatesList);
    auto* value = ControlAs<QLineEdit>(kIdRatesValue);
    std::vector<std::string> items = m_model.ListItems();
    for (const std::string& item : items) {
        list->addItem(ToQString(item));
    }
    value->setText(ToQString(m_model.ValueText()));
    connect(list, &QListWidget::currentRowChanged, this, [this, items, value](int row) {
        if (row < 0 || row >= static_cast<int>(items.size())) {
            return;
        }
        m_model.OnSelChange(items[static_cast<std::size_t>(row)]);
        value->setText(ToQString(m_model.ValueText()));
    });
    connect(value, &QLineEdit::textEdited, this,
            [this](const QString& text) { m_model.SetValueText(FromQString(text)); });
    connect(ControlAs<QPushButton>(kIdRatesChange), &QPushButton::clicked, this,
            [this] { m_model.OnChange(); });
    connect(ControlAs<QPushButton>(kIdOk), &QPushButton::clicked, this, &QDialog::accept);
    if (QWidget* focus = Control(m_model.InitialFocus())) {
        focus->setFocus(Qt::OtherFocusReason);
    }
}

// ---------------------------------------------------------------------------------------------

CQtKmSoFarDialog::CQtKmSoFarDialog(CKmSoFarDlg& model, QWidget* owner, const DialogUnits& units)
    : CTemplateDialog(CKmSoFarDlg::Template(), owner, units), m_model(model) {
    UseButtonFace();
    auto* field = ControlAs<QLineEdit>(m_model.FocusControl());
    field->setText(ToQString(m_model.FieldText()));
    field->setAccessibleName(windowTitle());
    field->selectAll();
    field->setFocus(Qt::OtherFocusReason);
    connect(field, &QLineEdit::textEdited, this,
            [this](const QString& text) { m_model.SetFieldText(FromQString(text)); });
    connect(ControlAs<QPushButton>(kIdOk), &QPushButton::clicked, this, &CQtKmSoFarDialog::Ok);
}

void CQtKmSoFarDialog::Ok() {
    if (m_model.OnOk()) {
        accept();
        return;
    }
    // Refused: the message has been shown; the figure is to be typed again.
    auto* field = ControlAs<QLineEdit>(m_model.FocusControl());
    field->setFocus(Qt::OtherFocusReason);
    field->selectAll();
}

// ---------------------------------------------------------------------------------------------

CQtAboutDialog::CQtAboutDialog(const CAboutDlg& model, QWidget* owner, const DialogUnits& units)
    : CTemplateDialog(CAboutDlg::Template(), owner, units) {
    setWindowTitle(ToQString(model.Title()));
    ControlAs<QLabel>(kIdAboutVersion)->setText(ToQString(model.VersionLine()));
    ControlAs<QLabel>(kIdAboutDomesticRates)->setText(ToQString(model.DomesticRatesLine()));
    ControlAs<QLabel>(kIdAboutAbroadRates)->setText(ToQString(model.AbroadRatesLine()));
    auto* files = ControlAs<QLabel>(kIdAboutFiles);
    files->setText(MixedToQString(model.FilesText()));
    // A long path may be copied to look at the file.
    files->setTextInteractionFlags(Qt::TextSelectableByMouse);
    auto* ok = ControlAs<QPushButton>(kIdOk);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    ok->setFocus(Qt::OtherFocusReason);
}

}  // namespace ferdix
