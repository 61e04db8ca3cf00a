// The controls' contract on the form's real widgets, under Qt's offscreen platform: the same
// typed tests as the in-memory controls (support/controls_contract.h), with a user who clicks
// and types through Qt Test.
#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>

#include "qt/form_widget.h"
#include "qt/qt_text.h"
#include "support/controls_contract.h"

namespace ferdix::test {
namespace {

class WidgetUser {
  public:
    WidgetUser() {
        m_form.resize(620, 700);
        m_form.show();
        m_form.activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&m_form));
        m_form.SetFocus(0);
    }
    IFormControls& Controls() { return m_form; }
    void SetEvents(IFormEvents* events) { m_form.SetEvents(events); }

    bool FocusTo(int id) {
        QWidget* w = Input(id);
        if (!w || !w->isVisible()) {
            return false;  // nothing there to click
        }
        m_form.ensureWidgetVisible(w);
        QTest::mouseClick(w, Qt::LeftButton, {}, QPoint(4, w->height() / 2));
        return m_form.GetFocus() == id;
    }
    bool Type(int id, std::string_view text) {
        if (!FocusTo(id)) {
            return false;
        }
        QWidget* w = QApplication::focusWidget();
        QTest::keyClick(w, Qt::Key_A, Qt::ControlModifier);
        if (text.empty()) {
            QTest::keyClick(w, Qt::Key_Delete);
        } else {
            QTest::keyClicks(w, ToQString(text));
        }
        return true;
    }
    bool Click(int id) {
        QWidget* w = m_form.ControlWidget(id);
        if (!w || !w->isVisible() || !w->isEnabled()) {
            return false;
        }
        m_form.ensureWidgetVisible(w);
        QTest::mouseClick(w, Qt::LeftButton);
        return true;
    }
    // Opens the list and takes the item with the keyboard, as a user does.
    bool Pick(int id, std::string_view item) {
        auto* combo = qobject_cast<QComboBox*>(m_form.ControlWidget(id));
        if (!combo || !combo->isEnabled()) {
            return false;
        }
        int index = combo->findText(ToQString(item));
        if (index < 0) {
            return false;
        }
        FocusTo(id);
        combo->showPopup();
        QApplication::processEvents();
        QAbstractItemView* list = combo->view();
        list->setCurrentIndex(list->model()->index(index, combo->modelColumn()));
        QTest::keyClick(list, Qt::Key_Return);
        QApplication::processEvents();
        return true;
    }

  private:
    // Where a click goes in: the edit part of an editable drop-down, which opens no list.
    QWidget* Input(int id) const {
        QWidget* w = m_form.ControlWidget(id);
        if (auto* combo = qobject_cast<QComboBox*>(w); combo && combo->lineEdit()) {
            return combo->lineEdit();
        }
        return w;
    }

    CFormWidget m_form;
};

}  // namespace

INSTANTIATE_TYPED_TEST_SUITE_P(Widgets, ControlsContract, WidgetUser);

}  // namespace ferdix::test

int main(int argc, char** argv) {
    // Qt's settings and runtime files go to a folder of the run's own.
    QTemporaryDir home;
    qputenv("HOME", QFile::encodeName(home.path()));
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(home.path()));
    qputenv("XDG_RUNTIME_DIR", QFile::encodeName(home.path()));
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
