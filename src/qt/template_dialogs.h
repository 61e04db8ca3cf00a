// The three small dialogs on screen, each built from its template (dialog units scaled like the
// form) over its model: the widgets show the model's texts and forward picks, typing and
// buttons; the model decides.
#pragma once

#include <QDialog>
#include <QFont>
#include <map>

#include "app/dialog_template.h"

namespace ferdix {

class CAboutDlg;
class CKmSoFarDlg;
class CRatesDlg;

// Pixels per dialog unit and the dialog font, taken from the form.
struct DialogUnits {
    double x = 1.5;
    double y = 1.625;
    QFont font;
};

class CTemplateDialog : public QDialog {
  public:
    CTemplateDialog(const DialogTemplate& dialog, QWidget* owner, const DialogUnits& units);

    // The widget of a control of the template, or null.
    QWidget* Control(int id) const;
    template <class W>
    W* ControlAs(int id) const {
        return qobject_cast<W*>(Control(id));
    }

  protected:
    // The rates and kilometres dialogs paint their face in the form's colour.
    void UseButtonFace();
    QPoint PlaceOver(const QWidget* owner) const;

  private:
    QRect ToPixels(const DialogRect& r) const;

    const DialogTemplate& m_template;
    DialogUnits m_units;
    std::map<int, QWidget*> m_controls;
};

class CQtRatesDialog final : public CTemplateDialog {
  public:
    CQtRatesDialog(CRatesDlg& model, QWidget* owner, const DialogUnits& units);

  private:
    CRatesDlg& m_model;
};

class CQtKmSoFarDialog final : public CTemplateDialog {
  public:
    CQtKmSoFarDialog(CKmSoFarDlg& model, QWidget* owner, const DialogUnits& units);

  private:
    void Ok();

    CKmSoFarDlg& m_model;
};

class CQtAboutDialog final : public CTemplateDialog {
  public:
    CQtAboutDialog(const CAboutDlg& model, QWidget* owner, const DialogUnits& units);
};

}  // namespace ferdix
