// The main window: owns the claim document, the form view and the form's widgets, shows the
// title and the status bar, and is the platform the document and the form talk to.
#pragma once

#include <QMainWindow>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>

#include "claim/claim_host.h"
#include "claim/ferdix_doc.h"
#include "form/ferdix_view.h"

class QLabel;

namespace ferdix {

class CFormWidget;
class IDialogs;

// Window height for a desktop work area whose bottom edge is at `workAreaBottom` pixels.
int MainWindowHeight(int workAreaBottom);
inline constexpr int kMainWindowWidth = 640;
inline constexpr int kTotalPaneWidth = 100;

class CMainFrame final : public QMainWindow, public IClaimHost, public IViewHost {
  public:
    CMainFrame(const IClock& clock, const FileLocations* files, const ProgramSettings& settings,
               IDialogs& dialogs, QWidget* parent = nullptr);
    ~CMainFrame() override;

    // The first claim: the one at `path`, or a new one when there is none or it cannot be read.
    void StartWith(const std::string& path);
    // Width and height from the screen's work area, top edge at its top.
    void PlaceOnScreen();

    CFerdixDoc& Document() { return m_doc; }
    CFerdixView& View() { return *m_view; }
    CFormWidget& Form() { return *m_form; }
    QLabel* MessagePane() const { return m_message; }
    QLabel* TotalPane() const { return m_total; }

    // Until the shell's command table comes: New, Open and Save on their usual keys.
    void FileNew();
    void FileOpen();
    void FileSave();

    // IClaimHost
    MsgAnswer ShowMessage(const MessageRequest& request) override;
    void SetStatusTotal(const std::string& text) override;
    void TitleChanged(const std::string& title) override;
    std::optional<std::string> AskFilePath(const FileDialogRequest& request) override;

    // IViewHost
    std::optional<std::uint32_t> AskKmSoFar(std::uint32_t current) override;

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    void FocusFirstField();

    IDialogs& m_dialogs;
    CFerdixDoc m_doc;
    CFormWidget* m_form;
    std::unique_ptr<CFerdixView> m_view;
    QLabel* m_message;
    QLabel* m_total;
};

}  // namespace ferdix
